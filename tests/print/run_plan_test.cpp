#include "print/run_plan.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/main_model.h"
#include "model/start_values.h"
#include "support/qt_printers.h"
#include "support/test_barcodes.h"
#include "support/test_blocks.h"

namespace {

MainModel Consignment(const std::vector<Block>& blocks, bool remainder = false) {
  MainModel model;
  SetStartValues(model);
  model.l_last = remainder ? QStringLiteral("Yes") : QStringLiteral("No");
  PutBlocks(model, blocks);
  if (remainder) {
    model.blocks[model.block_count + 1].blk_start = 999;
    model.blocks[model.block_count + 1].blk_p_start = 77;
  }
  return model;
}

// A label of the run and the block whose alignments it is printed with.
struct Aligned {
  PlannedLabel label;
  int alignment_block = 0;
};

// The run's numbering carton by carton, as the print button has always done it with page rows of
// two labels, and as it does with `per_row`: the label column running across block boundaries, a
// page row taking the alignments of the block that completes it.
std::vector<Aligned> CartonByCarton(const MainModel& model, int per_row = 2) {
  std::vector<Aligned> labels;
  int64_t pallet = 0, left = 0, carry = 0, carry_pallet = 0;
  const auto complete_row = [&](int block) {
    const size_t n = labels.size();
    for (size_t i = (n - 1) / per_row * per_row; i < n; ++i) labels[i].alignment_block = block;
  };
  for (int b = 1; b <= model.block_count; ++b) {
    const BlockEntry& e = model.blocks[b];
    left = e.blk_pbox;
    pallet = e.blk_p_start;
    if (!e.IsMixed()) carry = 0;
    for (int c = e.blk_start; c <= e.blk_end; ++c) {
      int64_t printed;
      if (carry > 0) {
        --carry;
        printed = carry_pallet;
      } else {
        printed = pallet;
        carry_pallet = pallet;
        if (--left <= 0) {
          ++pallet;
          left = e.blk_pbox;
        }
      }
      if (c >= e.blk_end && left != e.blk_pbox) carry = left;
      labels.push_back({PlannedLabel{b, c, printed, false, {}}});
      if (labels.size() % per_row == 0) complete_row(b);
    }
  }
  if (model.l_last.trimmed() == u"Yes") {
    const int r = model.block_count + 1;
    labels.push_back(
        {PlannedLabel{r, model.blocks[r].blk_start, model.blocks[r].blk_p_start, true, {}}});
    complete_row(r);
  } else if (labels.size() % per_row != 0) {
    complete_row(model.block_count);
  }
  return labels;
}

void ExpectSameLabels(const RunPlan& plan, const std::vector<Aligned>& expected, int per_row) {
  ASSERT_EQ(plan.label_count(), int64_t(expected.size()));
  for (size_t i = 0; i < expected.size(); ++i) {
    const PlannedLabel got = plan.Label(int64_t(i));
    const int alignment = plan.AlignmentBlock(int64_t(i), per_row);
    const PlannedLabel& want = expected[i].label;
    ASSERT_TRUE(got.block == want.block && got.carton == want.carton && got.pallet == want.pallet &&
                got.remainder == want.remainder && alignment == expected[i].alignment_block)
        << "label " << i << ": block " << got.block << " carton " << got.carton << " pallet "
        << got.pallet << " alignments " << alignment << ", expected block " << want.block
        << " carton " << want.carton << " pallet " << want.pallet << " alignments "
        << expected[i].alignment_block;
  }
}

constexpr SheetShape kA4Eight{2, 4};

QString Cartons(const PrintLayout& layout) {
  QStringList cartons;
  for (int64_t place = 0; place < layout.sheets() * layout.places_per_sheet(); ++place) {
    const auto index = layout.LabelAt(place);
    cartons << (index ? QString::number(layout.plan().Label(*index).carton) : QStringLiteral("-"));
  }
  return cartons.join(u' ');
}

}  // namespace

