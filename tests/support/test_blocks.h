#pragma once

// A consignment's blocks as the tests write them, one line each: cartons from–to, cartons a pallet,
// the first pallet number and whether the block is mixed onto the previous one's last pallet.

#include <cstdint>
#include <vector>

#include "model/main_model.h"

struct Block {
  int32_t start, end, pbox;
  int16_t p_start;
  const char* mix = "No";
};

// Puts the blocks' numbers into the table as blocks 1…n; their template rows are the test's.
inline void PutBlocks(MainModel& model, const std::vector<Block>& blocks) {
  model.block_count = int(blocks.size());
  for (int i = 0; i < int(blocks.size()); ++i) {
    BlockEntry& entry = model.blocks[i + 1];
    entry.blk_start = blocks[i].start;
    entry.blk_end = blocks[i].end;
    entry.blk_pbox = blocks[i].pbox;
    entry.blk_p_start = blocks[i].p_start;
    entry.blk_mix = QString::fromLatin1(blocks[i].mix);
  }
}
