#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <system_error>

class Prompter;
struct MainModel;

// The file operations a history write is made of: the program uses the file system's own, tests
// make any one of them fail to see that the records come through.
class RecordFiles {
 public:
  virtual ~RecordFiles() = default;

  // Writes `bytes` into the new file `path` and through to the disk, so a full disk shows here.
  virtual std::error_code WriteNew(const QString& path, const QByteArray& bytes);
  // Gives the file `from` the name `to`, replacing whatever file `to` named.
  virtual std::error_code Rename(const QString& from, const QString& to);
  // Gives the file `from` the second name `to`, which is free.
  virtual std::error_code Link(const QString& from, const QString& to);
  virtual std::error_code Remove(const QString& path);

  // How long a write waits for another program that is writing the same folder's history.
  int lock_wait_ms = 3000;
};

// The bytes of the newest record: the rows 0..max_line on screen, trimmed, one a line, UTF-8 with
// CRLF line ends. Exactly one line a row whatever a row holds: a control character in it is
// written as a blank.
QByteArray HistoryRecordBytes(const MainModel& model);

// Stores the template rows on screen as the newest history record: record_009 … record_001 move
// up one number (record_010 drops out; a missing record leaves the next one as it was) and
// record_001 gets the new record.
//
// All or nothing: the new record is written to a temporary file in the folder first, the records
// move by renaming (which needs no free space) and never by copying, and if any step fails every
// step before it is undone, so every old record is where it was and nothing is half written. A lock
// file in the folder keeps two programs from rotating the same history at once.
//
// Returns why the record could not be stored, for the user; nothing when it was stored.
std::optional<QString> WriteHistory(const MainModel& model);
std::optional<QString> WriteHistory(const MainModel& model, RecordFiles& files);

// After a print run that printed: stores the template as the newest record and, when that fails,
// says so once, so a failure never passes for success.
void StorePrintedTemplate(const MainModel& model, Prompter& prompter);
