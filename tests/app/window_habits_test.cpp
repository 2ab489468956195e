// The habits every secondary window of the program shares: it opens beside or over the main window
// on its screen, and Escape closes it.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <functional>

#include "about/about_box.h"
#include "about/help_window.h"
#include "picture/picture_chooser_window.h"
#include "preview/preview_window.h"
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

  // The window the button `button` opens.
  template <typename Window>
  QWidget* Open(const char* button, const char* name) {
    QTest::mouseClick(Control<QAbstractButton>(QLatin1String(button)), Qt::LeftButton);
    return Control<Window>(QLatin1String(name));
  }
};

TEST_F(WindowHabitsTest, SecondaryWindowsOpenOnTheMainWindowsScreenAndEscapeClosesThem) {
  const QRect screen = window->screen()->availableGeometry();
  const std::pair<const char*, std::function<QWidget*()>> windows[] = {
      {"preview", [&] { return Open<PreviewWindow>("show_pre", "show_preview"); }},
      {"picture chooser", [&] { return Open<PictureChooserWindow>("choose_pic_file", "Form3"); }},
      {"About box", [&] { return Open<AboutBox>("About", "Form2"); }},
      {"help window", [&] { return HelpWindow::ShowFor(window.get(), "readme.txt", "guide"); }},
  };
  for (const auto& [what, open] : windows) {
    SCOPED_TRACE(what);
    QPointer<QWidget> opened = open();
    ASSERT_NE(opened, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(opened));
    // On the screen, as far as it fits.
    const QRect f = opened->frameGeometry();
    EXPECT_TRUE(f.width() > screen.width() || (f.left() >= 0 && f.right() <= screen.right()));
    EXPECT_TRUE(f.height() > screen.height() || (f.top() >= 0 && f.bottom() <= screen.bottom()));
    opened->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(opened));
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : opened.data(),
                    Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(opened.isNull() || !opened->isVisible());
  }
}

}  // namespace
