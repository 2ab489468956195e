#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What the picture chooser window shows and does, without the window: the drive list, the folder
// list of the chosen drive, the picture files of the chosen folder and the chosen path. The window
// only shows this state and passes its events on.
class PictureChooser {
 public:
  // One line of the folder list: the folders from the drive's root down to the open folder, then
  // the open folder's subfolders one level deeper.
  struct FolderEntry {
    QString name;  // as shown: the root's path, otherwise the folder's own name
    QString path;  // absolute, '/'-separated
    int depth = 0;
    bool is_open = false;  // the open folder itself

    bool operator==(const FolderEntry&) const = default;
  };

  // Opens on `start_folder` and the drive that holds it. `drives` are the roots the drive list
  // offers; by default the machine's file-system roots and mount points.
  explicit PictureChooser(const QString& start_folder, const QStringList& drives = MachineDrives());

  // The roots of the machine's readable file systems, the system root first.
  static QStringList MachineDrives();
  // The picture files on offer, "*.jpg;*.bmp;*.gif;*.png", matched whatever the letter case.
  static const QStringList& FilePatterns();

  const QStringList& drives() const { return drives_; }
  const QString& drive() const { return drive_; }
  const QString& folder() const { return folder_; }
  const QList<FolderEntry>& folders() const { return folders_; }
  const QStringList& files() const { return files_; }

  // The path the user has chosen or typed, with the platform's separators.
  const QString& file_path_name() const { return file_path_name_; }
  void SetFilePathName(const QString& text) { file_path_name_ = text; }

  // Opens the root of `drive`. A drive that cannot be read (gone, no medium, no permission) is
  // ignored: false, and everything stays as it was.
  bool SelectDrive(const QString& drive);
  // Opens `folder`; false, and nothing changes, when it cannot be read.
  bool SelectFolder(const QString& folder);
  // A click on a file of the file list: its full path becomes the chosen path.
  void SelectFile(const QString& name);

 private:
  QString DriveOf(const QString& folder) const;
  bool Open(const QString& folder);

  QStringList drives_;
  QString drive_;
  QString folder_;
  QList<FolderEntry> folders_;
  QStringList files_;
  QString file_path_name_;
};

// `folder` and `name` joined with the platform's separator, without doubling the separator that a
// root folder ("/", "C:\") already ends with.
QString JoinPath(const QString& folder, const QString& name);
