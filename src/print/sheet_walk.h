#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <array>
#include <cstdint>
#include <optional>

#include "barcode/barcode_symbol.h"
#include "print/label_geometry.h"
#include "print/label_renderer.h"
#include "print/run_plan.h"
#include "print/surface.h"
#include "print/symbol_shapes.h"

class Surface;
struct MainModel;

// Puts the texts of `label` into place `column` of the page-row texts: the rows of its block, with
// "P/NO. : " and its pallet number in the pallet-number row and "C/NO. : " and its carton number in
// the carton-number row ("P/NO. " and "C/NO. " for the remainder carton). A row marked for both
// numbers carries the pallet number.
void ComposeLabel(const MainModel& model, const PlannedLabel& label, PrintBuffer& texts,
                  int column);

// One label of a page row as the walk laid it out. Rectangles are twips as drawn: in the frame of
// the walk's geometry.
struct WalkedLabel {
  int64_t index = 0;  // in the run plan
  PlannedLabel label;
  QRectF area;                    // from its first line to the foot of its last, across its width
  std::optional<QRectF> picture;  // where the label picture went; none without one
  std::optional<QRectF> barcode;  // the symbol's dark part: its bars and its digits
};

// A page row as the walk laid it out: where it lies and what stands on it.
struct WalkedPageRow {
  int64_t sheet = 0;  // from 1
  int page_row = 0;   // from 0, top to bottom
  // A label or none in each place of the page row, left to right.
  QList<std::optional<WalkedLabel>> labels;
  // The row texts as printed, and where each began (twips as drawn, the top of its line). A cell
  // whose text is empty only moved the print position.
  PrintBuffer texts;
  std::array<QList<QPointF>, MainModel::kRows> text_at;
  // The scale the labels are drawn at: a line and a column are that much of the grid's.
  double scale = 1;
};

// A surface that only lays texts out on its grid and draws nothing: what the preflight walks on.
class GridSurface : public Surface {
 public:
  explicit GridSurface(double width) : width_(width) {}
  double SurfaceWidth() const override { return width_; }

 protected:
  void DrawTextRun(double, double, const QString&) override {}
  void DrawImage(const Picture&, const QRectF&) override {}
  void DrawFilledRect(const QRectF&, const QColor&) override {}
  void DrawFilledRects(const QList<QRectF>&, const QColor&) override {}
  void DrawStroke(const QLineF&, double, const QColor&) override {}
  void DrawPlacedText(double, double, const QString&) override {}

 private:
  double width_;
};

// Told of a walk as it goes. Each answer false stops the walk there.
class SheetVisitor {
 public:
  virtual ~SheetVisitor() = default;

  virtual bool PageRowDone(const WalkedPageRow& /*row*/) { return true; }
  // False for a visitor that reads only where the page row is, not its texts and marks: the walk
  // then spares itself noting them (printing thousands of sheets).
  virtual bool ReadsMarks() const { return true; }
  virtual bool SheetDone(int64_t /*sheet*/) { return true; }
};

// The one walk over the sheets of a layout: page row after page row, each composed from the plan,
// laid out on the label grid, placed by the geometry and (unless only measured) drawn, then
// reported to a visitor. Printing, the preflight's measuring and the whole-run preview all go
// through it, so where a label stands is worked out in one place. The page row's place follows the
// print position as the texts leave it: a row text that runs over pushes the rest of its page row,
// and its pictures and barcodes, one line down, and the page rows after it on the sheet too.
class SheetWalk {
 public:
  // Labels are placed by `geometry`, in its frame. A symbol's place and size come from `shapes`;
  // `encoder` draws it, one encoding a label.
  SheetWalk(const MainModel& model, const PrintLayout& layout, const LabelGeometry& geometry,
            SymbolShapes& shapes, BarcodeEncoder& encoder = SharedBarcodeEncoder());

  const PrintLayout& layout() const { return layout_; }
  const LabelGeometry& geometry() const { return geometry_; }

  // Page rows of `sheet` (from 1) that are drawn: up to the last one holding a label.
  int PageRowsOn(int64_t sheet) const;

  // Every sheet of the layout onto `surface`, a new page for each after the first. With `draw`
  // false the symbols are only placed, not encoded (the texts and pictures go to the surface,
  // which may draw nothing): what the visitor is told is the same. False when the visitor stopped
  // it. The surface's font is the label grid's.
  bool Walk(Surface& surface, SheetVisitor& visitor, bool draw = true);

  // One sheet from the top of the surface's current page.
  bool WalkSheet(Surface& surface, SheetVisitor& visitor, int64_t sheet, bool draw = true);

  const PictureCache& pictures() const { return pictures_; }

 private:
  bool PageRows(Surface& surface, SheetVisitor& visitor, int64_t sheet, bool draw);
  void LayOut(Surface& surface, WalkedPageRow& row, bool draw, bool marks);
  void StepToNextPageRow(Surface& surface) const;

  const MainModel& model_;
  const PrintLayout& layout_;
  LabelGeometry geometry_;
  SymbolShapes& shapes_;
  BarcodeEncoder& encoder_;
  PictureCache pictures_;
  WalkedPageRow row_;  // reused from page row to page row
  PageRow page_row_;   // likewise
};
