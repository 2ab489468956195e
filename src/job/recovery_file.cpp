#include "job/recovery_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLockFile>

#include "job/job_commands.h"
#include "model/bounded_file.h"
#include "model/file_writing.h"

namespace {

const QString kRecoveryOf = QStringLiteral("recovery_of");
const QString kRecoveryOfSha256 = QStringLiteral("recovery_of_sha256");

QString FolderKey(const QString& work_folder) {
  const QDir folder(work_folder);
  QString canonical = folder.canonicalPath();
  if (canonical.isEmpty()) canonical = folder.absolutePath();
  return QString::fromLatin1(
      QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha256).toHex().left(16));
}

}  // namespace

RecoveryFile::RecoveryFile(const QString& data_dir, const QString& work_folder)
    : data_dir_(data_dir),
      base_(QDir(data_dir).filePath(QStringLiteral("recovery-") + FolderKey(work_folder))) {}

RecoveryFile::~RecoveryFile() = default;

QString RecoveryFile::SlotPath(int slot, const QString& suffix) const {
  return QStringLiteral("%1-%2%3").arg(base_).arg(slot).arg(suffix);
}

bool RecoveryFile::Claim() {
  if (lock_) return true;
  if (data_dir_.isEmpty() || !QDir().mkpath(data_dir_)) return false;
  std::unique_ptr<QLockFile> first_free;
  int first_free_slot = 0;
  for (int slot = 1; slot <= kSlots; ++slot) {
    auto lock = std::make_unique<QLockFile>(SlotPath(slot, QStringLiteral(".lock")));
    // Only a dead owner makes a lock stale: a program may well run for days.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) continue;
    const QString file = SlotPath(slot, QStringLiteral(".cratemark"));
    // A folder or a device in the file's place could be neither written nor removed: the slot is
    // passed over, rather than offered and reported as removed at every start.
    if (TargetProblem(file)) continue;
    if (QFileInfo::exists(file)) {
      lock_ = std::move(lock);
      path_ = file;
      return true;
    }
    if (!first_free) {
      first_free = std::move(lock);
      first_free_slot = slot;
    }
  }
  if (!first_free) return false;
  lock_ = std::move(first_free);
  path_ = SlotPath(first_free_slot, QStringLiteral(".cratemark"));
  return true;
}

bool RecoveryFile::HasLeftover() const { return claimed() && QFileInfo::exists(path_); }

QDateTime RecoveryFile::LeftoverTime() const { return QFileInfo(path_).lastModified(); }

bool RecoveryFile::Write(const QByteArray& bytes) {
  if (!claimed()) return false;
  return !ReplaceFile(path_, bytes);
}

void RecoveryFile::Remove() {
  if (claimed()) QFile::remove(path_);
}

QByteArray RecoveryBytes(const Job& job, const QString& job_path,
                         const QByteArray& job_file_sha256) {
  // The full path: a recovery file lives far from the job, and is read with its folder in mind.
  Job in_file = job;
  in_file.pic_file_name = PictureAsStored(job.pic_file_name, {});
  QJsonObject object = JobToJson(in_file);
  object.insert(kRecoveryOf, job_path);
  if (!job_file_sha256.isEmpty()) {
    object.insert(kRecoveryOfSha256, QString::fromLatin1(job_file_sha256.toHex()));
  }
  return JobBytes(object);
}

std::optional<RecoveredJob> ReadRecovery(const QString& path, QString* problem) {
  const auto bytes = ReadBoundedFile(path, kMaxJobFileBytes, problem);
  if (!bytes) return std::nullopt;
  auto job = ParseJob(*bytes, problem);
  if (!job) return std::nullopt;
  const QJsonObject object = QJsonDocument::fromJson(*bytes).object();
  const QString job_path = object.value(kRecoveryOf).toString();
  job->pic_file_name = PictureAsUsed(job->pic_file_name, job_path);
  const QByteArray sha256 =
      QByteArray::fromHex(object.value(kRecoveryOfSha256).toString().toLatin1());
  return RecoveredJob{std::move(*job), job_path, sha256};
}
