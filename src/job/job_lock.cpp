#include "job/job_lock.h"

#include <pwd.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

#include "job/job_commands.h"
#include "model/bounded_file.h"

namespace {

struct Text {
  Q_DECLARE_TR_FUNCTIONS(JobLock)
};

// Below Qt's own lines (process id, program, computer, its machine and boot ids), which QLockFile
// reads and ignores what follows.
const QByteArray kUserKey = "cratemark-user: ";
const QByteArray kSinceKey = "cratemark-since: ";
constexpr qint64 kMaxLockFileBytes = 4096;

// The clerk as the office knows them: the full name of the account, else its login name.
QString UserName() {
  const long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  QByteArray buffer(size > 0 ? size : 16384, '\0');
  passwd entry{};
  passwd* found = nullptr;
  QString name;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), size_t(buffer.size()), &found) == 0 &&
      found) {
    name = QString::fromLocal8Bit(found->pw_gecos).section(u',', 0, 0).trimmed();
    if (name.isEmpty()) name = QString::fromLocal8Bit(found->pw_name);
  }
  if (name.isEmpty()) name = qEnvironmentVariable("USER");
  // One line of the lock file.
  name.replace(u'\n', u' ').replace(u'\r', u' ');
  return name;
}

QDateTime Touched(const QString& path) { return QFileInfo(path).lastModified(); }

}  // namespace

JobLock::JobLock(const QString& job_path)
    : path_(LockPath(job_path)), lock_(std::make_unique<QLockFile>(path_)) {
  // The rules of staleness are Take's: a program may well keep a job open for days.
  lock_->setStaleLockTime(0);
  refresh_.setInterval(kRefreshMs);
  refresh_.callOnTimeout([this] { Refresh(); });
}

JobLock::~JobLock() {
  // QLockFile removes its file whatever it holds now; a lock another program took over while this
  // one slept is that program's, and stays. The small object is given up rather than let go.
  if (lock_->isLocked() && !StillOurs()) (void)lock_.release();
}

QString JobLock::LockPath(const QString& job_path) {
  const QFileInfo job(job_path);
  return job.dir().filePath(QStringLiteral(".%1.lock").arg(job.fileName()));
}

JobLock::Outcome JobLock::Take() {
  if (taken()) return Outcome::kTaken;
  const QFileInfo info(path_);
  // QLockFile would wait for ever on a pipe in the lock's place.
  if (info.exists() && !info.isFile()) return Outcome::kNotPossible;
  // Another computer's lock, or one QLockFile cannot read (cut short by a crash), is judged by
  // its age alone.
  if (const auto found = ReadLockHolder(path_);
      info.exists() && (!found || !found->this_computer)) {
    if (Touched(path_).msecsTo(QDateTime::currentDateTimeUtc()) <= kStaleMs) {
      holder_ = found.value_or(Holder{});
      return Outcome::kHeld;
    }
    lock_->removeStaleLockFile();
  }
  if (!lock_->tryLock(0)) {
    if (lock_->error() != QLockFile::LockFailedError) return Outcome::kNotPossible;
    holder_ = ReadLockHolder(path_).value_or(Holder{});
    return Outcome::kHeld;
  }
  QFile file(path_);
  if (file.open(QIODevice::Append | QIODevice::ExistingOnly)) {
    file.write(kUserKey + UserName().toUtf8() + '\n' + kSinceKey +
               QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toUtf8() + '\n');
  }
  refresh_.start();
  return Outcome::kTaken;
}

bool JobLock::taken() const { return lock_ && lock_->isLocked(); }

void JobLock::Refresh() {
  if (!taken() || !StillOurs()) return;
  QFile file(path_);
  if (file.open(QIODevice::Append | QIODevice::ExistingOnly)) {
    file.setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileModificationTime);
  }
}

bool JobLock::StillOurs() const {
  QString problem;
  const auto bytes = ReadBoundedFile(path_, kMaxLockFileBytes, &problem);
  if (!bytes) return false;
  const QList<QByteArray> lines = bytes->split('\n');
  return lines.size() > 2 && lines[0].toLongLong() == QCoreApplication::applicationPid() &&
         QString::fromUtf8(lines[2]) == QSysInfo::machineHostName();
}

std::optional<JobLock::Holder> ReadLockHolder(const QString& lock_path) {
  QString problem;
  const auto bytes = ReadBoundedFile(lock_path, kMaxLockFileBytes, &problem);
  if (!bytes) return std::nullopt;
  const QList<QByteArray> lines = bytes->split('\n');
  bool pid = false;
  if (lines.size() < 3 || lines[0].toLongLong(&pid) <= 0 || !pid) return std::nullopt;
  JobLock::Holder holder;
  holder.host = QString::fromUtf8(lines[2]);
  holder.this_computer = holder.host.isEmpty() || holder.host == QSysInfo::machineHostName();
  for (const QByteArray& line : lines) {
    if (line.startsWith(kUserKey)) holder.user = QString::fromUtf8(line.mid(kUserKey.size()));
    if (line.startsWith(kSinceKey)) {
      holder.since =
          QDateTime::fromString(QString::fromUtf8(line.mid(kSinceKey.size())), Qt::ISODate);
    }
  }
  return holder;
}

QString LockHolderText(const JobLock::Holder& holder, const QDateTime& now) {
  const QString who = holder.user.isEmpty() ? Text::tr("另一個 Cratemark") : holder.user;
  // A lock file that says nothing more.
  if (!holder.this_computer && holder.host.isEmpty()) return who;
  const QString where =
      holder.this_computer ? Text::tr("在這台電腦上") : Text::tr("在電腦「%1」上").arg(holder.host);
  if (!holder.since.isValid()) return Text::tr("%1, %2").arg(who, where);
  const QDateTime since = holder.since.toLocalTime();
  const QDate day = since.date();
  const QDate today = now.toLocalTime().date();
  const QString time = since.toString(QStringLiteral("HH:mm"));
  QString when;
  if (day == today) {
    when = Text::tr("今天 %1").arg(time);
  } else if (day == today.addDays(-1)) {
    when = Text::tr("昨天 %1").arg(time);
  } else if (day.year() == today.year()) {
    when = Text::tr("%1月%2日 %3").arg(day.month()).arg(day.day()).arg(time);
  } else {
    when = Text::tr("%1年%2月%3日 %4").arg(day.year()).arg(day.month()).arg(day.day()).arg(time);
  }
  return Text::tr("%1, %2, 從%3起").arg(who, where, when);
}

FileMarks MarksOf(const QString& path, const QByteArray& bytes) {
  return {bytes.size(), QFileInfo(path).lastModified(),
          QCryptographicHash::hash(bytes, QCryptographicHash::Sha256)};
}

bool ChangedSince(const QString& path, const FileMarks& marks) {
  if (!marks.known()) return false;
  const QFileInfo info(path);
  if (!info.exists()) return false;
  if (marks.size >= 0 && info.size() != marks.size) return true;
  QString problem;
  const auto bytes = ReadBoundedFile(path, kMaxJobFileBytes, &problem);
  if (bytes) return QCryptographicHash::hash(*bytes, QCryptographicHash::Sha256) != marks.sha256;
  return !marks.modified.isValid() || info.lastModified() != marks.modified;
}
