// The habits every window of the program shares: secondary windows open beside or over the main
// window on its screen, Escape closes them, and every button of the program's own dialogs has its
// letter.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <functional>
#include <memory>

#include "about/about_box.h"
#include "about/help_window.h"
#include "app/apply_rows_dialog.h"
#include "app/barcode_dialog.h"
#include "app/packing_list_dialog.h"
#include "app/startup.h"
#include "picture/picture_chooser_window.h"
#include "preview/preview_window.h"
#include "stock/printer_fit_dialog.h"
#include "stock/printer_fit_store.h"
#include "support/main_window_fixture.h"
#include "widgets/window_placement.h"

namespace {

TEST(BesidePosition, RightOfTheOwnerElseLeftElseOverItAndAlwaysOnItsScreen) {
  const QRect screen(0, 0, 1920, 1080);
  const struct {
    QRect owner;
    QSize window;
    QPoint at;
  } cases[] = {
      {{100, 100, 800, 500}, {400, 300}, {908, 100}},    // room on the right
      {{1000, 100, 800, 500}, {400, 300}, {592, 100}},   // none there: on the left
      {{200, 100, 1600, 500}, {400, 300}, {799, 199}},   // neither: centred over the owner
      {{1500, 900, 400, 170}, {300, 400}, {1192, 680}},  // moved up onto the screen
      {{0, 0, 800, 500}, {2500, 1200}, {0, 0}},          // larger than the screen: its corner
      {{1920, 0, 800, 500}, {400, 300}, {1512, 0}},      // an owner off to the right
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BesidePosition(c.owner, c.window, screen), c.at) << c.owner.x() << "," << c.owner.y();
  }
  // On a second screen to the right of the first, the window stays on the owner's screen.
  EXPECT_EQ(BesidePosition({2000, 100, 1200, 500}, {400, 300}, {1920, 0, 1920, 1080}),
            QPoint(3208, 100));
}

class WindowHabitsTest : public MainWindowFixture {
 protected:
  WindowHabitsTest() { window->show(); }

  void Click(const char* name) {
    QTest::mouseClick(Control<QAbstractButton>(QLatin1String(name)), Qt::LeftButton);
  }
};

TEST_F(WindowHabitsTest, SecondaryWindowsOpenOnTheMainWindowsScreenAndEscapeClosesThem) {
  const QRect screen = window->screen()->availableGeometry();
  const struct {
    const char* what;
    std::function<QWidget*()> open;
  } windows[] = {
      {"preview",
       [&] {
         Click("show_pre");
         return Control<PreviewWindow>(QStringLiteral("show_preview"));
       }},
      {"picture chooser",
       [&] {
         Click("choose_pic_file");
         return Control<PictureChooserWindow>(QStringLiteral("Form3"));
       }},
      {"About box",
       [&] {
         Click("About");
         return Control<AboutBox>(QStringLiteral("Form2"));
       }},
      {"help window",
       [&] {
         return HelpWindow::ShowFor(window.get(), QStringLiteral("readme.txt"),
                                    QStringLiteral("x"));
       }},
  };
  for (const auto& w : windows) {
    SCOPED_TRACE(w.what);
    QPointer<QWidget> opened = w.open();
    ASSERT_NE(opened, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(opened));
    const QRect frame = opened->frameGeometry();
    if (frame.width() <= screen.width()) {
      EXPECT_GE(frame.left(), screen.left());
      EXPECT_LE(frame.right(), screen.right());
    }
    if (frame.height() <= screen.height()) {
      EXPECT_GE(frame.top(), screen.top());
      EXPECT_LE(frame.bottom(), screen.bottom());
    }
    opened->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(opened));
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : opened.data(),
                    Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(opened.isNull() || !opened->isVisible());
  }
}

TEST_F(WindowHabitsTest, EveryButtonOfTheProgramsOwnDialogsHasItsLetter) {
  MainModel job;
  StartUp(job);
  job.block_count = 2;
  const std::function<std::unique_ptr<QDialog>()> dialogs[] = {
      [&] { return std::make_unique<PackingListDialog>(std::vector<PackedBlock>{}, job); },
      [&] { return std::make_unique<ApplyRowsDialog>(job); },
      [&] { return std::make_unique<BarcodeDialog>(BarcodeSettings(), *prompter); },
      [&] {
        return std::make_unique<PrinterFitDialog>(PrinterFitStore(), *prompter, QStringList{},
                                                  QString());
      },
  };
  for (const auto& make : dialogs) {
    const std::unique_ptr<QDialog> dialog = make();
    for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
      if (button->text().isEmpty()) continue;  // the window system's, such as a list's arrows
      EXPECT_TRUE(button->text().contains(u'&'))
          << dialog->objectName().toStdString() << ": " << button->text().toStdString();
    }
  }
}

}  // namespace
