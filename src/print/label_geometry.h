#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <optional>

#include "barcode/barcode_symbol.h"
#include "model/label_grid.h"
#include "model/label_stock.h"
#include "print/print_target.h"
#include "print/run_plan.h"
#include "print/surface.h"

struct MainModel;

// Where a destination's pages lie on its paper, as its printer says.
struct PaperSetup {
  // The part of the stock's page that the printer prints on, in twips from the page's top-left
  // corner; a print's (0, 0) is its corner. Empty when the printer is not known.
  QRectF printable;
  // A destination with no unprintable edge, a PDF file: its (0, 0) is the paper's corner, and a
  // stock's places are measured from the paper's edges.
  bool edgeless = false;
  // The printer's fit to its stock, and the stock.
  StockFit fit;
  // The page the printer is set up for and the largest it takes.
  PrinterPaper printer;
  // The printer's dots an inch, on which a barcode's bars are put; 0 where there are none (a PDF
  // file) or the printer does not say.
  double dpi = 0;
};

// The paper of `destination` (its fit and stock already chosen) as `target` reports it.
PaperSetup PaperSetupOf(const PrintTarget& target, const PrintDestination& destination);

// Where every label of a run sits, worked out once from the job and the destination: the label
// grid of the template (columns, lines, the gap between page rows), the stock (its page and the
// places on it, a page row being one row of places) and the destination (its printable area on
// the stock's page, or none for a PDF file; the printer's offsets and pitch). Every drawer, check,
// preview and calibration sheet reads it.
//
// A label is the template's label as designed, 105 × 74.25 mm with the grid at its top-left
// corner. On a stock whose places are another size it is drawn uniformly scaled to fit its place
// and centred there: its texts, picture and barcode together, by a scale on the surface
// (GridPlacement), never laid out anew. On a4-8 the place is the label and the scale is 1.
//
// The grid of a page row runs across its labels: label `column` of a page row owns the grid's
// columns from column × line_width + 1, so a text that runs past its label's edge pushes the next
// label's text of that row, and the rest of the page row, one line down, on every stock as on the
// A4 sheet of eight. A page row's grid begins at its first line (y 0), and the print position
// carries a row that ran over on into the next page rows of the sheet, as the printer's print
// position always has.
//
// Lengths are twips in a frame: the print's, whose (0, 0) is the printable area's corner (the
// paper's on a PDF file), as a printer's surface has it; or the paper's (OnPaper), as the
// preview's page has it.
class LabelGeometry {
 public:
  LabelGeometry(const LabelGrid& grid, const PaperSetup& paper);
  // The job's grid on `paper`.
  static LabelGeometry Of(const MainModel& job, const PaperSetup& paper);

  // The same geometry in the paper's frame: (0, 0) is the paper's top-left corner.
  LabelGeometry OnPaper() const;

  const LabelGrid& grid() const { return grid_; }
  const PaperSetup& paper() const { return paper_; }
  // The stock, with the printer's pitch between its page rows when the printer has one.
  const LabelStock& stock() const { return stock_; }
  SheetShape shape() const { return {stock_.columns, stock_.rows}; }
  // The stock's page.
  QSizeF page() const { return stock_.page.ToSizeF(); }

  // Where the print's (0, 0) lies on the paper.
  QPointF origin() const;
  // The printable area in this frame; empty when not known.
  QRectF PrintableArea() const;

  // The designed label's scale in the stock's places: 1 on a4-8.
  double scale() const { return scale_; }

  // The printer's dots as a label's symbol meets them, scaled with the label; none on a PDF file.
  PrinterDots dots() const { return PrinterDots{paper_.dpi, scale_}; }
  // The point of a label's grid nearest to `point` that `placement` puts on a printer dot's corner
  // of the paper: a symbol placed there, its modules whole dots (ModuleDots), has every bar edge
  // between two dots. The paper's dots begin at its corner, wherever the printable area does.
  // `point` itself where there are no dots.
  QPointF OnDots(const GridPlacement& placement, const QPointF& point) const;

  // Place `column` of page row `page_row` (both from 0) in this frame: the stock's place moved by
  // the printer's offsets.
  QRectF Place(int page_row, int column) const;
  // The label as drawn there: the designed label, scaled and centred in its place. Its top-left
  // corner is where the label's first line and column 1 begin.
  QRectF LabelRect(int page_row, int column) const;
  // How the page row's grid lands for that label: its grid columns from column × line_width on
  // at the label's corner, the grid's y 0 at the corner's height.
  GridPlacement Placement(int page_row, int column) const;

 private:
  // The place and the label as drawn, before the printer's offsets.
  QRectF UnmovedPlace(int page_row, int column) const;
  QRectF UnmovedLabel(int page_row, int column) const;

  LabelGrid grid_;
  PaperSetup paper_;
  LabelStock stock_;
  QPointF frame_;  // the frame's (0, 0) on the paper
  double scale_ = 1;
  QSizeF drawn_;  // the designed label at its scale
};
