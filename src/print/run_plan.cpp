#include "print/run_plan.h"

#include <algorithm>

#include "barcode/barcode_content.h"
#include "model/main_model.h"

RunPlan RunPlan::Of(const MainModel& model) {
  RunPlan plan;
  PalletCounter counter;
  int64_t next = 0;
  for (int block = 1; block <= model.block_count; ++block) {
    const BlockEntry& entry = model.blocks[block];
    const BlockPallets pallets = counter.Add(entry);
    plan.blocks_ << PlannedBlock{block, false, next, entry.blk_start, pallets};
    next += pallets.cartons;
  }
  plan.last_block_ = model.block_count;
  plan.barcode_ = model.barcode;
  // The option is read trimmed here, unlike the run's first check: "Yes " passes that check without
  // a remainder set up and still prints the entry after the blocks.
  if (model.l_last.trimmed() == u"Yes") {
    const int block = model.block_count + 1;
    const BlockEntry& entry = model.blocks[block];
    BlockPallets pallets;
    pallets.cartons = 1;
    pallets.first_pallet = entry.blk_p_start;
    plan.blocks_ << PlannedBlock{block, true, next, entry.blk_start, pallets};
    plan.remainder_block_ = block;
    ++next;
  }
  plan.label_count_ = next;
  return plan;
}

PlannedLabel RunPlan::Numbers(int64_t index) const {
  // The block whose labels reach past `index`; blocks without cartons take no index.
  const auto found = std::lower_bound(blocks_.begin(), blocks_.end(), index,
                                      [](const PlannedBlock& block, int64_t i) {
                                        return block.first_label + block.pallets.cartons <= i;
                                      });
  if (index < 0 || found == blocks_.end()) return {};
  const int64_t in_block = index - found->first_label;

  PlannedLabel label;
  label.block = found->block;
  label.remainder = found->remainder;
  label.carton = found->first_carton + in_block;
  label.pallet = found->pallets.PalletOf(in_block);
  return label;
}

int RunPlan::AlignmentBlock(int64_t index, int places_per_row) const {
  const int per_row = std::max(places_per_row, 1);
  // The label that completes the page row.
  const int64_t last = index / per_row * per_row + per_row - 1;
  if (last < label_count_) return Numbers(last).block;
  // The last page row is not full: the remainder's own alignments, or else the last block's.
  return remainder_block_ != 0 ? remainder_block_ : last_block_;
}

PlannedLabel RunPlan::Label(int64_t index) const {
  PlannedLabel label = Numbers(index);
  if (label.block == 0) return label;
  if (barcode_.kind != BarcodeKind::kNone) {
    label.barcode = ComposeContent(barcode_, BarcodeLabel{label.block, label.pallet, label.carton,
                                                          label.remainder})
                        .text;
  }
  return label;
}

QList<BlockOverlap> RunPlan::Overlaps() const {
  QList<BlockOverlap> overlaps;
  for (qsizetype i = 0; i < blocks_.size(); ++i) {
    const PlannedBlock& a = blocks_[i];
    if (a.remainder || a.pallets.cartons == 0) continue;
    for (qsizetype j = i + 1; j < blocks_.size(); ++j) {
      const PlannedBlock& b = blocks_[j];
      if (b.remainder || b.pallets.cartons == 0) continue;
      const int64_t from = std::max(a.first_carton, b.first_carton);
      const int64_t to =
          std::min(a.first_carton + a.pallets.cartons, b.first_carton + b.pallets.cartons) - 1;
      if (from <= to) overlaps << BlockOverlap{a.block, b.block, from, to};
    }
  }
  return overlaps;
}

PrintLayout::PrintLayout(const RunPlan& plan, const PrintChoice& choice, const SheetShape& shape)
    : plan_(&plan), shape_(shape) {
  const int64_t per_sheet = shape_.places();
  const int64_t start = std::clamp<int64_t>(choice.start_place, 1, per_sheet) - 1;
  const auto add = [this](int64_t first, int64_t count) {
    if (count <= 0) return;
    ranges_ << Range{first, count, label_count_};
    label_count_ += count;
  };
  switch (choice.kind) {
    case PrintChoice::kWholeRun:
      add(0, plan.label_count());
      first_place_ = start;
      break;
    case PrintChoice::kSheets: {
      // The sheets as the whole run lays them out from the start place.
      const int64_t first_place = (choice.from - 1) * per_sheet;
      const int64_t end_place = choice.to * per_sheet;
      const int64_t first = std::max<int64_t>(0, first_place - start);
      const int64_t end = std::min(plan.label_count(), end_place - start);
      add(first, end - first);
      first_place_ = first + start - first_place;
      break;
    }
    case PrintChoice::kCartons:
      for (const PlannedBlock& block : plan.blocks()) {
        const int64_t last_carton = block.first_carton + block.pallets.cartons - 1;
        const int64_t from = std::max(choice.from, block.first_carton);
        const int64_t to = std::min(choice.to, last_carton);
        add(block.first_label + from - block.first_carton, to - from + 1);
      }
      first_place_ = start;
      break;
  }
}

int64_t PrintLayout::sheets() const {
  if (label_count_ == 0) return 0;
  return (first_place_ + label_count_ - 1) / places_per_sheet() + 1;
}

std::optional<int64_t> PrintLayout::LabelAt(int64_t place) const {
  const int64_t printed = place - first_place_;
  if (printed < 0 || printed >= label_count_) return std::nullopt;
  const auto found =
      std::upper_bound(ranges_.begin(), ranges_.end(), printed,
                       [](int64_t p, const Range& range) { return p < range.printed; });
  const Range& range = *(found - 1);
  return range.first + printed - range.printed;
}

PrintLayout::Place PrintLayout::PlaceOf(int64_t printed) const {
  const int64_t place = first_place_ + printed;
  const int in_sheet = int(place % places_per_sheet());
  return Place{place / places_per_sheet() + 1, in_sheet / shape_.places_per_row,
               in_sheet % shape_.places_per_row};
}

std::optional<PrintLayout::Place> PrintLayout::PlaceOfLabel(int64_t index) const {
  for (const Range& range : ranges_) {
    if (index >= range.first && index < range.first + range.count) {
      return PlaceOf(range.printed + index - range.first);
    }
  }
  return std::nullopt;
}
