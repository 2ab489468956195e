#include "blocks/pallet_counter.h"

#include <algorithm>

#include "model/block_table.h"

int64_t BlockPallets::PalletOf(int64_t index) const {
  if (index < carried) return carry_pallet;
  const int64_t own = index - carried;
  return first_pallet + (per_pallet > 0 ? own / per_pallet : own);
}

int64_t BlockPallets::LowestPallet() const {
  const int64_t first = PalletOf(0);
  return cartons > carried ? std::min(first, first_pallet) : first;
}

int64_t BlockPallets::HighestPallet() const {
  const int64_t last = PalletOf(cartons - 1);
  return carried > 0 ? std::max(last, carry_pallet) : last;
}

BlockPallets PalletCounter::Add(const BlockEntry& block) {
  // Carton by carton this is: a carried carton takes a place on the earlier pallet; any other
  // carton takes a place on the block's current pallet, which is full once `left` drops to 0 or
  // below.
  const int64_t pbox = block.blk_pbox;
  walk_.left = pbox;
  walk_.pallet = block.blk_p_start;
  if (!block.IsMixed()) walk_.carry = 0;

  BlockPallets pallets;
  pallets.carry_pallet = walk_.last_used;
  pallets.first_pallet = block.blk_p_start;
  pallets.per_pallet = pbox;
  if (block.blk_start > block.blk_end) return pallets;

  pallets.cartons = int64_t(block.blk_end) - block.blk_start + 1;
  pallets.carried = std::min(walk_.carry, pallets.cartons);
  walk_.carry -= pallets.carried;
  const int64_t own = pallets.cartons - pallets.carried;
  if (own == 0) return pallets;  // all carried: `left` is still pbox, so the carry passes on

  if (pbox <= 0) {
    // Every carton fills a pallet of its own.
    walk_.last_used = walk_.pallet + own - 1;
    walk_.pallet += own;
  } else {
    walk_.last_used = walk_.pallet + (own - 1) / pbox;
    walk_.pallet += own / pbox;
    const int64_t on_last = own % pbox;
    walk_.left = on_last == 0 ? pbox : pbox - on_last;
  }
  if (walk_.left != pbox) walk_.carry = walk_.left;
  return pallets;
}
