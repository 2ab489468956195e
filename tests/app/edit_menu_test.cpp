// The 編輯 menu as the window binds it, in the order a clerk meets it: its place and keys, 復原 and
// 重做 naming their steps and reaching the menu from inside a field, a pick from a list, a block
// command, and 套用到其他區段… with its dialog; then the rows' sizes from a box's menu and from
// 行的字型…. What the steps do is tested over the session.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/apply_rows_dialog.h"
#include "app/row_size_dialog.h"
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

  QString Undo() { return Action("action_undo")->text(); }
  void Click(const char* name) {
    QTest::mouseClick(Control<QPushButton>(QLatin1String(name)), Qt::LeftButton);
  }
  void Type(const QString& field, const QString& text) {
    Control<QLineEdit>(field)->setFocus();
    QTest::keyClicks(Control<QLineEdit>(field), text);
  }
};

TEST_F(EditMenuTest, UndoRedoAndApplyToOtherBlocks) {
  QStringList menus;
  for (QAction* menu : window->menuBar()->actions()) menus << menu->text();
  EXPECT_EQ(menus, (QStringList{"檔案(&F)", "編輯(&E)", "說明(&H)"}));
  EXPECT_EQ(
      Action("action_redo")->shortcuts(),
      (QList{QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
  EXPECT_EQ(Undo(), QStringLiteral("復原(&U)"));
  EXPECT_FALSE(Action("action_undo")->isEnabled());

  // The run of typing, its abbreviation included, is one step. The keys pressed in the row reach
  // the menu, never the field's own undo; back at the saved job the title loses its star.
  const QString program = QStringLiteral("Cratemark %1版").arg(QLatin1String(kCratemarkVersion));
  QLineEdit* row = Row(3);
  Type(QStringLiteral("l_content(3)"), QStringLiteral("q"));
  QTest::keyClick(row, Qt::Key_Return);
  QTest::keyClicks(row, QStringLiteral("120"));
  EXPECT_EQ(row->text(), QStringLiteral("Q'TY : 120      PCS."));
  EXPECT_EQ(Undo(), QStringLiteral("復原(&U) 輸入 第 4 行"));
  QTest::keyClick(row, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(row->text(), QString());
  QCoreApplication::processEvents();
  EXPECT_EQ(window->windowTitle(), program);
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
  EXPECT_EQ(Undo(), QStringLiteral("復原(&U) 尾數箱? No"));
  Action("action_undo")->trigger();
  EXPECT_EQ(window->model().l_last, QStringLiteral("Yes"));
  EXPECT_EQ(window->model().l_block_list, (QStringList{"1", "尾數箱"}));

  // A block command, undone from the menu: the block comes back and is shown.
  Type(QStringLiteral("l_end"), QStringLiteral("10"));
  Click("add_block");
  Type(QStringLiteral("l_end"), QStringLiteral("20"));
  Click("add_block");
  Click("l_remove");
  EXPECT_EQ(Undo(), QStringLiteral("復原(&U) 移除區段 3"));
  Action("action_undo")->trigger();
  EXPECT_EQ(Control<QComboBox>(QStringLiteral("l_block"))->currentText(), QStringLiteral("3"));
  EXPECT_EQ(Control<QLineEdit>(QStringLiteral("l_start"))->text(), QStringLiteral("21"));

  // 套用到其他區段: the dialog offers the other blocks; the rows go to the ticked one only.
  Type(QStringLiteral("l_content(0)"), QStringLiteral("BLOCK THREE"));
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<ApplyRowsDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    auto* list = dialog->findChild<QListWidget*>(QStringLiteral("apply_rows_list"));
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("第 1 區段"));
    auto* apply = dialog->findChild<QPushButton*>(QStringLiteral("apply_rows_apply"));
    EXPECT_FALSE(apply->isEnabled()) << "nothing ticked yet";
    list->item(0)->setCheckState(Qt::Checked);
    QTest::mouseClick(apply, Qt::LeftButton);
  });
  Action("action_apply_rows")->trigger();
  const BlockTable& blocks = window->model().blocks;
  EXPECT_EQ(blocks[1].blk_content[0], QStringLiteral("BLOCK THREE"));
  EXPECT_EQ(blocks[2].blk_content[0], QString());
  EXPECT_EQ(blocks[1].blk_end, 10) << "the numbers stay";
  EXPECT_EQ(Undo(), QStringLiteral("復原(&U) 套用到其他區段"));
  Action("action_undo")->trigger();
  EXPECT_EQ(window->model().blocks[1].blk_content[0], QString());
  EXPECT_EQ(Row(0)->text(), QStringLiteral("BLOCK THREE")) << "the typing is a step of its own";
  EXPECT_TRUE(prompter->messages.isEmpty()) << prompter->messages.join(u'|').toStdString();
}

// A row's size from the keyboard, in its box's menu and in the dialog: each pick a step, the box
// showing it.
TEST_F(EditMenuTest, RowSizesFromTheBoxesMenuAndTheDialog) {
  QLineEdit* row = Row(1);
  row->setFocus();
  QTimer::singleShot(0, [] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QMenu* sizes = menu->findChild<QMenu*>(QStringLiteral("row_size_menu"));
    ASSERT_NE(sizes, nullptr);
    ASSERT_EQ(sizes->actions().size(), 3);
    EXPECT_TRUE(sizes->actions()[0]->isChecked());
    sizes->actions()[2]->trigger();
    menu->close();
  });
  QTest::keyClick(row, Qt::Key_F10, Qt::ShiftModifier);
  EXPECT_EQ(window->model().l_size[1], RowSize::kLarge);
  EXPECT_EQ(Undo(), QStringLiteral("復原(&U) 字型 第 2 行"));
  EXPECT_TRUE(row->font().bold());
  EXPECT_FALSE(row->toolTip().isEmpty());
  const QRect place = row->geometry();
  Action("action_undo")->trigger();
  EXPECT_EQ(window->model().l_size[1], RowSize::kNormal);
  EXPECT_FALSE(row->font().bold());
  EXPECT_EQ(row->geometry(), place) << "the box keeps its place and size";

  // The dialog lists the block's rows with their sizes and says before OK what would print over
  // what.
  Row(3)->setText(QStringLiteral("P/NO.:"));
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<RowSizeDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    auto* note = dialog->findChild<QLabel*>(QStringLiteral("row_size_note"));
    EXPECT_TRUE(note->isHidden());
    dialog->findChild<QComboBox*>(QStringLiteral("row_size(2)"))->setCurrentIndex(2);
    dialog->findChild<QComboBox*>(QStringLiteral("row_size(5)"))->setCurrentIndex(1);
    EXPECT_EQ(note->text(), QStringLiteral("第 3 行放大了, 會蓋住第 4 行的字。"));
    dialog->accept();
  });
  Action("action_row_sizes")->trigger();
  EXPECT_EQ(window->model().l_size[2], RowSize::kLarge);
  EXPECT_EQ(window->model().l_size[5], RowSize::kBold);
  EXPECT_EQ(Undo(), QStringLiteral("復原(&U) 行的字型"));
  EXPECT_EQ(window->model().l_content[3], QStringLiteral("P/NO.:"));
}

}  // namespace
