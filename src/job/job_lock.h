#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>

class QLockFile;

// A job kept on an office's shared folder can be opened by two clerks at once. The program that
// opens a job holds a lock file beside it (.客戶A.cratemark.lock for 客戶A.cratemark) while the job
// is open: a QLockFile, whose file records the process, its program and its computer, with the
// clerk's name and the time the job was opened added below Qt's lines.
//
// Whether a lock is stale, so that the next program takes it over without a question:
// - one written on this computer is stale once its program is gone (QLockFile's own rule: the
//   process id, its program's name and the boot it ran in);
// - a process id means nothing on another computer, so one written elsewhere is stale only when
//   its file has not been touched for kStaleMs. A program holding a lock touches its file every
//   kRefreshMs, so only a program that died (or a computer that went to sleep) leaves it that old;
// - so is a lock file that cannot be read as one (cut short by a crash as it was written).
// Anything else is held: the second program says who has the job and offers it read-only or as
// a copy.
class JobLock {
 public:
  static constexpr int kRefreshMs = 60 * 1000;
  static constexpr int kStaleMs = 10 * 60 * 1000;

  enum class Outcome {
    kTaken,        // the lock is ours (a stale one taken over)
    kHeld,         // another program holds it; see holder()
    kNotPossible,  // no lock can be made there (a read-only folder, a folder in its place)
  };

  // Who holds a lock, as its file says.
  struct Holder {
    QString user;  // the clerk's name; empty for a lock another program wrote
    QString host;
    QDateTime since;  // when the job was opened; invalid when not recorded
    bool this_computer = false;
  };

  explicit JobLock(const QString& job_path);
  ~JobLock();
  JobLock(const JobLock&) = delete;
  JobLock& operator=(const JobLock&) = delete;

  // The lock file of the job file `job_path`.
  static QString LockPath(const QString& job_path);

  // Takes the lock, or tells why not. While taken, the lock file is touched every kRefreshMs;
  // the destructor lets it go.
  Outcome Take();
  bool taken() const;
  // The holder that kept Take from taking the lock.
  const Holder& holder() const { return holder_; }

  // Touches the lock file, so other computers see that its program is alive. A lock that another
  // program took over in the meantime (this computer slept past kStaleMs) is left alone.
  void Refresh();

 private:
  bool StillOurs() const;

  QString path_;
  std::unique_ptr<QLockFile> lock_;
  Holder holder_;
  QTimer refresh_;
};

// Reads the lock file at `lock_path`; nothing when there is none or it is not a lock file.
std::optional<JobLock::Holder> ReadLockHolder(const QString& lock_path);

// Who holds a job, in a clerk's words: "王小明, 在電腦「OFFICE-2」上, 從今天 09:12 起".
QString LockHolderText(const JobLock::Holder& holder, const QDateTime& now);

// What a job file looked like when it was read or last written, to tell whether another program
// changed it since.
struct FileMarks {
  qint64 size = -1;  // unknown for a job brought back from a recovery file
  QDateTime modified;
  QByteArray sha256;  // empty: nothing is known, and nothing is compared

  bool known() const { return !sha256.isEmpty(); }
};

FileMarks MarksOf(const QString& path, const QByteArray& bytes);

// Whether the file at `path` is no longer what `marks` describe: its size differs, or its
// content does (or, when it cannot be read, its time). A file that is gone has lost nothing to a
// save, and marks that know nothing never differ.
bool ChangedSince(const QString& path, const FileMarks& marks);
