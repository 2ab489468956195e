#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <memory>
#include <optional>

#include "job/job_file.h"

class QLockFile;

// The recovery file of a running program: the changed job, written a few seconds after each change
// so that a crash or a kill loses little. It lives in the user's data folder, in one of a few slots
// that belong to the working folder (named by a hash of its canonical path), so programs started
// in different folders never see each other's files. A lock file marks the slot as taken: a second
// program in the same folder takes the next slot instead of writing over the first one's file, and
// the lock of a program that died is recognised as stale and taken over, leftover file and all.
class RecoveryFile {
 public:
  static constexpr int kSlots = 8;

  RecoveryFile(const QString& data_dir, const QString& work_folder);
  ~RecoveryFile();
  RecoveryFile(const RecoveryFile&) = delete;
  RecoveryFile& operator=(const RecoveryFile&) = delete;

  // Takes a free slot, preferring one that holds a leftover file; a slot whose file's place is
  // taken by a folder or a device is passed over. False when the data folder cannot be made or
  // every slot is taken; the program then runs without recovery.
  bool Claim();
  bool claimed() const { return lock_ != nullptr; }

  // The file of the claimed slot.
  const QString& path() const { return path_; }

  // A file left in the claimed slot by a program that did not end cleanly.
  bool HasLeftover() const;
  QDateTime LeftoverTime() const;

  // Replaces the file all or nothing (ReplaceFile): when the disk is full the last one stays.
  bool Write(const QByteArray& bytes);
  void Remove();

 private:
  QString SlotPath(int slot, const QString& suffix) const;

  QString data_dir_;  // empty when the system names no data folder: then no recovery
  QString base_;      // <data folder>/recovery-<hash of the working folder>
  QString path_;
  std::unique_ptr<QLockFile> lock_;
};

// A recovery file holds the job and, under "recovery_of", the job file it was opened from (empty
// for a job never saved), with "recovery_of_sha256", the hash of that file as it was read or last
// written, so that a save of the recovered job can tell whether someone changed the file since. A
// job file reader ignores those keys, so it is a job file like any other. Its picture is kept with
// its full path; a relative one is read from the job file's folder.
QByteArray RecoveryBytes(const Job& job, const QString& job_path,
                         const QByteArray& job_file_sha256 = {});

struct RecoveredJob {
  Job job;
  QString job_path;
  QByteArray job_file_sha256;  // empty when not known
};
std::optional<RecoveredJob> ReadRecovery(const QString& path, QString* problem);
