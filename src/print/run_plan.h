#pragma once

#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

#include "blocks/pallet_counter.h"
#include "model/label_barcode.h"

struct MainModel;

// One label of a run.
struct PlannedLabel {
  int block = 0;           // its entry of the block table (block_count + 1 for the remainder)
  int64_t carton = 0;      // carton number
  int64_t pallet = 0;      // pallet number printed on it
  bool remainder = false;  // the remainder carton's label
  // What the label's barcode encodes (see ComposeContent): the template expanded with its numbers,
  // or "(00)" and the SSCC. Empty without a barcode, and for a label whose content cannot be
  // composed (the run's checks refuse it before anything prints).
  QString barcode;
};

// A block's share of the run.
struct PlannedBlock {
  int block = 0;             // entry of the block table
  bool remainder = false;    // the remainder carton
  int64_t first_label = 0;   // index of its first label in the run
  int64_t first_carton = 0;  // its first carton number
  BlockPallets pallets;      // its cartons on pallets; pallets.cartons is its number of labels
};

// Two numbered blocks whose carton ranges share cartons `from`..`to`.
struct BlockOverlap {
  int first_block = 0;
  int second_block = 0;
  int64_t from = 0;
  int64_t to = 0;
};

// The whole run as the print button prints it, worked out once from the block table, the row marks
// and the remainder option: which label comes where in the run, with which carton and pallet number
// and which alignments. Every consumer (the print run, the whole-run preview, its summary and
// checks, reprints of sheets or cartons, the command line) reads the run from here, so the
// numbering is written once. The plan holds a few numbers per block and works a label out only when
// asked, so a run of millions of labels costs what one of ten costs.
//
// It is made after the checks of the print run: the block on screen stored, the numbers in range.
class RunPlan {
 public:
  static RunPlan Of(const MainModel& model);

  // Labels of the run, the remainder label included.
  int64_t label_count() const { return label_count_; }
  PlannedLabel Label(int64_t index) const;

  // The numbered blocks (those without cartons included) and, last, the remainder carton when the
  // run prints it.
  const QList<PlannedBlock>& blocks() const { return blocks_; }

  // Numbered blocks that share carton numbers, in block order.
  QList<BlockOverlap> Overlaps() const;

  // The block whose alignment words label `index` is printed with, on page rows of
  // `places_per_row` labels: the one current when the label's page row of the run is completed, so
  // a page row holding the last carton of one block and the first of the next takes the next
  // block's alignments. A last page row that is not full takes the remainder carton's, or else the
  // last block's, whether or not that block has a label.
  int AlignmentBlock(int64_t index, int places_per_row) const;

  // The job's barcode settings, which every label's content follows.
  const BarcodeSettings& barcode() const { return barcode_; }

 private:
  // The label's block, numbers and remainder mark, without its alignments and barcode.
  PlannedLabel Numbers(int64_t index) const;

  QList<PlannedBlock> blocks_;
  BarcodeSettings barcode_;
  int64_t label_count_ = 0;
  int last_block_ = 0;       // block_count: the lone last label's alignments
  int remainder_block_ = 0;  // block_count + 1, or 0 when the run prints no remainder
};

// How the places of a stock's sheet are laid out: page rows of `places_per_row` labels, `page_rows`
// of them to a sheet. Places count from 1, left to right and top to bottom.
struct SheetShape {
  int places_per_row = 1;
  int page_rows = 1;

  int places() const { return places_per_row * page_rows; }

  bool operator==(const SheetShape&) const = default;
};

// Which labels of a run are printed: the whole run, sheets `from`..`to` of it, or the labels whose
// carton numbers lie in `from`..`to`. The places of a sheet are numbered from 1, left to right and
// top to bottom (1 to 8 on the A4 sheets of eight).
struct PrintChoice {
  enum Kind { kWholeRun, kSheets, kCartons };
  Kind kind = kWholeRun;
  int64_t from = 0;
  int64_t to = 0;
  int start_place = 1;  // the first label's place on the first sheet

  bool operator==(const PrintChoice&) const = default;
};

// The labels a print puts on paper, place after place: the chosen labels of the plan packed from
// the start place (the places before it stay empty). Sheets of a whole run are those of the plan
// laid out from the start place; a reprint of sheets prints those sheets as they are there.
class PrintLayout {
 public:
  // On sheets of `shape`.
  PrintLayout(const RunPlan& plan, const PrintChoice& choice, const SheetShape& shape);
  // The layout keeps a reference to its plan: a plan that ends with the statement would leave it
  // dangling (the sanitizer build found one in a test).
  PrintLayout(RunPlan&& plan, const PrintChoice& choice, const SheetShape& shape) = delete;

  const RunPlan& plan() const { return *plan_; }
  // Labels printed, and sheets they take.
  int64_t label_count() const { return label_count_; }
  int64_t sheets() const;
  const SheetShape& shape() const { return shape_; }
  // Places on a sheet.
  int places_per_sheet() const { return shape_.places(); }
  // The place (0 for place 1 on sheet 1) of the first printed label.
  int64_t first_place() const { return first_place_; }

  // The label of the plan at place `place` (counted from 0 on sheet 1), if one goes there.
  std::optional<int64_t> LabelAt(int64_t place) const;

  // Label `index` of the plan, and the block whose alignments it is printed with on these sheets.
  PlannedLabel Label(int64_t index) const { return plan_->Label(index); }
  int AlignmentBlock(int64_t index) const {
    return plan_->AlignmentBlock(index, shape_.places_per_row);
  }

  // Where printed label `printed` (its index among the printed labels) goes: sheet from 1, page row
  // and place in it (column) from 0.
  struct Place {
    int64_t sheet = 0;
    int page_row = 0;
    int column = 0;

    // Its place on the sheet, from 0.
    int InSheet(const SheetShape& shape) const { return page_row * shape.places_per_row + column; }
  };
  Place PlaceOf(int64_t printed) const;
  // Where label `index` of the plan is printed, if it is.
  std::optional<Place> PlaceOfLabel(int64_t index) const;

 private:
  struct Range {
    int64_t first = 0;    // first label of the plan
    int64_t count = 0;    // labels
    int64_t printed = 0;  // printed labels before it
  };

  const RunPlan* plan_;
  SheetShape shape_;
  QList<Range> ranges_;
  int64_t label_count_ = 0;
  int64_t first_place_ = 0;
};
