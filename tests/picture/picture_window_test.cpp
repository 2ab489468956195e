#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/main_window.h"
#include "picture/picture_box.h"
#include "picture/picture_chooser_window.h"
#include "picture/picture_settings.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"
#include "support/test_pictures.h"
#include "widgets/screen_twips.h"

namespace {

// Whether the thumbnail box shows anything at this pixel of its canvas.
bool Painted(const PictureBox* box, int x, int y) { return qAlpha(box->canvas().pixel(x, y)) > 0; }

bool Blank(const PictureBox* box) {
  const QImage& canvas = box->canvas();
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      if (qAlpha(canvas.pixel(x, y)) > 0) return false;
    }
  }
  return true;
}

TEST(PictureChooserWindowTest, ControlsStandAtTheirPlaces) {
  TempFolder folder;
  PictureChooserWindow window(folder.path(), nullptr);
  EXPECT_EQ(window.objectName(), QStringLiteral("Form3"));
  EXPECT_EQ(window.windowTitle(), QStringLiteral("選擇圖檔"));
  EXPECT_EQ(window.size(), ScreenTwipsRect(0, 0, 5565, 4050).size());
  const struct {
    const char* name;
    int left, top, width, height;
    const char* caption;
  } controls[] = {
      {"Drive1", 360, 240, 1935, 300, nullptr},  {"Dir1", 360, 600, 1935, 2190, nullptr},
      {"File1", 2520, 240, 2655, 2610, nullptr}, {"file_path_name", 360, 3000, 4935, 375, nullptr},
      {"make_ok", 360, 3480, 975, 375, "好"},    {"cacel", 1680, 3480, 975, 375, "算了"},
  };
  for (const auto& c : controls) {
    auto* control = window.findChild<QWidget*>(QLatin1String(c.name));
    ASSERT_NE(control, nullptr) << c.name;
    EXPECT_EQ(control->geometry(), ScreenTwipsRect(c.left, c.top, c.width, c.height)) << c.name;
    if (c.caption) {
      EXPECT_EQ(qobject_cast<QPushButton*>(control)->text(), QString::fromUtf8(c.caption));
    }
  }
}

class ChooserWindowTest : public testing::Test {
 protected:
  ChooserWindowTest() {
    root = QDir(folder.path()).canonicalPath();
    test_pictures::Write(folder.File(QStringLiteral("logo.png")), 100, 50);
    window = new PictureChooserWindow(root, [this](const QString& path) {
      accepted << path;
      return true;
    });
    guard = window;
    window->show();
  }
  ~ChooserWindowTest() override { delete guard.data(); }

  template <typename T>
  T* Control(const char* name) {
    return window->findChild<T*>(QLatin1String(name));
  }

  // Lets a closed window delete itself.
  bool Closed() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return guard.isNull();
  }

  TempFolder folder;
  QString root;
  QStringList accepted;
  PictureChooserWindow* window = nullptr;
  QPointer<PictureChooserWindow> guard;
};

TEST_F(ChooserWindowTest, AFileClickFillsThePathAndConfirmHandsItOn) {
  auto* files = Control<QListWidget>("File1");
  ASSERT_EQ(files->count(), 1);
  const QRect cell = files->visualItemRect(files->item(0));
  QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(Control<QLineEdit>("file_path_name")->text(), root + "/logo.png");
  EXPECT_EQ(files->currentRow(), 0);  // the clicked file stays marked

  QTest::mouseClick(Control<QPushButton>("make_ok"), Qt::LeftButton);
  EXPECT_EQ(accepted, QStringList{root + "/logo.png"});
  EXPECT_TRUE(Closed());
}

TEST_F(ChooserWindowTest, OpeningAFolderListsItsFiles) {
  QDir(root).mkdir(QStringLiteral("logos"));
  test_pictures::Write(root + "/logos/one.gif", 4, 4);
  window->close();
  Closed();
  window = new PictureChooserWindow(root, nullptr);
  guard = window;
  auto* folders = Control<QListWidget>("Dir1");
  QListWidgetItem* logos = folders->findItems(QStringLiteral("logos"), Qt::MatchEndsWith).value(0);
  ASSERT_NE(logos, nullptr);
  emit folders->itemActivated(logos);
  EXPECT_EQ(window->chooser().folder(), root + "/logos");
  EXPECT_EQ(Control<QListWidget>("File1")->item(0)->text(), QStringLiteral("one.gif"));
}

// The main window's side: the thumbnail box and the chooser it opens.
class MainWindowPictureTest : public testing::Test {
 protected:
  MainWindowPictureTest() : old_dir(QDir::currentPath()) {
    QDir::setCurrent(folder.path());
    auto scripted = std::make_unique<ScriptedPrompter>();
    prompter = scripted.get();
    window = std::make_unique<MainWindow>(std::move(scripted));
    box = window->findChild<PictureBox*>(QStringLiteral("Picture1"));
    wide = folder.File(QStringLiteral("wide.png"));
    test_pictures::Write(wide, 200, 100);
  }
  ~MainWindowPictureTest() override {
    window.reset();
    QDir::setCurrent(old_dir);
  }

