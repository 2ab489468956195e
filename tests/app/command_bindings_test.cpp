#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

#include "app/main_window.h"
#include "history/history_files.h"
#include "support/main_window_fixture.h"
#include "support/recording_target.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace {

class CommandBindingsTest : public MainWindowFixture {
 protected:
  CommandBindingsTest() { window->show(); }

  template <typename T = QWidget>
  T* Control(const QString& name) {
    T* control = window->findChild<T*>(name);
    EXPECT_NE(control, nullptr) << name.toStdString();
    return control;
  }
  QLineEdit* Field(const QString& name) { return Control<QLineEdit>(name); }
  QLineEdit* Row(int i) { return Field(QStringLiteral("l_content(%1)").arg(i)); }
  QAbstractButton* Button(const QString& name) { return Control<QAbstractButton>(name); }
  void Click(const QString& name) { QTest::mouseClick(Button(name), Qt::LeftButton); }

  void Type(QLineEdit* field, const QString& text) {
    field->clear();
    QTest::keyClicks(field, text);
  }

  QStringList Entries(const QString& box_name) {
    auto* box = Control<QComboBox>(box_name);
    QStringList entries;
    for (int i = 0; i < box->count(); ++i) entries << box->itemText(i);
    return entries;
  }
};

}  // namespace

TEST_F(CommandBindingsTest, OptionClicksChooseTheRows) {
  Type(Row(3), QStringLiteral("typed"));
  Click(QStringLiteral("l_c(3)"));
  EXPECT_EQ(Row(3)->text(), QStringLiteral("C/NO.:"));
  EXPECT_TRUE(Button(QStringLiteral("l_c(3)"))->isChecked());

  Click(QStringLiteral("l_p(4)"));  // the same row
  EXPECT_EQ(Row(3)->text(), QStringLiteral("P/NO.:"));
  EXPECT_TRUE(Button(QStringLiteral("l_p(4)"))->isChecked());
  EXPECT_FALSE(Button(QStringLiteral("l_c(3)"))->isChecked());
  EXPECT_EQ(window->model().carton_row, MainModel::kNoRow);
}

TEST_F(CommandBindingsTest, MoveButtonsMoveTheRowsWithTheirChoices) {
  Type(Row(0), QStringLiteral("A"));
  Click(QStringLiteral("l_c(1)"));
  Click(QStringLiteral("l_move_down"));
  EXPECT_EQ(Row(1)->text(), QStringLiteral("A"));
  EXPECT_EQ(Row(2)->text(), QStringLiteral("C/NO.:"));
  EXPECT_TRUE(Button(QStringLiteral("l_c(2)"))->isChecked());

  Click(QStringLiteral("l_move_up"));
  EXPECT_EQ(Row(0)->text(), QStringLiteral("A"));
  EXPECT_TRUE(Button(QStringLiteral("l_c(1)"))->isChecked());
}

TEST_F(CommandBindingsTest, RefreshAsksAndClearsOnYes) {
  Type(Row(5), QStringLiteral("MADE IN TAIWAN"));
  Click(QStringLiteral("l_p(2)"));
  prompter->answers = {false};
  Click(QStringLiteral("Command1"));
  ASSERT_EQ(prompter->questions.size(), 1);
  EXPECT_EQ(Row(5)->text(), QStringLiteral("MADE IN TAIWAN"));

  prompter->answers = {true};
  Click(QStringLiteral("Command1"));
  EXPECT_EQ(prompter->questions.size(), 2);
  EXPECT_EQ(Row(5)->text(), QString());
  EXPECT_EQ(Row(1)->text(), QString());
  EXPECT_FALSE(Button(QStringLiteral("l_p(2)"))->isChecked());
}

