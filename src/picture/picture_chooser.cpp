#include "picture/picture_chooser.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace {

QString Clean(const QString& path) { return QDir::cleanPath(QDir::fromNativeSeparators(path)); }

bool Readable(const QString& folder) {
  const QFileInfo info(folder);
  return info.isDir() && info.isReadable() && info.isExecutable();
}

// True when `folder` lies in `root` or is `root` itself.
bool Contains(const QString& root, const QString& folder) {
  if (folder == root) return true;
  const QString prefix = root.endsWith(u'/') ? root : root + u'/';
  return folder.startsWith(prefix);
}

}  // namespace

PictureChooser::PictureChooser(const QString& start_folder, const QStringList& drives) {
  for (const QString& drive : drives) {
    const QString root = Clean(drive);
    if (!root.isEmpty() && !drives_.contains(root)) drives_ << root;
  }
  if (!Open(Clean(start_folder))) Open(QDir::rootPath());
}

QStringList PictureChooser::MachineDrives() {
  QStringList roots;
  for (const QFileInfo& drive : QDir::drives()) roots << Clean(drive.absoluteFilePath());
  QStringList mounts;
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (!volume.isValid() || !volume.isReady()) continue;
    const QString root = Clean(volume.rootPath());
    if (!roots.contains(root) && !mounts.contains(root) && Readable(root)) mounts << root;
  }
  mounts.sort(Qt::CaseInsensitive);
  return roots + mounts;
}

const QStringList& PictureChooser::FilePatterns() {
  static const QStringList patterns{QStringLiteral("*.jpg"), QStringLiteral("*.bmp"),
                                    QStringLiteral("*.gif"), QStringLiteral("*.png")};
  return patterns;
}

QString PictureChooser::DriveOf(const QString& folder) const {
  QString best;
  for (const QString& root : drives_) {
    if (Contains(root, folder) && root.size() > best.size()) best = root;
  }
  return best;
}

bool PictureChooser::Open(const QString& folder) {
  if (folder.isEmpty() || !Readable(folder)) return false;
  const QString path = QFileInfo(folder).absoluteFilePath();
  QDir dir(path);

  // A drive list that lacks the folder's file system still has to show where the folder is.
  if (DriveOf(path).isEmpty()) {
    QDir root(path);
    while (root.cdUp()) {
    }
    drives_.prepend(root.absolutePath());
  }

  QList<FolderEntry> entries;
  QStringList chain;
  for (QDir up(path);;) {
    chain.prepend(up.absolutePath());
    if (!up.cdUp()) break;
  }
  for (int depth = 0; depth < chain.size(); ++depth) {
    const QString& step = chain[depth];
    const QString name = depth == 0 ? QDir::toNativeSeparators(step) : QFileInfo(step).fileName();
    entries << FolderEntry{name, step, depth, depth == chain.size() - 1};
  }
  const QStringList subfolders =
      dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
  for (const QString& name : subfolders) {
    entries << FolderEntry{name, dir.filePath(name), int(chain.size()), false};
  }

  folder_ = path;
  drive_ = DriveOf(path);
  folders_ = entries;
  files_ = dir.entryList(FilePatterns(), QDir::Files, QDir::Name | QDir::IgnoreCase);
  return true;
}

bool PictureChooser::SelectDrive(const QString& drive) {
  const QString root = Clean(drive);
  if (!drives_.contains(root)) return false;
  return Open(root);
}

bool PictureChooser::SelectFolder(const QString& folder) { return Open(Clean(folder)); }

void PictureChooser::SelectFile(const QString& name) {
  file_path_name_ = JoinPath(QDir::toNativeSeparators(folder_), name);
}

QString JoinPath(const QString& folder, const QString& name) {
  const QChar separator = QDir::separator();
  if (folder.endsWith(separator) || folder.endsWith(u'/')) return folder + name;
  return folder + separator + name;
}