  QLineEdit* Field(const char* name) { return window->findChild<QLineEdit*>(QLatin1String(name)); }
  PictureChooserWindow* Chooser() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return window->findChild<PictureChooserWindow*>(QStringLiteral("Form3"));
  }
  void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

  TempFolder folder;
  QString old_dir;
  ScriptedPrompter* prompter = nullptr;
  std::unique_ptr<MainWindow> window;
  PictureBox* box = nullptr;
  QString wide;
};

TEST_F(MainWindowPictureTest, AClickShowsThePictureAtTheBoxWidth) {
  ASSERT_NE(box, nullptr);
  Field("pic_file_name")->setText(wide);
  Field("pic_size")->setText(QStringLiteral("3"));
  Click(box);
  EXPECT_TRUE(prompter->messages.isEmpty());
  EXPECT_EQ(Field("pic_size")->text(), QStringLiteral("91.875"));
  // 1455 × 727 twips: the full box width, about half as high.
  const int half_height = ScreenTwips(727);
  EXPECT_TRUE(Painted(box, 2, 2));
  EXPECT_TRUE(Painted(box, box->canvas().width() - 1, half_height - 3));
  EXPECT_FALSE(Painted(box, 2, half_height + 2));

  // A new path shows only after the next click; a bad one clears the box.
  Field("pic_file_name")->setText(QString());
  EXPECT_TRUE(Painted(box, 2, 2));
  Click(box);
  EXPECT_EQ(prompter->messages, QStringList{PictureFailedMessage()});
  EXPECT_TRUE(Blank(box));
  EXPECT_EQ(Field("pic_size")->text(), QStringLiteral("91.875"));
}

TEST_F(MainWindowPictureTest, AFileThatIsNoPictureClearsTheBox) {
  Field("pic_file_name")->setText(wide);
  Click(box);
  folder.Write(QStringLiteral("text.png"), "hello");
  Field("pic_file_name")->setText(folder.File(QStringLiteral("text.png")));
  Click(box);
  EXPECT_EQ(prompter->messages, QStringList{PictureFailedMessage()});
  EXPECT_TRUE(Blank(box));
}

TEST_F(MainWindowPictureTest, TheChooserIsOneWindowAndConfirmsIntoTheFields) {
  auto* browse = window->findChild<QPushButton*>(QStringLiteral("choose_pic_file"));
  Click(browse);
  PictureChooserWindow* chooser = Chooser();
  ASSERT_NE(chooser, nullptr);
  EXPECT_EQ(chooser->chooser().folder(), QDir(folder.path()).canonicalPath());
  Click(browse);
  EXPECT_EQ(window->findChildren<PictureChooserWindow*>().size(), 1);

  // A bad path: the message, the chooser stays, the fields keep their texts.
  Field("pic_file_name")->setText(QStringLiteral("/kept.png"));
  auto* path = chooser->findChild<QLineEdit*>(QStringLiteral("file_path_name"));
  QTest::keyClicks(path, QStringLiteral("nothing.png"));
  Click(chooser->findChild<QPushButton*>(QStringLiteral("make_ok")));
  EXPECT_EQ(prompter->messages, QStringList{PictureFailedMessage()});
  EXPECT_EQ(Chooser(), chooser);
  EXPECT_EQ(Field("pic_file_name")->text(), QStringLiteral("/kept.png"));
  EXPECT_TRUE(Blank(box));

  path->setText(wide);
  Click(chooser->findChild<QPushButton*>(QStringLiteral("make_ok")));
  EXPECT_EQ(Chooser(), nullptr);
  EXPECT_EQ(Field("pic_file_name")->text(), wide);
  EXPECT_EQ(Field("pic_size")->text(), QStringLiteral("91.875"));
  EXPECT_TRUE(Painted(box, 2, 2));
}

TEST_F(MainWindowPictureTest, CancellingTheChooserChangesNothing) {
  Click(window->findChild<QPushButton*>(QStringLiteral("choose_pic_file")));
  PictureChooserWindow* chooser = Chooser();
  ASSERT_NE(chooser, nullptr);
  chooser->findChild<QLineEdit*>(QStringLiteral("file_path_name"))->setText(wide);
  Click(chooser->findChild<QPushButton*>(QStringLiteral("cacel")));
  EXPECT_EQ(Chooser(), nullptr);
  EXPECT_EQ(Field("pic_file_name")->text(), QString());
  EXPECT_EQ(Field("pic_size")->text(), QString());
  EXPECT_TRUE(Blank(box));
}

}  // namespace
