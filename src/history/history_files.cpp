#include "history/history_files.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

QString HistoryFileName(const QString& prefix, int number) {
  return prefix + QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'));
}

QString DecodeHistoryText(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(bytes);
  if (!utf8.hasError()) {
    if (text.startsWith(QChar::ByteOrderMark)) text.remove(0, 1);
    return text;
  }
  QStringDecoder big5("windows-950");
  if (!big5.isValid()) big5 = QStringDecoder("Big5");
  return big5.isValid() ? big5.decode(bytes) : QString::fromLatin1(bytes);
}

std::optional<QStringList> ReadHistoryLines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  file.close();

  QString text = DecodeHistoryText(bytes);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QStringList lines = text.split(u'\n');
  // A final line end closes the last line; it does not start another one.
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

QStringList HistoryListItems(const QString& dir, const QString& prefix) {
  QStringList items;
  const QDir folder(dir);
  for (int n = 1; n <= kHistoryFiles; ++n) {
    const auto lines = ReadHistoryLines(folder.filePath(HistoryFileName(prefix, n)));
    if (!lines || lines->isEmpty() || lines->first().isEmpty()) continue;
    items << QStringLiteral("%1,%2").arg(n, 2, 10, QLatin1Char('0')).arg(lines->first());
  }
  return items;
}