TEST(RunPlan, WorkedExample) {
  const MainModel model = Consignment({{1, 25, 10, 1}, {26, 40, 10, 4, "Yes"}});
  const RunPlan plan = RunPlan::Of(model);
  ASSERT_EQ(plan.label_count(), 40);
  for (int i = 0; i < 40; ++i) {
    SCOPED_TRACE(i);
    const PlannedLabel label = plan.Label(i);
    EXPECT_EQ(label.carton, i + 1);
    EXPECT_EQ(label.pallet, i / 10 + 1);
    EXPECT_EQ(label.block, i < 25 ? 1 : 2);
    // The pair (25, 26) is printed with block 2's alignments.
    EXPECT_EQ(plan.AlignmentBlock(i, 2), i < 24 ? 1 : 2);
  }
  const PrintLayout layout(plan, PrintChoice{}, kA4Eight);
  EXPECT_EQ(layout.sheets(), 5);
  const PrintLayout::Place place = layout.PlaceOf(24);  // carton 25
  EXPECT_EQ(place.sheet, 4);
  EXPECT_EQ(place.page_row, 0);
  EXPECT_EQ(place.column, 0);
  // On a roll every label is a page of its own; on three across, carton 25 ends its page row.
  EXPECT_EQ(PrintLayout(plan, PrintChoice{}, SheetShape{1, 1}).sheets(), 40);
  const PrintLayout::Place third = PrintLayout(plan, PrintChoice{}, SheetShape{3, 2}).PlaceOf(24);
  EXPECT_EQ(third.sheet, 5);
  EXPECT_EQ(third.page_row, 0);
  EXPECT_EQ(third.column, 0);

  ASSERT_EQ(plan.blocks().size(), 2);
  const BlockPallets& second = plan.blocks()[1].pallets;
  EXPECT_EQ(second.carried, 5);
  EXPECT_EQ(second.carry_pallet, 3);
  EXPECT_EQ(second.LowestPallet(), 3);
  EXPECT_EQ(second.HighestPallet(), 4);
  EXPECT_TRUE(plan.Overlaps().isEmpty());
}

TEST(RunPlan, AgreesWithTheCartonByCartonRunOverChainedBlocks) {
  const int32_t starts[] = {1, 5, 10, 3, -4};
  const int32_t lengths[] = {0, 1, 2, 9, 10, 11, 23};
  const int32_t pboxes[] = {-3, 0, 1, 3, 10};
  for (int seed = 0; seed < 400; ++seed) {
    std::vector<Block> blocks;
    for (int i = 1; i <= 1 + seed % 4; ++i) {
      const int k = seed * 7 + i * 13;
      const int32_t start = starts[k % 5];
      blocks.push_back(Block{start, start + lengths[(k / 5) % 7] - 1, pboxes[(k / 35) % 5],
                             int16_t(1 + k % 4), (k / 3) % 2 ? "Yes" : "No"});
    }
    // Page rows of two labels, as the A4 sheets of eight have them, and of other stocks'.
    const int per_row = 1 + seed / 3 % 3;
    SCOPED_TRACE(seed);
    const MainModel model = Consignment(blocks, seed % 3 == 0);
    ExpectSameLabels(RunPlan::Of(model), CartonByCarton(model, per_row), per_row);
  }
}

TEST(RunPlan, LoneLastLabelTakesTheLastBlocksOrTheRemaindersAlignments) {
  // Block 3 has no cartons, yet its alignments print the lone label of block 2.
  MainModel model = Consignment({{1, 2, 5, 1}, {3, 3, 5, 1}, {9, 8, 5, 1}});
  EXPECT_EQ(RunPlan::Of(model).AlignmentBlock(2, 2), 3);
  model = Consignment({{1, 2, 5, 1}}, true);
  const RunPlan plan = RunPlan::Of(model);
  ASSERT_EQ(plan.label_count(), 3);
  EXPECT_TRUE(plan.Label(2).remainder);
  EXPECT_EQ(plan.AlignmentBlock(2, 2), 2);
  EXPECT_EQ(plan.Label(2).pallet, 77);
}

