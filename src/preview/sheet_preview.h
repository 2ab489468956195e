#pragma once

#include <QImage>
#include <QList>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <cstdint>
#include <optional>

#include "print/print_target.h"
#include "print/sheet_walk.h"
#include "print/symbol_shapes.h"

class PrintLayout;
class RunPlan;
class Surface;
struct MainModel;

// The sheets of the whole-run preview, drawn without a window: each sheet on its A4 paper as the
// chosen destination will print it, drawn from the plan only when it is asked for.

// The A4 sheet in twips.
QSizeF A4Twips();

// Where a destination's drawing lies on its paper: its printable area (twips from the sheet's
// top-left corner; a print's (0, 0) is this area's corner) and the printer's fit to its stock.
struct PaperSetup {
  QRectF printable;
  StockFit fit;

  // Where the print's (0, 0) lands on the paper.
  QPointF Origin() const { return printable.topLeft() + fit.offset; }
};

// The room a printed label takes on its paper, for pointing at it.
struct LabelArea {
  QRectF rect;    // twips from the paper's top-left corner
  int64_t label;  // the label's index in the run plan
};

class SheetPreview {
 public:
  // `job` and `layout` must outlive the preview.
  SheetPreview(const MainModel& job, const PrintLayout& layout, const PaperSetup& paper);

  int64_t sheets() const;
  const PaperSetup& paper() const { return paper_; }

  // Draws the labels of `sheet` (from 1) onto `surface`, whose (0, 0) is the paper's top-left
  // corner, exactly as the print run draws that sheet on its printer, only moved to where the
  // printer's (0, 0) lies on the paper. Says where each label went.
  QList<LabelArea> Draw(Surface& surface, int64_t sheet);

  // The page of `sheet` as the screen shows it, `dots_per_inch` logical dots to the inch and
  // `pixel_ratio` device pixels to the dot: the white paper, then the labels. The one place that
  // paints a page, so marks on the paper (such as where the printer cannot print) are added here.
  QImage Paint(int64_t sheet, int dots_per_inch, double pixel_ratio = 1.0,
               QList<LabelArea>* areas = nullptr);

  // A spot to point at on sheet `sheet`: a rectangle (twips from the paper's top-left corner)
  // outlined over the page. Sheet 0: none.
  void SetOutline(int64_t sheet, const QRectF& spot);

 private:
  const MainModel& job_;
  const PrintLayout& layout_;
  PaperSetup paper_;
  SymbolShapes shapes_;
  SheetWalk walk_;  // keeps the picture decoded from page to page
  int64_t outline_sheet_ = 0;
  QRectF outline_;
};

// The label under `point` (twips on the paper), if any.
std::optional<int64_t> LabelAtPoint(const QList<LabelArea>& areas, const QPointF& point);

// The tooltip for label `label` of `plan`: its block, carton and pallet, and what its barcode
// encodes when the job has one.
QString LabelTip(const RunPlan& plan, int64_t label);

// How big the preview shows a page: the whole page in the view, the page's width in the view, or
// the paper's own size on the screen (100 %).
enum class ZoomMode { kWholePage, kPageWidth, kActualSize, kCustom };

// Dots to the inch at which a page fills `view` (pixels, less `margin` on each side) in `mode`;
// `screen_dpi` for the actual size, `custom_dpi` for kCustom. Kept between kMinZoomDpi and
// kMaxZoomDpi.
inline constexpr int kMinZoomDpi = 12;
inline constexpr int kMaxZoomDpi = 480;
int ZoomDpi(ZoomMode mode, const QSize& view, int margin, double screen_dpi, int custom_dpi = 96);
