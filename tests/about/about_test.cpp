#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "about/about_box.h"
#include "about/fake_openers.h"
#include "about/help_document.h"
#include "app/main_window.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace {

constexpr double kTitleWidth = 16 * 90;  // 16 columns of 9-point type

// The bounding box of everything drawn darker than the background, above the button.
QRect InkAboveButton(const QImage& image, int button_top) {
  const QRgb background = image.pixel(2, 2);
  QRect ink;
  for (int y = 0; y < button_top; ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != background) ink |= QRect(x, y, 1, 1);
    }
  }
  return ink;
}

}  // namespace

TEST(AboutBox, StandsCentredWithItsButtonFocused) {
  QPointer<AboutBox> box = AboutBox::ShowFor(nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowActive(box));
  EXPECT_EQ(box->objectName(), QStringLiteral("Form2"));
  EXPECT_EQ(box->windowTitle(), QStringLiteral("About..."));
  EXPECT_EQ(box->size(), QSize(MainWindow::Twips(6765), MainWindow::Twips(5310)));
  auto* ok = box->findChild<QPushButton*>(QStringLiteral("button_ok"));
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->text(), QStringLiteral("ok啦!"));
  EXPECT_EQ(ok->geometry(), QRect(MainWindow::Twips(2760), MainWindow::Twips(4560),
                                  MainWindow::Twips(1095), MainWindow::Twips(495)));
  EXPECT_EQ(QApplication::focusWidget(), ok);
  const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
  EXPECT_LE((box->frameGeometry().center() - centre).manhattanLength(), 2);

  QTest::mouseClick(ok, Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(box.isNull()) << "button_ok closes and deletes the box";
}

TEST(AboutBox, DrawsTheTitleWhereTheTextSaysAndAClickRedrawsItInPlace) {
  QPointer<AboutBox> box = AboutBox::ShowFor(nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(box));
  const QImage before = box->grab().toImage();
  if (box->frameGeometry().width() > box->width()) {
    EXPECT_DOUBLE_EQ(box->OuterWidthTwips(),
                     box->frameGeometry().width() * 1440.0 / box->logicalDpiX())
        << "centred on the outer width, frame included";
  }
  const QRect ink = InkAboveButton(before, MainWindow::Twips(4560));
  ASSERT_TRUE(ink.isValid()) << "nothing drawn";

  // The title is the widest-centred top line: its first ink is near its cell's left edge.
  const double x = (box->OuterWidthTwips() - kTitleWidth) / 2;
  const int title_left = MainWindow::Twips(static_cast<int>(x));
  const QRect title = InkAboveButton(before.copy(0, 0, before.width(), MainWindow::Twips(480)),
                                     MainWindow::Twips(480));
  ASSERT_TRUE(title.isValid());
  EXPECT_NEAR(title.left(), title_left, 3);
  EXPECT_GE(title.top(), MainWindow::Twips(300) - 1);

  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(box->grab().toImage(), before);
  box->close();
}

namespace {

class AboutCommandsTest : public testing::Test {
 protected:
  AboutCommandsTest() : old_dir(QDir::currentPath()) {
    QDir::setCurrent(folder.path());
    window = std::make_unique<MainWindow>(std::make_unique<ScriptedPrompter>());
    auto recording = std::make_unique<RecordingOpener>();
    opener = recording.get();
    window->SetDocumentOpener(std::move(recording));
    window->show();
  }
  ~AboutCommandsTest() override { QDir::setCurrent(old_dir); }

  void Press(const char* name) {
    QTest::mouseClick(window->findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
  }
  QList<AboutBox*> Boxes() const { return window->findChildren<AboutBox*>(); }

  TempFolder folder;
  QString old_dir;
  std::unique_ptr<MainWindow> window;
  RecordingOpener* opener = nullptr;
};

}  // namespace

TEST_F(AboutCommandsTest, AboutOpensOneBoxAndItsButtonClosesIt) {
  Press("About");
  ASSERT_EQ(Boxes().size(), 1);
  QPointer<AboutBox> first = Boxes().first();
  EXPECT_TRUE(first->isVisible());
  EXPECT_TRUE(first->isWindow());

  Press("About");
  ASSERT_EQ(Boxes().size(), 1);
  EXPECT_EQ(Boxes().first(), first.data());

  QTest::mouseClick(first->findChild<QPushButton*>(QStringLiteral("button_ok")), Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(first.isNull());
  EXPECT_TRUE(Boxes().isEmpty());

  window->findChild<QAction*>(QStringLiteral("action_about"))->trigger();
  EXPECT_EQ(Boxes().size(), 1) << "a closed box opens again, from the menu too";
}

TEST_F(AboutCommandsTest, EachHelpPressOpensTheWorkingFoldersReadme) {
  folder.Write(kHelpDocument, "說明");
  Press("help_doc");
  Press("help_doc");
  window->findChild<QAction*>(QStringLiteral("action_help"))->trigger();
  const QString readme = QDir(folder.path()).absoluteFilePath(kHelpDocument);
  EXPECT_EQ(opener->opened, (QStringList{readme, readme, readme}));
  EXPECT_TRUE(static_cast<ScriptedPrompter&>(window->prompter()).messages.isEmpty());
}