TEST_F(CommandBindingsTest, BlockButtonsAndPicksReachTheBlockCommands) {
  Type(Field(QStringLiteral("l_end")), QStringLiteral("20"));
  Type(Field(QStringLiteral("l_pbox")), QStringLiteral("10"));
  Type(Row(0), QStringLiteral("first"));
  Click(QStringLiteral("add_block"));
  auto* l_block = Control<QComboBox>(QStringLiteral("l_block"));
  EXPECT_EQ(l_block->currentText(), QStringLiteral("2"));
  EXPECT_EQ(Entries(QStringLiteral("l_block")),
            (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("尾數箱")}));
  EXPECT_EQ(Field(QStringLiteral("l_start"))->text(), QStringLiteral("21"));
  EXPECT_EQ(Field(QStringLiteral("l_p_start_text"))->text(), QStringLiteral("3"));

  // Typing into the box selects nothing.
  Type(Field(QStringLiteral("l_end")), QStringLiteral("30"));
  Type(Row(0), QStringLiteral("second"));
  l_block->lineEdit()->clear();
  QTest::keyClicks(l_block->lineEdit(), QStringLiteral("1"));
  EXPECT_EQ(window->model().current_block, 2);
  EXPECT_EQ(Row(0)->text(), QStringLiteral("second"));

  PickFromList(QStringLiteral("l_block"), QStringLiteral("1"));
  EXPECT_EQ(window->model().current_block, 1);
  EXPECT_EQ(Row(0)->text(), QStringLiteral("first"));
  EXPECT_EQ(Field(QStringLiteral("l_end"))->text(), QStringLiteral("20"));

  PickFromList(QStringLiteral("l_last"), QStringLiteral("No"));
  EXPECT_EQ(Entries(QStringLiteral("l_block")),
            (QStringList{QStringLiteral("1"), QStringLiteral("2")}));

  PickFromList(QStringLiteral("l_block"), QStringLiteral("2"));
  EXPECT_EQ(Row(0)->text(), QStringLiteral("second"));
  Click(QStringLiteral("l_remove"));
  EXPECT_EQ(window->model().block_count, 1);
  EXPECT_EQ(l_block->currentText(), QStringLiteral("1"));
  EXPECT_EQ(Row(0)->text(), QStringLiteral("first"));
  EXPECT_TRUE(prompter->messages.isEmpty());
}

TEST_F(CommandBindingsTest, ARefusedPickShowsTheCurrentBlockAgain) {
  Type(Field(QStringLiteral("l_end")), QStringLiteral("20"));
  Click(QStringLiteral("add_block"));  // block 2, with an empty end
  PickFromList(QStringLiteral("l_block"), QStringLiteral("1"));
  EXPECT_EQ(prompter->messages,
            QStringList{QStringLiteral(
                "編號欄位輸入有錯: 箱號編號 to 必須是數字 (這個區段最後一箱的箱號)。")});
  EXPECT_EQ(Control<QComboBox>(QStringLiteral("l_block"))->currentText(), QStringLiteral("2"));
  EXPECT_EQ(Field(QStringLiteral("l_start"))->text(), QStringLiteral("21"));
}

TEST_F(CommandBindingsTest, PastedLineBreaksBecomeBlanksInTheRow) {
  QGuiApplication::clipboard()->setText(QStringLiteral("LINE1\r\nLINE2\nLINE3"));
  Row(2)->setFocus();
  QTest::keyClick(Row(2), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Row(2)->text(), QStringLiteral("LINE1  LINE2 LINE3"));
  EXPECT_EQ(Row(3)->text(), QString()) << "nothing spills into the next row";
  Row(2)->setText(QStringLiteral("a\tb"));
  EXPECT_EQ(Row(2)->text(), QStringLiteral("a b"));
}

TEST_F(CommandBindingsTest, PrintButtonStoresTheRecordOnceTheRunPrinted) {
  RecordingTarget target;
  window->SetPrintDevices(&target, &target);
  PickFromList(QStringLiteral("l_last"), QStringLiteral("No"));
  Type(Field(QStringLiteral("l_end")), QStringLiteral("3"));
  Type(Field(QStringLiteral("l_pbox")), QStringLiteral("10"));
  Type(Row(0), QStringLiteral("MADE IN TAIWAN"));
  Click(QStringLiteral("l_p(2)"));
  Click(QStringLiteral("l_c(2)"));
  const QString record = folder.File(QStringLiteral("record_001"));

  // A run that fails stores nothing.
  target.fail_at_sheet = 1;
  Click(QStringLiteral("l_print"));
  EXPECT_FALSE(QFileInfo::exists(record));
  ASSERT_EQ(prompter->messages.size(), 1);
  EXPECT_TRUE(prompter->messages[0].contains(QStringLiteral("印表機發生錯誤")));

  prompter->messages.clear();
  target = RecordingTarget();
  Click(QStringLiteral("l_print"));
  EXPECT_TRUE(prompter->messages.isEmpty()) << prompter->messages.join(u'|').toStdString();
  EXPECT_EQ(target.surface.finished_documents(), 1);
  const auto lines = ReadHistoryLines(record);
  ASSERT_TRUE(lines);
  EXPECT_EQ(lines->size(), 16);
  EXPECT_EQ(lines->first(), QStringLiteral("MADE IN TAIWAN"));

  // The labels are out but the record cannot be stored: the clerk is told, once.
  ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("record_002")));
  target = RecordingTarget();
  Click(QStringLiteral("l_print"));
  EXPECT_EQ(target.surface.finished_documents(), 1);
  EXPECT_EQ(prompter->messages,
            QStringList{QStringLiteral("標籤已印出, 但這次的範本沒有存進歷史紀錄: record_002 "
                                       "是一個資料夾, 不是歷史紀錄檔")});
}
