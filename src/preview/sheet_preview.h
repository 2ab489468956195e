#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <array>
#include <cstdint>
#include <optional>

#include "print/label_geometry.h"
#include "print/print_target.h"
#include "print/sheet_walk.h"
#include "print/symbol_shapes.h"

class PrintLayout;
class RunPlan;
class Surface;
struct MainModel;

// The sheets of the whole-run preview, drawn without a window: each page of the stock as the
// chosen destination will print it, drawn from the plan only when it is asked for.

// The room a printed label takes on its paper, for pointing at it.
struct LabelArea {
  QRectF rect;    // twips from the paper's top-left corner
  int64_t label;  // the label's index in the run plan
};

class SheetPreview {
 public:
  // `job` and `layout` must outlive the preview; `geometry` places the labels (in any frame).
  SheetPreview(const MainModel& job, const PrintLayout& layout, const LabelGeometry& geometry);

  int64_t sheets() const;
  // The geometry in the paper's frame.
  const LabelGeometry& geometry() const { return walk_.geometry(); }

  // Draws the labels of `sheet` (from 1) onto `surface`, whose (0, 0) is the paper's top-left
  // corner, exactly as the print run draws that sheet on its printer, only moved to where the
  // printer's (0, 0) lies on the paper. Says where each label went.
  QList<LabelArea> Draw(Surface& surface, int64_t sheet);

  // The page of `sheet` as the screen shows it, `dots_per_inch` logical dots to the inch and
  // `pixel_ratio` device pixels to the dot: the white paper of the stock's page, then the labels.
  // `part`, in logical dots from the page's top-left corner, is the piece of the page the image
  // holds (empty: the whole page), so a page zoomed far beyond the screen costs what is in view.
  // The one place that paints a page, so marks on the paper (such as where the printer cannot
  // print) are added here. Says where every label of the sheet went, in view or not.
  QImage Paint(int64_t sheet, int dots_per_inch, double pixel_ratio = 1.0,
               QList<LabelArea>* areas = nullptr, const QRect& part = {});

  // A spot to point at on sheet `sheet`: a rectangle (twips from the paper's top-left corner)
  // outlined over the page. Sheet 0: none.
  void SetOutline(int64_t sheet, const QRectF& spot);

 private:
  const PrintLayout& layout_;
  SymbolShapes shapes_;
  SheetWalk walk_;  // keeps the picture decoded from page to page
  int64_t outline_sheet_ = 0;
  QRectF outline_;
};

// The label under `point` (twips on the paper), if any.
std::optional<int64_t> LabelAtPoint(const QList<LabelArea>& areas, const QPointF& point);

// The tooltip for label `label` of `layout`'s plan: the sheet and place it is printed on in the
// layout, its block, carton and pallet, and what its barcode encodes when the job has one.
QString LabelTip(const PrintLayout& layout, int64_t label);

// How big the preview shows a page: the whole page in the view, the page's width in the view, or a
// percentage of the paper's own size on the screen.
enum class ZoomMode { kWholePage, kPageWidth, kPercent };

// The zoom steps a clerk knows from other programs, in percent of the paper's own size.
inline constexpr std::array<int, 11> kZoomSteps{25, 33, 50, 67, 75, 100, 125, 150, 200, 300, 400};

// The step `steps` steps above (steps > 0) or below a zoom of `percent`, which need not be a step
// itself: from a fit of 87 % one step in is 100 %, one step out 75 %. Kept to the first and last
// step.
int ZoomStep(double percent, int steps);

// Dots to the inch at which a page of `page` twips fills `view` (pixels, less `margin` on each
// side) in `mode`; `percent` of `screen_dpi` for kPercent. Kept between kMinZoomDpi and
// kMaxZoomDpi.
inline constexpr int kMinZoomDpi = 12;
inline constexpr int kMaxZoomDpi = 480;
int ZoomDpi(ZoomMode mode, const QSizeF& page, const QSize& view, int margin, double screen_dpi,
            int percent = 100);
