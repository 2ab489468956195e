#include "model/row_size.h"

#include <QCoreApplication>

const QStringList& RowSizeWords() {
  static const QStringList words{QStringLiteral("一般"), QStringLiteral("粗體"),
                                 QStringLiteral("放大")};
  return words;
}

QString RowSizeWord(RowSize size) { return RowSizeWords()[int(size)]; }

std::optional<RowSize> RowSizeOfWord(const QString& word) {
  const qsizetype index = RowSizeWords().indexOf(word);
  if (index < 0) return std::nullopt;
  return RowSize(index);
}

QString RowSizeName(RowSize size) {
  switch (size) {
    case RowSize::kNormal:
      break;
    case RowSize::kBold:
      return QCoreApplication::translate("RowSize", "粗體");
    case RowSize::kLarge:
      return QCoreApplication::translate("RowSize", "放大");
  }
  return QCoreApplication::translate("RowSize", "一般");
}
