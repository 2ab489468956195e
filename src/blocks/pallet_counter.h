#pragma once

#include <cstdint>

struct BlockEntry;

// Where the cartons of blocks 1..n end up when they are put onto pallets in carton order.
struct PalletWalk {
  int64_t pallet = 0;     // the pallet the next carton of block n would go on
  int64_t left = 0;       // cartons that still fit on it
  int64_t carry = 0;      // free places offered to a following mixed block
  int64_t last_used = 0;  // pallet of the last carton that went onto a pallet of its own block

  bool operator==(const PalletWalk&) const = default;
};

// How one block's cartons lie on pallets: its first `carried` cartons go onto the last, partly
// filled pallet of an earlier block (`carry_pallet`); every later carton takes a fresh place on the
// block's own pallets, counted from `first_pallet`, `per_pallet` to a pallet (a pallet each when
// that is 0 or less).
struct BlockPallets {
  int64_t cartons = 0;  // 0 when the block's first carton is above its last
  int64_t carried = 0;
  int64_t carry_pallet = 0;
  int64_t first_pallet = 0;
  int64_t per_pallet = 0;

  // The pallet printed on the block's carton number `index` (0 for its first carton).
  int64_t PalletOf(int64_t index) const;
  // The lowest and highest pallet its cartons go on; meaningless when it has none.
  int64_t LowestPallet() const;
  int64_t HighestPallet() const;
};

// Puts the cartons of one block after another onto pallets, as the print run numbers them: a
// block that is not mixed starts on its own pallets; a mixed one first fills the places the block
// before it left free on its last pallet. Works a pallet at a time, so a block of millions of
// cartons costs the same as one of ten.
class PalletCounter {
 public:
  // Puts the next block's cartons on pallets and says where they went.
  BlockPallets Add(const BlockEntry& block);

  // Where the walk stands after the blocks added so far.
  const PalletWalk& walk() const { return walk_; }

 private:
  PalletWalk walk_;
};
