#include "model/file_writing.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <cerrno>
#include <optional>
#include <string>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// The texts of this file's messages, translated under one context.
struct Text {
  Q_DECLARE_TR_FUNCTIONS(FileWriting)
};

class WriteCategory : public std::error_category {
 public:
  const char* name() const noexcept override { return "cratemark-file-writing"; }
  std::string message(int value) const override {
    return value == int(FileWriteError::kNotRegularFile) ? "not a regular file" : "unknown";
  }
};

#ifdef Q_OS_UNIX
std::error_code LastError() { return {errno, std::generic_category()}; }

QByteArray Native(const QString& path) { return QFile::encodeName(path); }

// Writes all of `bytes` to `fd`, going on after a write that took only part of them.
std::error_code WriteAll(int fd, const QByteArray& bytes) {
  qsizetype done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return LastError();
    done += n;
  }
  return {};
}

// The new file `path` with `bytes` in it, on the disk; `mode`, when given, replaces the
// permissions a new file gets.
std::error_code WriteNew(const QString& path, const QByteArray& bytes, std::optional<mode_t> mode) {
  const QByteArray name = Native(path);
  const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return LastError();
  std::error_code error;
  if (mode && ::fchmod(fd, *mode) != 0) error = LastError();
  if (!error) error = WriteAll(fd, bytes);
  // A file system that allots its blocks late, or a network drive, reports a full disk only here.
  if (!error && ::fsync(fd) != 0) error = LastError();
  if (::close(fd) != 0 && !error) error = LastError();
  if (error) ::unlink(name.constData());
  return error;
}

// Makes the rename itself last through a power cut. A folder that cannot be synced (some network
// drives) costs only that.
void SyncFolder(const QString& folder) {
  const int fd = ::open(Native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}
#endif

}  // namespace

const std::error_category& FileWriteCategory() {
  static const WriteCategory category;
  return category;
}

std::error_code make_error_code(FileWriteError error) { return {int(error), FileWriteCategory()}; }

std::error_code TargetProblem(const QString& path) {
#ifdef Q_OS_UNIX
  struct stat info {};
  if (::stat(Native(path).constData(), &info) != 0) return {};  // nothing there yet
  if (S_ISDIR(info.st_mode)) return std::make_error_code(std::errc::is_a_directory);
  if (!S_ISREG(info.st_mode)) return FileWriteError::kNotRegularFile;
  return {};
#else
  const QFileInfo info(path);
  if (!info.exists()) return {};
  if (info.isDir()) return std::make_error_code(std::errc::is_a_directory);
  if (!info.isFile()) return FileWriteError::kNotRegularFile;
  return {};
#endif
}

std::error_code WriteNewFile(const QString& path, const QByteArray& bytes) {
#ifdef Q_OS_UNIX
  return WriteNew(path, bytes, std::nullopt);
#else
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
    return std::make_error_code(std::errc::io_error);
  }
  const bool written = file.write(bytes) == bytes.size() && file.flush();
  file.close();
  if (written && file.error() == QFileDevice::NoError) return {};
  file.remove();
  return std::make_error_code(std::errc::io_error);
#endif
}

std::error_code ReplaceFile(const QString& path, const QByteArray& bytes) {
  QString target = QFileInfo(path).absoluteFilePath();
  // A chain of links ends somewhere; a loop of them is left to the open to refuse.
  for (int hop = 0; hop < 40 && QFileInfo(target).isSymLink(); ++hop) {
    target = QFileInfo(target).symLinkTarget();
  }
  if (const std::error_code problem = TargetProblem(target)) return problem;
#ifdef Q_OS_UNIX
  const QByteArray name = Native(target);
  struct stat old {};
  std::optional<mode_t> mode;
  if (::stat(name.constData(), &old) == 0) {
    if (::access(name.constData(), W_OK) != 0) return LastError();
    mode = old.st_mode & 07777;
  }
  const QFileInfo info(target);
  std::error_code error;
  QString fresh;
  // A name of its own beside the file, so the rename stays on one file system; a name that is
  // taken (a program that died half-way, another one saving now) is simply passed over.
  for (int attempt = 0; attempt < 16; ++attempt) {
    fresh =
        info.dir().filePath(QStringLiteral(".%1.%2.new")
                                .arg(info.fileName())
                                .arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0')));
    error = WriteNew(fresh, bytes, mode);
    if (error != std::errc::file_exists) break;
  }
  if (error) return error;
  if (::rename(Native(fresh).constData(), name.constData()) != 0) {
    error = LastError();
    ::unlink(Native(fresh).constData());
    return error;
  }
  SyncFolder(info.absolutePath());
  return {};
#else
  QSaveFile file(target);
  if (!file.open(QIODevice::WriteOnly)) return std::make_error_code(std::errc::io_error);
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return std::make_error_code(std::errc::io_error);
  }
  return CommitSaveFile(file) ? std::error_code() : std::make_error_code(std::errc::io_error);
#endif
}

bool CommitSaveFile(QSaveFile& file) {
  bool written = file.flush() && file.error() == QFileDevice::NoError;
#ifdef Q_OS_UNIX
  if (written) written = ::fsync(file.handle()) == 0;
#endif
  if (!written) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

QString WriteFailureText(const std::error_code& error) {
  if (error == FileWriteError::kNotRegularFile) {
    return Text::tr("這不是一般的檔案 (可能是裝置或管道)");
  }
  if (error.category() == std::generic_category() || error.category() == std::system_category()) {
    switch (error.value()) {
      case ENOSPC:
#ifdef EDQUOT
      case EDQUOT:
#endif
        return Text::tr("磁碟已滿");
      case EFBIG:
        return Text::tr("檔案超過系統允許的大小");
      case EACCES:
      case EPERM:
        return Text::tr("沒有寫入的權限");
      case EROFS:
        return Text::tr("磁碟是唯讀的");
      case ENOENT:
      case ENOTDIR:
        return Text::tr("資料夾不存在");
      case EISDIR:
        return Text::tr("這是一個資料夾, 不是檔案");
      default:
        break;
    }
  }
  return Text::tr("寫入時發生錯誤 (%1)").arg(QString::fromStdString(error.message()));
}
