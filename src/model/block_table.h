#pragma once

#include <QString>
#include <array>
#include <cstdint>

// One entry of the block table: a block's carton range, pallet settings and its own copy of the
// template rows. Entry 0 is never used, numbered blocks take entries 1..block_count and the
// remainder carton the entry after them.
struct BlockEntry {
  static constexpr int kRows = 31;  // rows 0..30; the program uses 0..max_line

  int32_t blk_start = 0;
  int32_t blk_end = 0;
  int32_t blk_pbox = 0;
  int16_t blk_p_start = 0;
  QString blk_mix;
  std::array<QString, kRows> blk_content;
  std::array<QString, kRows> blk_array;

  bool IsMixed() const { return blk_mix == u"Yes"; }
};

class BlockTable {
 public:
  static constexpr int kEntries = 100;  // entries 0..99
  // Numbered blocks the table can hold: the remainder carton and the shift of a removal both need
  // the entry after the last numbered block.
  static constexpr int kMaxBlocks = kEntries - 2;

  BlockEntry& operator[](int entry) { return entries_.at(entry); }
  const BlockEntry& operator[](int entry) const { return entries_.at(entry); }

  // Back to a never-written entry: zeros and empty texts.
  void Clear(int entry) { entries_.at(entry) = BlockEntry{}; }

 private:
  std::array<BlockEntry, kEntries> entries_{};
};
