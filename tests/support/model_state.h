#pragma once

#include <gtest/gtest.h>

#include "model/main_model.h"
#include "support/qt_printers.h"

// Checks that a command left the model as it found it: every field, choice, list, state value and
// table entry (a refused command, a No answer). `what` names the case in the failure message.
inline void ExpectSameModel(const MainModel& before, const MainModel& after,
                            const std::string& what = {}) {
  SCOPED_TRACE(what);
  for (int row = 0; row < MainModel::kRows; ++row) {
    EXPECT_EQ(after.l_content[row], before.l_content[row]) << "row " << row;
    EXPECT_EQ(after.l_array[row], before.l_array[row]) << "row " << row;
    EXPECT_EQ(after.l_size[row], before.l_size[row]) << "row " << row;
  }
  EXPECT_EQ(after.pallet_row, before.pallet_row);
  EXPECT_EQ(after.carton_row, before.carton_row);
  EXPECT_EQ(after.l_block, before.l_block);
  EXPECT_EQ(after.l_block_list, before.l_block_list);
  EXPECT_EQ(after.l_start, before.l_start);
  EXPECT_EQ(after.l_end, before.l_end);
  EXPECT_EQ(after.l_last, before.l_last);
  EXPECT_EQ(after.l_pbox, before.l_pbox);
  EXPECT_EQ(after.l_p_start_text, before.l_p_start_text);
  EXPECT_EQ(after.p_mix_box, before.p_mix_box);
  EXPECT_EQ(after.pic_file_name, before.pic_file_name);
  EXPECT_EQ(after.pic_size, before.pic_size);
  EXPECT_EQ(after.pic_d_left, before.pic_d_left);
  EXPECT_EQ(after.pic_d_top, before.pic_d_top);
  EXPECT_TRUE(after.barcode == before.barcode) << "barcode settings";
  EXPECT_EQ(after.block_count, before.block_count);
  EXPECT_EQ(after.current_block, before.current_block);
  EXPECT_EQ(after.remainder_edited, before.remainder_edited);
  for (int i = 0; i < BlockTable::kEntries; ++i) {
    const BlockEntry& a = after.blocks[i];
    const BlockEntry& b = before.blocks[i];
    EXPECT_TRUE(a.blk_start == b.blk_start && a.blk_end == b.blk_end && a.blk_pbox == b.blk_pbox &&
                a.blk_p_start == b.blk_p_start && a.blk_mix == b.blk_mix &&
                a.blk_content == b.blk_content && a.blk_array == b.blk_array &&
                a.blk_size == b.blk_size)
        << "entry " << i;
  }
}
