#pragma once

#include <QWidget>
#include <functional>

#include "picture/picture_chooser.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The picture chooser "Form3" ("選擇圖檔"): a drive list, the folder list and the picture files of
// the open folder, the chosen path and the buttons 好 and 算了. Its state lives in PictureChooser;
// the window shows it and passes its events on. It is modeless and deletes itself when closed, so
// every opening starts again on the working folder.
class PictureChooserWindow : public QWidget {
  Q_OBJECT

 public:
  // `accept` receives the path on 好; it returns false when it refused the path (and has told the
  // user why), and the chooser then stays open.
  using Accept = std::function<bool(const QString& path)>;

  PictureChooserWindow(const QString& start_folder, Accept accept, QWidget* parent = nullptr);
  PictureChooserWindow(PictureChooser chooser, Accept accept, QWidget* parent = nullptr);

  const PictureChooser& chooser() const { return chooser_; }

 private:
  void CreateControls();
  void ConnectControls();
  void ShowState();
  void ShowPath();
  void DriveChosen(int index);
  void FolderOpened(QListWidgetItem* item);
  void FileClicked(QListWidgetItem* item);
  void Confirm();

  PictureChooser chooser_;
  Accept accept_;

  QComboBox* drive1_ = nullptr;
  QListWidget* dir1_ = nullptr;
  QListWidget* file1_ = nullptr;
  QLineEdit* file_path_name_ = nullptr;
  QPushButton* make_ok_ = nullptr;
  QPushButton* cacel_ = nullptr;
};
