#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "app/main_window.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace {

class HistoryListTest : public testing::Test {
 protected:
  HistoryListTest() : old_dir(QDir::currentPath()) { QDir::setCurrent(folder.path()); }
  ~HistoryListTest() override { QDir::setCurrent(old_dir); }

  TempFolder folder;
  QString old_dir;
};

void ClickItem(QListWidget* list, int row) {
  const QRect place = list->visualItemRect(list->item(row));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
}

}  // namespace

TEST_F(HistoryListTest, ClickingAnItemRecallsItsFile) {
  folder.Write(QStringLiteral("record_001"), "FIRST\r\nC/NO.:\r\n");
  folder.Write(QStringLiteral("record_002"), "SECOND\r\n\r\nP/NO.:\r\n");
  MainWindow window(std::make_unique<ScriptedPrompter>());
  window.show();
  auto* list = window.findChild<QListWidget*>(QStringLiteral("record_list"));
  auto* row0 = window.findChild<QLineEdit*>(QStringLiteral("l_content(0)"));
  ASSERT_EQ(list->count(), 2);

  ClickItem(list, 1);
  EXPECT_EQ(row0->text(), QStringLiteral("SECOND"));
  EXPECT_TRUE(window.findChild<QAbstractButton*>(QStringLiteral("l_p(3)"))->isChecked());

  ClickItem(list, 0);
  EXPECT_EQ(row0->text(), QStringLiteral("FIRST"));
  EXPECT_TRUE(window.findChild<QAbstractButton*>(QStringLiteral("l_c(1)"))->isChecked());
  EXPECT_TRUE(window.findChild<QAbstractButton*>(QStringLiteral("l_p(3)"))->isChecked());

  // Clicking the chosen item again throws typed changes away.
  row0->setText(QStringLiteral("edited"));
  ClickItem(list, 0);
  EXPECT_EQ(row0->text(), QStringLiteral("FIRST"));
  EXPECT_TRUE(static_cast<ScriptedPrompter&>(window.prompter()).messages.isEmpty());
}
