#include "app/editing_keys.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include "app/content_key_filter.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "support/main_window_fixture.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace {

TEST(ContentEnter, ExpandsOnlyAWholeOneLetterContent) {
  const struct {
    int row;
    const char* typed;
    const char* after;
    const char* focus;  // empty: the focus stays
  } cases[] = {
      {3, "s", "SIZE : ", ""},
      {3, "Q", "Q'TY :          PCS.", ""},
      {3, "n", "N.WT.:          KGS.", ""},
      {3, "G", "G.WT.:          KGS.", ""},
      {3, "m", "MADE IN TAIWAN", "l_content(4)"},
      {3, "R", "R.O.C.", "l_content(4)"},
      {15, "M", "MADE IN TAIWAN", ""},
      {15, "r", "R.O.C.", ""},
      {15, "g", "G.WT.:          KGS.", ""},
      {15, "ABC", "ABC", "add_block"},
      {15, "", "", "add_block"},
      {0, "", "", "l_content(1)"},
      {0, "S ", "S ", "l_content(1)"},
      {0, " s", " s", "l_content(1)"},
      {0, "SI", "SI", "l_content(1)"},
      {0, "X", "X", "l_content(1)"},
      {0, "SIZE : ", "SIZE : ", "l_content(1)"},
  };
  for (const auto& c : cases) {
    MainModel model;
    StartUp(model);
    model.l_content[c.row] = QString::fromUtf8(c.typed);
    model.l_content[c.row == 0 ? 1 : 0] = QStringLiteral("other");
    const auto others = model.l_content;
    ContentEnter(model, c.row);
    EXPECT_EQ(model.l_content[c.row], QString::fromUtf8(c.after)) << c.row << " " << c.typed;
    EXPECT_EQ(model.focus_request, QString::fromUtf8(c.focus)) << c.row << " " << c.typed;
    for (int row = 0; row < 16; ++row) {
      if (row == c.row) continue;
      EXPECT_EQ(model.l_content[row], others[row]) << row;
    }
  }
}

TEST(QuickEntry, FiguresTakeThePlaceOfTheBlanksBetweenHeadAndTail) {
  const QString qty = QStringLiteral("Q'TY :          PCS.");  // blanks 6..15, tail from 16
  const struct {
    QString text;
    int cursor;
    int typed;
    int taken;
  } cases[] = {
      {qty, 7, 3, 3},
      {qty, 6, 1, 1},
      {qty, 14, 3, 1},  // the last blank before the tail stays
      {qty, 15, 1, 0},
      {qty, 17, 1, 0},  // in the tail
      {qty, 3, 1, 0},   // in the head
      {QStringLiteral("N.WT.:          KGS."), 7, 2, 2},
      {QStringLiteral("G.WT.: 12       KGS."), 9, 1, 1},
      {QStringLiteral("SIZE : "), 7, 1, 0},  // no tail: typing goes on at the end
      {QStringLiteral("Q'TY :          "), 7, 1, 0},
      {QStringLiteral("Q'TY :PCS."), 6, 1, 0},
      {QStringLiteral("MADE    IN"), 5, 1, 0},  // no head
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BlanksTypedOver(c.text, c.cursor, c.typed), c.taken)
        << c.text.toStdString() << " at " << c.cursor;
  }
  EXPECT_EQ(QuickEntryCursor(qty), 7);
  EXPECT_EQ(QuickEntryCursor(QStringLiteral("G.WT.:          KGS.")), 7);
  EXPECT_EQ(QuickEntryCursor(QStringLiteral("SIZE : ")), 7);
  EXPECT_EQ(QuickEntryCursor(QStringLiteral("MADE IN TAIWAN")), 14);
}

class EditingKeysWindowTest : public MainWindowFixture {
 protected:
  EditingKeysWindowTest() {
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  QLineEdit* TypeInto(int row, const QString& text) {
    QLineEdit* box = Row(row);
    box->setFocus();
    QTest::keyClicks(box, text);
    return box;
  }

  // A released arrow is reported once it is sure that the key is not being held.
  static void Settle() { QTest::qWait(ContentKeyFilter::kSettleMs * 4); }

  static QString Focus() {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("(none)");
  }
};

}  // namespace

TEST_F(EditingKeysWindowTest, EnterExpandsAndMovesOn) {
  QLineEdit* box = TypeInto(3, QStringLiteral("q"));
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_EQ(box->text(), QStringLiteral("Q'TY :          PCS."));
  EXPECT_EQ(Focus(), QStringLiteral("l_content(3)"));
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_EQ(box->text(), QStringLiteral("Q'TY :          PCS."));
  EXPECT_EQ(Focus(), QStringLiteral("l_content(4)"));

  // The keypad's Enter counts too.
  box = TypeInto(1, QStringLiteral("m"));
  QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(box->text(), QStringLiteral("MADE IN TAIWAN"));
  EXPECT_EQ(Focus(), QStringLiteral("l_content(2)"));
  QTest::keyClicks(Row(2), QStringLiteral("r"));
  QTest::keyClick(Row(2), Qt::Key_Return);
  EXPECT_EQ(Row(2)->text(), QStringLiteral("R.O.C."));
  EXPECT_EQ(Focus(), QStringLiteral("l_content(3)"));
}

