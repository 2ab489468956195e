#include "app/qt_print_feedback.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QProgressDialog>
#include <QWidget>

TEST(QtPrintFeedback, TheProgressDialogLeavesTheScreenTheMomentTheRunEnds) {
  // After a printer error the error box runs an event loop of its own; the dialog must not wait
  // for the main loop to go, or it stays stuck on screen beside the box.
  QWidget window;
  window.show();
  QtPrintFeedback feedback(&window);
  const auto shown = [] {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (qobject_cast<QProgressDialog*>(w) && w->isVisible()) ++count;
    }
    return count;
  };
  feedback.StartProgress(5);
  EXPECT_TRUE(feedback.SheetsDone(1));
  EXPECT_EQ(shown(), 1);
  feedback.EndProgress();
  EXPECT_EQ(shown(), 0);   // before any event is processed
  feedback.EndProgress();  // a second end does nothing
}
