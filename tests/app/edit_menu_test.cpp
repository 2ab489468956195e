// The 編輯 menu as the window binds it: its place and keys, 復原 and 重做 naming their steps, the
// keys reaching the menu from inside a field, and 套用到其他區段… with its dialog. What the steps
// do is tested over the session in tests/job.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/apply_rows_dialog.h"
#include "app/main_window.h"
#include "support/main_window_fixture.h"
#include "version.h"

namespace {

class EditMenuTest : public MainWindowFixture {
 protected:
  EditMenuTest() {
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  QString Title() {
    QCoreApplication::processEvents();
    return window->windowTitle();
  }
  void Click(const char* name) {
    QTest::mouseClick(Control<QPushButton>(QLatin1String(name)), Qt::LeftButton);
  }
  // Keys as the clerk types them into a field that has the focus.
  void Type(QLineEdit* field, const QString& text) {
    field->setFocus();
    QTest::keyClicks(field, text);
  }
};

TEST_F(EditMenuTest, StandsBetweenFileAndHelpWithItsKeys) {
  QStringList menus;
  for (QAction* menu : window->menuBar()->actions()) menus << menu->text();
  EXPECT_EQ(menus, (QStringList{"檔案(&F)", "編輯(&E)", "說明(&H)"}));
  QStringList entries;
  for (QAction* action : Control<QMenu>(QStringLiteral("menu_edit"))->actions()) {
    if (!action->isSeparator()) entries << action->objectName();
  }
  EXPECT_EQ(entries, (QStringList{"action_undo", "action_redo", "action_apply_rows"}));
  EXPECT_EQ(Action("action_undo")->shortcuts(), QList{QKeySequence(Qt::CTRL | Qt::Key_Z)});
  EXPECT_EQ(
      Action("action_redo")->shortcuts(),
      (QList{QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
  EXPECT_EQ(Action("action_undo")->text(), QStringLiteral("復原(&U)"));
  EXPECT_FALSE(Action("action_undo")->isEnabled());
  EXPECT_EQ(Action("action_apply_rows")->text(), QStringLiteral("套用到其他區段(&A)…"));
}

TEST_F(EditMenuTest, UndoAndRedoReachTheMenuFromInsideAFieldAndNameTheirSteps) {
  const QString program = QStringLiteral("Cratemark %1版").arg(QLatin1String(kCratemarkVersion));
  QLineEdit* row = Row(3);
  Type(row, QStringLiteral("q"));
  QTest::keyClick(row, Qt::Key_Return);
  QTest::keyClicks(row, QStringLiteral("120"));
  EXPECT_EQ(row->text(), QStringLiteral("Q'TY : 120      PCS."));
  EXPECT_EQ(Action("action_undo")->text(), QStringLiteral("復原(&U) 輸入 第 4 行"));
  EXPECT_EQ(Title(), QStringLiteral("未命名工作* - ") + program);

  // The whole run of typing, the abbreviation included, is one step; back at the saved job the
  // title loses its star. The field's own undo never gets the key.
  QTest::keyClick(row, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(row->text(), QString());
  EXPECT_EQ(Title(), program);
  EXPECT_EQ(Action("action_redo")->text(), QStringLiteral("重做(&R) 輸入 第 4 行"));
  QTest::keyClick(row, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(row->text(), QString()) << "nothing left to undo, and the field keeps what it has";
  QTest::keyClick(row, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(row->text(), QStringLiteral("Q'TY : 120      PCS."));
  QTest::keyClick(row, Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(row, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(row->text(), QStringLiteral("Q'TY : 120      PCS."));

  // A pick from a box's list is one step with the text it puts there.
  PickFromList(QStringLiteral("l_last"), QStringLiteral("No"));
  EXPECT_EQ(Action("action_undo")->text(), QStringLiteral("復原(&U) 尾數箱? No"));
  Action("action_undo")->trigger();
  EXPECT_EQ(Control<QComboBox>(QStringLiteral("l_last"))->currentText(), QStringLiteral("Yes"));
  EXPECT_EQ(window->model().l_block_list, (QStringList{"1", "尾數箱"}));
  EXPECT_EQ(Action("action_undo")->text(), QStringLiteral("復原(&U) 輸入 第 4 行"));

  // A block command, undone from the menu: the block comes back and is shown.
  Type(Control<QLineEdit>(QStringLiteral("l_end")), QStringLiteral("10"));
  Click("add_block");
  ASSERT_EQ(window->model().block_count, 2);
  Click("l_remove");
  ASSERT_EQ(window->model().block_count, 1);
  EXPECT_EQ(Action("action_undo")->text(), QStringLiteral("復原(&U) 移除區段 2"));
  Action("action_undo")->trigger();
  EXPECT_EQ(window->model().block_count, 2);
  EXPECT_EQ(Control<QComboBox>(QStringLiteral("l_block"))->currentText(), QStringLiteral("2"));
  EXPECT_EQ(Control<QLineEdit>(QStringLiteral("l_start"))->text(), QStringLiteral("11"));
  EXPECT_TRUE(prompter->messages.isEmpty()) << prompter->messages.join(u'|').toStdString();
}

TEST_F(EditMenuTest, ApplyToOtherBlocksCopiesTheRowsOnScreenAsOneStep) {
  Type(Control<QLineEdit>(QStringLiteral("l_end")), QStringLiteral("10"));
  Click("add_block");
  Type(Control<QLineEdit>(QStringLiteral("l_end")), QStringLiteral("20"));
  Click("add_block");
  Type(Control<QLineEdit>(QStringLiteral("l_end")), QStringLiteral("30"));
  Type(Row(0), QStringLiteral("BLOCK THREE"));

  // The dialog offers the other blocks; block 1 is ticked and the rows go there only.
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<ApplyRowsDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    auto* list = dialog->findChild<QListWidget*>(QStringLiteral("apply_rows_list"));
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("第 1 區段"));
    EXPECT_FALSE(dialog->findChild<QPushButton*>(QStringLiteral("apply_rows_apply"))->isEnabled());
    list->item(0)->setCheckState(Qt::Checked);
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("apply_rows_apply")),
                      Qt::LeftButton);
  });
  Action("action_apply_rows")->trigger();
  EXPECT_EQ(window->model().blocks[1].blk_content[0], QStringLiteral("BLOCK THREE"));
  EXPECT_EQ(window->model().blocks[2].blk_content[0], QString());
  EXPECT_EQ(window->model().blocks[1].blk_end, 10) << "the numbers stay";
  EXPECT_EQ(Action("action_undo")->text(), QStringLiteral("復原(&U) 套用到其他區段"));

  Action("action_undo")->trigger();
  EXPECT_EQ(window->model().blocks[1].blk_content[0], QString());
  EXPECT_EQ(Row(0)->text(), QStringLiteral("BLOCK THREE")) << "the typing is a step of its own";
  EXPECT_TRUE(prompter->messages.isEmpty()) << prompter->messages.join(u'|').toStdString();
}

}  // namespace