TEST_F(EditingKeysWindowTest, TheLastRowKeepsMAndRAndOtherwiseLeavesForAddBlock) {
  QLineEdit* last = TypeInto(15, QStringLiteral("M"));
  QTest::keyClick(last, Qt::Key_Return);
  EXPECT_EQ(last->text(), QStringLiteral("MADE IN TAIWAN"));
  EXPECT_EQ(Focus(), QStringLiteral("l_content(15)"));
  QTest::keyClick(last, Qt::Key_Return);
  EXPECT_EQ(Focus(), QStringLiteral("add_block"));
}

TEST_F(EditingKeysWindowTest, ArrowsMoveBetweenRowsWhenLetGo) {
  const struct {
    int row;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int to;
  } cases[] = {
      {5, Qt::Key_Up, Qt::NoModifier, 4},    {5, Qt::Key_Down, Qt::NoModifier, 6},
      {5, Qt::Key_Up, Qt::ShiftModifier, 4}, {5, Qt::Key_Down, Qt::ControlModifier, 6},
      {0, Qt::Key_Up, Qt::NoModifier, 0},    {15, Qt::Key_Down, Qt::NoModifier, 15},
      {5, Qt::Key_Left, Qt::NoModifier, 5},
  };
  for (const auto& c : cases) {
    QLineEdit* box = Row(c.row);
    box->setFocus();
    QTest::keyPress(box, c.key, c.modifiers);
    EXPECT_EQ(Focus(), QStringLiteral("l_content(%1)").arg(c.row)) << "not yet on the press";
    QTest::keyRelease(box, c.key, c.modifiers);
    Settle();
    EXPECT_EQ(Focus(), QStringLiteral("l_content(%1)").arg(c.to)) << c.row << " " << c.key;
  }
}

TEST_F(EditingKeysWindowTest, AnArrowLeavesAOneLetterContentAlone) {
  QLineEdit* box = TypeInto(6, QStringLiteral("s"));
  QTest::keyClick(box, Qt::Key_Down);
  Settle();
  EXPECT_EQ(box->text(), QStringLiteral("s"));
  EXPECT_EQ(Focus(), QStringLiteral("l_content(7)"));
  QTest::keyClick(Row(7), Qt::Key_Up);
  Settle();
  EXPECT_EQ(box->text(), QStringLiteral("s"));
  EXPECT_EQ(Focus(), QStringLiteral("l_content(6)"));
}

TEST_F(EditingKeysWindowTest, AHeldArrowMovesOnce) {
  // While a key is held, X11 sends pairs of release and press with one time stamp; the toolkit
  // marks them as repeats, but not always.
  for (const bool marked : {true, false}) {
    QLineEdit* box = Row(8);
    box->setFocus();
    const auto send = [box](QEvent::Type type, quint64 time, bool repeat) {
      QKeyEvent event(type, Qt::Key_Down, Qt::NoModifier, QString(), repeat);
      event.setTimestamp(time);
      QApplication::sendEvent(box, &event);
    };
    send(QEvent::KeyPress, 1000, false);
    for (quint64 time = 1500; time < 2000; time += 33) {
      send(QEvent::KeyRelease, time, marked);
      send(QEvent::KeyPress, time, marked);
      QTest::qWait(5);
    }
    Settle();
    EXPECT_EQ(Focus(), QStringLiteral("l_content(8)")) << marked;
    send(QEvent::KeyRelease, 2100, false);
    Settle();
    EXPECT_EQ(Focus(), QStringLiteral("l_content(9)")) << marked;
  }
}

TEST_F(EditingKeysWindowTest, QuickPressesEachMoveAndKeepTheirOrder) {
  QLineEdit* box = Row(2);
  box->setFocus();
  const auto send = [box](QEvent::Type type, Qt::Key key, quint64 time) {
    QKeyEvent event(type, key, Qt::NoModifier);
    event.setTimestamp(time);
    QApplication::sendEvent(box, &event);
  };
  // Down let go, and before it settles Down pressed again: the first move is made at once.
  send(QEvent::KeyPress, Qt::Key_Down, 100);
  send(QEvent::KeyRelease, Qt::Key_Down, 160);
  send(QEvent::KeyPress, Qt::Key_Down, 220);
  EXPECT_EQ(Focus(), QStringLiteral("l_content(3)"));
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier);
  release.setTimestamp(280);
  QApplication::sendEvent(Row(3), &release);
  Settle();
  EXPECT_EQ(Focus(), QStringLiteral("l_content(4)"));
}
