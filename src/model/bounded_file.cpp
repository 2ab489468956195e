#include "model/bounded_file.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>

#include "model/file_reading.h"

namespace {

// The texts of this file's messages, translated under one context.
struct Text {
  Q_DECLARE_TR_FUNCTIONS(BoundedFile)
};

QString Megabytes(qint64 bytes) { return QString::number(double(bytes) / (1024 * 1024), 'f', 1); }

}  // namespace

std::optional<QByteArray> ReadBoundedFile(const QString& path, qint64 max_bytes, QString* problem) {
  const QFileInfo info(path);
  if (!info.exists()) {
    *problem = Text::tr("找不到這個檔案");
    return std::nullopt;
  }
  if (info.isDir()) {
    *problem = Text::tr("這是一個資料夾, 不是檔案");
    return std::nullopt;
  }
  if (!info.isFile()) {
    *problem = Text::tr("這不是一般的檔案 (可能是裝置或管道)");
    return std::nullopt;
  }
  if (info.size() > max_bytes) {
    *problem = Text::tr("檔案太大 (%1 MB), 最多只能有 %2 MB")
                   .arg(Megabytes(info.size()), Megabytes(max_bytes));
    return std::nullopt;
  }
  // Opened as a regular file only and without waiting, so a pipe put in its place since the checks
  // is refused too.
  FileReadFailure failure;
  const std::optional<FileBytes> file = ReadRegularFile(path, max_bytes, false, &failure);
  if (!file) {
    switch (failure) {
      case FileReadFailure::kNotRegular:
        *problem = Text::tr("這不是一般的檔案 (可能是裝置或管道)");
        break;
      case FileReadFailure::kNotOpened:
        *problem = Text::tr("無法讀取這個檔案, 可能沒有讀取的權限");
        break;
      case FileReadFailure::kNotRead:
        *problem = Text::tr("讀取這個檔案時發生錯誤");
        break;
    }
    return std::nullopt;
  }
  if (!file->complete) {
    *problem = Text::tr("檔案太大, 最多只能有 %1 MB").arg(Megabytes(max_bytes));
    return std::nullopt;
  }
  return file->bytes;
}

bool IsPlainText(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString text = utf8(bytes);
  if (utf8.hasError()) return false;
  return std::none_of(text.begin(), text.end(), [](QChar c) {
    return c.category() == QChar::Other_Control && c != u'\n' && c != u'\r' && c != u'\t';
  });
}