TEST(PrintLayout, StartPlaceSheetsAndCartons) {
  const MainModel model = Consignment({{1, 25, 10, 1}, {26, 40, 10, 4, "Yes"}});
  const RunPlan plan = RunPlan::Of(model);
  const struct {
    const char* name;
    PrintChoice choice;
    int64_t sheets;
    QString first_sheet;  // cartons on places 1..8 of the first printed sheet ("-": empty)
  } cases[] = {
      {"whole run", {}, 5, "1 2 3 4 5 6 7 8"},
      {"whole run from place 3", {PrintChoice::kWholeRun, 0, 0, 3}, 6, "- - 1 2 3 4 5 6"},
      {"sheets 2 to 3", {PrintChoice::kSheets, 2, 3, 1}, 2, "9 10 11 12 13 14 15 16"},
      // Sheets as the run lays them out from place 3: sheet 2 begins with carton 7.
      {"sheets 2 to 2 from place 3", {PrintChoice::kSheets, 2, 2, 3}, 1, "7 8 9 10 11 12 13 14"},
      {"the last sheet from place 3", {PrintChoice::kSheets, 6, 6, 3}, 1, "39 40 - - - - - -"},
      {"cartons 24 to 27 across two blocks",
       {PrintChoice::kCartons, 24, 27, 1},
       1,
       "24 25 26 27 - - - -"},
      {"cartons 17 to 18 from place 3", {PrintChoice::kCartons, 17, 18, 3}, 1, "- - 17 18 - - - -"},
      {"cartons outside the run", {PrintChoice::kCartons, 50, 60, 1}, 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const PrintLayout layout(plan, c.choice, kA4Eight);
    EXPECT_EQ(layout.sheets(), c.sheets);
    EXPECT_EQ(Cartons(layout).left(c.first_sheet.size()), c.first_sheet);
  }

  // Reprinted labels keep their own pallet numbers and alignments.
  const PrintLayout reprint(plan, {PrintChoice::kCartons, 24, 27, 1}, kA4Eight);
  EXPECT_EQ(reprint.label_count(), 4);
  EXPECT_EQ(plan.Label(*reprint.LabelAt(1)).pallet, 3);
  EXPECT_EQ(reprint.AlignmentBlock(*reprint.LabelAt(1)), 2);  // carton 25 printed beside 26
  EXPECT_EQ(reprint.AlignmentBlock(*reprint.LabelAt(0)), 1);
  const auto place = reprint.PlaceOfLabel(25);  // carton 26
  ASSERT_TRUE(place.has_value());
  EXPECT_EQ(place->column, 0);
  EXPECT_EQ(place->page_row, 1);
}

TEST(RunPlan, OverlapsNameTheBlocksAndCartons) {
  const MainModel model = Consignment(
      {{1, 30, 10, 1}, {26, 40, 10, 4}, {9, 3, 10, 9}, {40, 41, 10, 9}, {100, 101, 5, 1}});
  const QList<BlockOverlap> overlaps = RunPlan::Of(model).Overlaps();
  ASSERT_EQ(overlaps.size(), 2);
  EXPECT_EQ(overlaps[0].first_block, 1);
  EXPECT_EQ(overlaps[0].second_block, 2);
  EXPECT_EQ(overlaps[0].from, 26);
  EXPECT_EQ(overlaps[0].to, 30);
  EXPECT_EQ(overlaps[1].first_block, 2);
  EXPECT_EQ(overlaps[1].second_block, 4);
  EXPECT_EQ(overlaps[1].from, 40);
  EXPECT_EQ(overlaps[1].to, 40);
}

TEST(RunPlan, EveryLabelCarriesItsBarcodeContent) {
  MainModel model = Consignment({{1, 25, 10, 1}, {26, 40, 10, 4, "Yes"}}, true);
  const struct {
    BarcodeKind kind;
    const char* content_template;
    // Labels 0 (carton 1), 24 (carton 25), 25 (carton 26 on pallet 3) and the remainder.
    QStringList expected;
  } cases[] = {
      {BarcodeKind::kNone, "{C}", {"", "", "", ""}},
      {BarcodeKind::kCode128, "PO4711-{C}", {"PO4711-1", "PO4711-25", "PO4711-26", "PO4711-999"}},
      {BarcodeKind::kQrCode,
       "B{b} P{P} C{C} {X}",
       {"B1 P1 C1 {X}", "B1 P3 C25 {X}", "B2 P3 C26 {X}", "B3 P77 C999 {X}"}},
      {BarcodeKind::kSscc,
       "",
       {"(00)106141410000000019", "(00)106141410000000255", "(00)106141410000000262",
        "(00)106141410000009999"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.content_template);
    model.barcode = TestBarcode(c.kind, QString::fromUtf8(c.content_template));
    const RunPlan plan = RunPlan::Of(model);
    EXPECT_EQ(plan.barcode(), model.barcode);
    const QStringList got{plan.Label(0).barcode, plan.Label(24).barcode, plan.Label(25).barcode,
                          plan.Label(40).barcode};
    EXPECT_EQ(got, c.expected);
  }
  // A carton the SSCC's serial reference cannot hold has no content; the run's checks refuse it.
  model.blocks[3].blk_start = -1;
  EXPECT_EQ(RunPlan::Of(model).Label(40).barcode, QString());
}
