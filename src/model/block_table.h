#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "model/row_size.h"

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
  std::array<RowSize, kRows> blk_size{};  // 一般 for a row never set

  bool IsMixed() const { return blk_mix == u"Yes"; }
  bool operator==(const BlockEntry&) const = default;
};

// The table of entries 0..99. An entry never written reads as zeros and empty texts.
//
// A copy holds only the entries up to the last one in use, so that the undo history, which keeps
// a copy of the job for every step, costs a few entries a step rather than a hundred. The first
// change made through a copy gives it room for every entry again; a reference taken from a copy
// before that change is not to be used after it.
class BlockTable {
 public:
  static constexpr int kEntries = 100;  // entries 0..99
  // Numbered blocks the table can hold: the remainder carton and the shift of a removal both need
  // the entry after the last numbered block.
  static constexpr int kMaxBlocks = kEntries - 2;

  BlockTable() = default;
  BlockTable(const BlockTable& other) : entries_(other.UsedEntries()) {}
  BlockTable& operator=(const BlockTable& other) {
    if (this != &other) entries_ = other.UsedEntries();
    return *this;
  }
  BlockTable(BlockTable&&) = default;
  BlockTable& operator=(BlockTable&&) = default;

  BlockEntry& operator[](int entry) {
    CheckEntry(entry);
    if (entries_.size() < size_t(kEntries)) entries_.resize(kEntries);
    return entries_[size_t(entry)];
  }
  const BlockEntry& operator[](int entry) const {
    CheckEntry(entry);
    return size_t(entry) < entries_.size() ? entries_[size_t(entry)] : Empty();
  }

  // Back to a never-written entry: zeros and empty texts.
  void Clear(int entry) {
    CheckEntry(entry);
    if (size_t(entry) < entries_.size()) entries_[size_t(entry)] = BlockEntry{};
  }

  bool operator==(const BlockTable& other) const {
    for (int entry = 0; entry < kEntries; ++entry) {
      if (!((*this)[entry] == other[entry])) return false;
    }
    return true;
  }

 private:
  static const BlockEntry& Empty() {
    static const BlockEntry empty;
    return empty;
  }
  static void CheckEntry(int entry) {
    // An entry outside the table is a fault of the program.
    if (entry < 0 || entry >= kEntries) throw std::out_of_range("block table entry");
  }
  std::vector<BlockEntry> UsedEntries() const {
    size_t used = entries_.size();
    while (used > 0 && entries_[used - 1] == Empty()) --used;
    return std::vector<BlockEntry>(entries_.begin(), entries_.begin() + std::ptrdiff_t(used));
  }

  std::vector<BlockEntry> entries_;
};
