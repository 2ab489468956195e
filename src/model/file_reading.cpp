#include "model/file_reading.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace {

#ifdef Q_OS_UNIX
// Opened without waiting: a FIFO swapped in after a check would otherwise block the open itself.
// The type is checked on the open file, so nothing can be swapped in between.
int OpenRegular(const QString& path, qint64& size, FileReadFailure& failure) {
  const QByteArray name = QFile::encodeName(path);
  const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    struct stat info {};
    const bool regular = ::stat(name.constData(), &info) == 0 && S_ISREG(info.st_mode);
    failure = regular ? FileReadFailure::kNotOpened : FileReadFailure::kNotRegular;
    return -1;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    failure = FileReadFailure::kNotRegular;
    return -1;
  }
  size = info.st_size;
  return fd;
}

// Reads until the end of the file or `limit` bytes, whichever comes first.
bool ReadUpTo(int fd, qint64 expected, qint64 limit, QByteArray& bytes) {
  constexpr qint64 kChunk = 64 * 1024;
  bytes.reserve(std::min(expected + 1, limit));
  char chunk[kChunk];
  while (bytes.size() < limit) {
    const ssize_t n = ::read(fd, chunk, size_t(std::min(kChunk, limit - bytes.size())));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    bytes.append(chunk, n);
  }
  return true;
}
#endif

}  // namespace

std::optional<FileBytes> ReadRegularFile(const QString& path, qint64 max_bytes, bool read_overlong,
                                         FileReadFailure* failure) {
  FileReadFailure ignored;
  FileReadFailure& why = failure ? *failure : ignored;
  why = FileReadFailure::kNotRegular;
  if (path.isEmpty() || max_bytes < 0) return std::nullopt;
  FileBytes file;
#ifdef Q_OS_UNIX
  qint64 size = 0;
  const int fd = OpenRegular(path, size, why);
  if (fd < 0) return std::nullopt;
  if (size > max_bytes && !read_overlong) {
    ::close(fd);
    return file;
  }
  // One byte more than allowed tells a file that grew since fstat from one that fits.
  const bool ok = ReadUpTo(fd, size, max_bytes + 1, file.bytes);
  ::close(fd);
  if (!ok) {
    why = FileReadFailure::kNotRead;
    return std::nullopt;
  }
#else
  if (!IsRegularFile(path)) return std::nullopt;
  QFile source(path);
  if (!source.open(QIODevice::ReadOnly)) {
    why = FileReadFailure::kNotOpened;
    return std::nullopt;
  }
  if (source.size() > max_bytes && !read_overlong) return file;
  file.bytes = source.read(max_bytes + 1);
  if (source.error() != QFileDevice::NoError) {
    why = FileReadFailure::kNotRead;
    return std::nullopt;
  }
#endif
  file.complete = file.bytes.size() <= max_bytes;
  if (!file.complete) {
    if (!read_overlong) file.bytes.clear();
    file.bytes.truncate(std::min<qint64>(file.bytes.size(), max_bytes));
  }
  return file;
}

bool IsRegularFile(const QString& path) { return !path.isEmpty() && QFileInfo(path).isFile(); }
