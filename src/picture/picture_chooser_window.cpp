#include "picture/picture_chooser_window.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>

#include "widgets/control_place.h"
#include "widgets/screen_twips.h"
#include "widgets/window_placement.h"

namespace {

constexpr int kClientWidth = 5565;
constexpr int kClientHeight = 4050;
constexpr int kFolderRole = Qt::UserRole;

// Where each control stands, in twips from the top-left corner of the client area.
constexpr ControlPlace kPlaces[] = {
    {"Drive1", 360, 240, 1935, 300},  {"Dir1", 360, 600, 1935, 2190},
    {"File1", 2520, 240, 2655, 2610}, {"file_path_name", 360, 3000, 4935, 375},
    {"make_ok", 360, 3480, 975, 375}, {"cacel", 1680, 3480, 975, 375},
};

const ControlPlace& At(const char* name) { return PlaceOf(kPlaces, name); }

}  // namespace

PictureChooserWindow::PictureChooserWindow(const QString& start_folder, Accept accept,
                                           QWidget* parent)
    : PictureChooserWindow(PictureChooser(start_folder), std::move(accept), parent) {}

PictureChooserWindow::PictureChooserWindow(PictureChooser chooser, Accept accept, QWidget* parent)
    : QWidget(parent, Qt::Window), chooser_(std::move(chooser)), accept_(std::move(accept)) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(tr("選擇圖檔"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(ScreenTwips(kClientWidth), ScreenTwips(kClientHeight));
  CreateControls();
  ConnectControls();
  ShowState();
  CloseOnEscape(this);
}

void PictureChooserWindow::CreateControls() {
  drive1_ = Place(new QComboBox(this), At("Drive1"));
  dir1_ = Place(new QListWidget(this), At("Dir1"));
  dir1_->setToolTip(tr("按兩下開啟資料夾"));
  file1_ = Place(new QListWidget(this), At("File1"));
  file_path_name_ = Place(new QLineEdit(this), At("file_path_name"));
  make_ok_ = Place(new QPushButton(tr("好"), this), At("make_ok"));
  cacel_ = Place(new QPushButton(tr("算了"), this), At("cacel"));
  make_ok_->setDefault(true);
  setTabOrder(drive1_, dir1_);
  setTabOrder(dir1_, file1_);
  setTabOrder(file1_, file_path_name_);
  setTabOrder(file_path_name_, make_ok_);
  setTabOrder(make_ok_, cacel_);
}

void PictureChooserWindow::ConnectControls() {
  connect(drive1_, &QComboBox::activated, this, &PictureChooserWindow::DriveChosen);
  // A folder opens on a double click or Enter, as in a folder list; a single click only marks it.
  connect(dir1_, &QListWidget::itemActivated, this, &PictureChooserWindow::FolderOpened);
  connect(file1_, &QListWidget::itemClicked, this, &PictureChooserWindow::FileClicked);
  connect(file1_, &QListWidget::itemActivated, this, &PictureChooserWindow::FileClicked);
  connect(file_path_name_, &QLineEdit::textEdited, this,
          [this](const QString& text) { chooser_.SetFilePathName(text); });
  connect(make_ok_, &QPushButton::clicked, this, &PictureChooserWindow::Confirm);
  connect(cacel_, &QPushButton::clicked, this, &QWidget::close);
}

void PictureChooserWindow::ShowState() {
  {
    const QSignalBlocker block(drive1_);
    drive1_->clear();
    for (const QString& drive : chooser_.drives()) {
      drive1_->addItem(QDir::toNativeSeparators(drive), drive);
    }
    drive1_->setCurrentIndex(int(chooser_.drives().indexOf(chooser_.drive())));
  }

  dir1_->clear();
  const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
  const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
  int open_depth = 0;
  for (const PictureChooser::FolderEntry& entry : chooser_.folders()) {
    if (entry.is_open) open_depth = entry.depth;
  }
  for (const PictureChooser::FolderEntry& entry : chooser_.folders()) {
    auto* item = new QListWidgetItem(QString(entry.depth * 2, u' ') + entry.name, dir1_);
    item->setIcon(entry.depth <= open_depth ? open : closed);
    item->setData(kFolderRole, entry.path);
    if (entry.is_open) dir1_->setCurrentItem(item);
  }

  file1_->clear();
  file1_->addItems(chooser_.files());
  ShowPath();
}

void PictureChooserWindow::ShowPath() {
  if (file_path_name_->text() != chooser_.file_path_name()) {
    file_path_name_->setText(chooser_.file_path_name());
  }
}

void PictureChooserWindow::DriveChosen(int index) {
  // A drive that cannot be read leaves the lists as they were; the box goes back to their drive.
  chooser_.SelectDrive(drive1_->itemData(index).toString());
  ShowState();
}

void PictureChooserWindow::FolderOpened(QListWidgetItem* item) {
  if (item == nullptr) return;
  chooser_.SelectFolder(item->data(kFolderRole).toString());
  ShowState();
}

void PictureChooserWindow::FileClicked(QListWidgetItem* item) {
  if (item == nullptr) return;
  chooser_.SelectFile(item->text());
  ShowPath();
}

void PictureChooserWindow::Confirm() {
  chooser_.SetFilePathName(file_path_name_->text());
  if (accept_ && !accept_(chooser_.file_path_name())) return;
  close();
}
