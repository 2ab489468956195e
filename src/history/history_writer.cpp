#include "history/history_writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "history/history_files.h"
#include "model/main_model.h"

namespace {

QByteArray RecordBytes(const MainModel& model) {
  QByteArray bytes;
  for (int row = 0; row <= model.max_line && row < MainModel::kRows; ++row) {
    bytes += model.l_content[row].trimmed().toUtf8();
    bytes += "\r\n";
  }
  return bytes;
}

// Copies `from` over `to` through a temporary file, so `to` keeps its old text when the copy
// fails half-way. A missing or unreadable `from` leaves `to` as it was.
void CopyOver(const QString& from, const QString& to) {
  if (!QFileInfo(from).isFile()) return;
  QFile source(from);
  if (!source.open(QIODevice::ReadOnly)) return;
  const QByteArray bytes = source.readAll();
  if (source.error() != QFileDevice::NoError) return;
  QSaveFile target(to);
  if (!target.open(QIODevice::WriteOnly)) return;
  if (target.write(bytes) != bytes.size()) {
    target.cancelWriting();
    return;
  }
  target.commit();
}

}  // namespace

void WriteHistory(const MainModel& model) {
  const QDir folder(model.work_dir);
  const auto path = [&](int number) {
    return folder.filePath(HistoryFileName(model.record_prefix, number));
  };

  // The new record is written into its temporary file first: if that cannot be done (a read-only
  // folder, a full disk, something in the way of record_001) the older records are not moved, so
  // no record is lost for a record that never came.
  QSaveFile record(path(1));
  if (!record.open(QIODevice::WriteOnly)) return;
  const QByteArray bytes = RecordBytes(model);
  if (record.write(bytes) != bytes.size() || !record.flush()) {
    record.cancelWriting();
    return;
  }

  for (int number = kHistoryFiles; number >= 2; --number) CopyOver(path(number - 1), path(number));
  record.commit();
}
