#include "app/startup.h"

#include <gtest/gtest.h>

#include "model/main_model.h"
#include "support/temp_folder.h"

TEST(StartUp, SetsTheStartValues) {
  TempFolder folder;
  MainModel model;
  model.work_dir = folder.path();
  model.l_content[4] = QStringLiteral("kept");
  model.pallet_row = 4;
  StartUp(model);

  EXPECT_EQ(model.line_width, 48);
  EXPECT_EQ(model.max_line, 15);
  EXPECT_EQ(model.label_gap, 330);
  EXPECT_EQ(model.page_rows_per_page, 4);
  EXPECT_EQ(model.record_prefix, QStringLiteral("record_"));
  EXPECT_EQ(model.remainder_edited, 0);
  EXPECT_EQ(model.current_block, 1);
  EXPECT_EQ(model.block_count, 1);
  EXPECT_EQ(model.l_block_list, (QStringList{QStringLiteral("1"), QStringLiteral("尾數箱")}));
  EXPECT_EQ(model.l_block, QStringLiteral("1"));
  EXPECT_EQ(model.l_p_start_text, QStringLiteral("1"));
  for (const QString& word : model.l_array) EXPECT_EQ(word, QStringLiteral("置中"));
  EXPECT_TRUE(model.record_list.isEmpty());
  // Contents, choices and the other block fields are not the start-up's to change.
  EXPECT_EQ(model.l_content[4], QStringLiteral("kept"));
  EXPECT_EQ(model.pallet_row, 4);
  EXPECT_EQ(model.carton_row, MainModel::kNoRow);
  EXPECT_EQ(model.l_start, QStringLiteral("1"));
  EXPECT_EQ(model.l_last, QStringLiteral("Yes"));
  EXPECT_EQ(model.p_mix_box, QStringLiteral("No"));
}

TEST(StartUp, RunTwiceListsEveryHistoryItemOnce) {
  TempFolder folder;
  folder.Write(QStringLiteral("record_001"), "first\r\n");
  folder.Write(QStringLiteral("record_003"), "third\r\n");
  MainModel model;
  model.work_dir = folder.path();
  StartUp(model);
  model.current_block = 3;
  model.block_count = 4;
  model.remainder_edited = 1;
  StartUp(model);
  EXPECT_EQ(model.record_list,
            (QStringList{QStringLiteral("01,first"), QStringLiteral("03,third")}));
  EXPECT_EQ(model.l_block_list.size(), 2);
  EXPECT_EQ(model.current_block, 1);
  EXPECT_EQ(model.block_count, 1);
  EXPECT_EQ(model.remainder_edited, 0);
}
