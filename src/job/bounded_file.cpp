#include "job/bounded_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("BoundedFile", text); }

QString Megabytes(qint64 bytes) { return QString::number(double(bytes) / (1024 * 1024), 'f', 1); }

}  // namespace

std::optional<QByteArray> ReadBoundedFile(const QString& path, qint64 max_bytes, QString* problem) {
  const QFileInfo info(path);
  if (!info.exists()) {
    *problem = Tr("找不到這個檔案");
    return std::nullopt;
  }
  if (info.isDir()) {
    *problem = Tr("這是一個資料夾, 不是檔案");
    return std::nullopt;
  }
  if (!info.isFile()) {
    *problem = Tr("這不是一般的檔案 (可能是裝置或管道)");
    return std::nullopt;
  }
  if (info.size() > max_bytes) {
    *problem =
        Tr("檔案太大 (%1 MB), 最多只能有 %2 MB").arg(Megabytes(info.size()), Megabytes(max_bytes));
    return std::nullopt;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    *problem = Tr("無法讀取這個檔案, 可能沒有讀取的權限");
    return std::nullopt;
  }
  // The file may grow between the size check and the read: never read more than the limit.
  QByteArray bytes = file.read(max_bytes + 1);
  if (file.error() != QFileDevice::NoError) {
    *problem = Tr("讀取這個檔案時發生錯誤");
    return std::nullopt;
  }
  if (bytes.size() > max_bytes) {
    *problem = Tr("檔案太大, 最多只能有 %1 MB").arg(Megabytes(max_bytes));
    return std::nullopt;
  }
  return bytes;
}
