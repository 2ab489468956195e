#pragma once

// A full disk for a test: a small file system of its own mounted over a folder of the test, which
// Fill() then fills to its last byte. Only the superuser may mount one (CI runs as root);
// elsewhere mounted() is false and the test skips. The folder's own files are hidden while it is
// mounted, so a test writes what it needs after the mount.

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <cerrno>

class FullDisk {
 public:
  explicit FullDisk(const QString& folder, const char* size = "size=256k")
      : at_(QFile::encodeName(folder)), filler_(QDir(folder).filePath(QStringLiteral("filler"))) {
    mounted_ = ::mount("tmpfs", at_.constData(), "tmpfs", 0, size) == 0;
  }
  ~FullDisk() {
    if (mounted_) ::umount2(at_.constData(), MNT_DETACH);
  }
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;

  bool mounted() const { return mounted_; }

  // Takes every byte that is left, page by page, then gives `keep` bytes back.
  void Fill(qint64 keep = 0) {
    const int fd =
        ::open(QFile::encodeName(filler_).constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    const QByteArray page(4096, 'x');
    for (;;) {
      const ssize_t n = ::write(fd, page.constData(), size_t(page.size()));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
    }
    ::close(fd);
    if (keep > 0) QFile::resize(filler_, QFile(filler_).size() - keep);
  }

  // The disk has room again.
  void Free() { QFile::remove(filler_); }

 private:
  QByteArray at_;
  QString filler_;
  bool mounted_ = false;
};
