#include "preview/sheet_preview.h"

#include <QCoreApplication>
#include <QPageSize>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "model/fonts.h"
#include "model/main_model.h"
#include "model/units.h"
#include "print/fit_check.h"
#include "print/painter_surface.h"
#include "print/run_plan.h"

namespace {

// The print run's font.
constexpr double kPrintPoints = 12.0;
// Grey, and light enough to read what lies under it.
const QColor kUnprintableShade(96, 96, 96, 64);

}  // namespace

QSizeF A4Twips() { return QPageSize(QPageSize::A4).size(QPageSize::Point) * 20.0; }

SheetPreview::SheetPreview(const MainModel& job, const PrintLayout& layout, const PaperSetup& paper)
    : job_(job), layout_(layout), paper_(paper), drawer_(job, layout, paper.fit.pitch) {}

int64_t SheetPreview::sheets() const { return layout_.sheets(); }

QList<LabelArea> SheetPreview::Draw(Surface& surface, int64_t sheet) {
  QList<LabelArea> areas;
  surface.SetFont(kMingFont, kPrintPoints, false);
  surface.SetOrigin(paper_.Origin());
  surface.SetX(0);
  surface.SetY(0);
  const double label_width = job_.line_width * surface.ColumnWidth();
  const int64_t sheet_start = (sheet - 1) * layout_.places_per_sheet();
  const int rows = drawer_.PageRowsOn(sheet);
  for (int page_row = 0; page_row < rows; ++page_row) {
    if (page_row > 0) drawer_.StepToNextPageRow(surface);
    // A page row after the first begins one line below where the step leaves the position: its
    // first row text stands left of the last one printed.
    const double top = surface.y() + (page_row > 0 ? surface.LineHeight() : 0);
    drawer_.DrawPageRow(surface, sheet, page_row);
    const double bottom = surface.y() + surface.LineHeight();
    for (int half = 0; half < 2; ++half) {
      const std::optional<int64_t> label = layout_.LabelAt(sheet_start + 2 * page_row + half);
      if (!label) continue;
      const QRectF rect(half * label_width, top, label_width, bottom - top);
      areas << LabelArea{rect.translated(paper_.Origin()), *label};
    }
  }
  return areas;
}

QImage SheetPreview::Paint(int64_t sheet, int dots_per_inch, double pixel_ratio,
                           QList<LabelArea>* areas) {
  const QSizeF paper = A4Twips();
  const QSize pixels(qRound(paper.width() * dots_per_inch * pixel_ratio / kTwipsPerInch),
                     qRound(paper.height() * dots_per_inch * pixel_ratio / kTwipsPerInch));
  QImage image(pixels.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  // The painter draws in logical dots; the image's own resolution turns twips into them.
  const int dots_per_meter = DotsPerMetre(dots_per_inch);
  image.setDotsPerMeterX(dots_per_meter);
  image.setDotsPerMeterY(dots_per_meter);
  image.setDevicePixelRatio(pixel_ratio);
  image.fill(Qt::white);

  QPainter painter(&image);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.setPen(Qt::black);
  PainterSurface surface(painter, paper.width());
  QList<LabelArea> drawn = Draw(surface, sheet);
  if (areas) *areas = std::move(drawn);
  // Where the printer cannot print, shaded over the labels: what runs into it shows dimmed.
  surface.SetOrigin(QPointF());
  for (const QRectF& band : UnprintableBands(paper_.printable, paper)) {
    surface.FillRect(band, kUnprintableShade);
  }
  return image;
}

std::optional<int64_t> LabelAtPoint(const QList<LabelArea>& areas, const QPointF& point) {
  for (const LabelArea& area : areas) {
    if (area.rect.contains(point)) return area.label;
  }
  return std::nullopt;
}

QString LabelTip(const RunPlan& plan, int64_t label) {
  const PlannedLabel planned = plan.Label(label);
  const QString block =
      planned.remainder
          ? QCoreApplication::translate("SheetPreview", "尾數箱")
          : QCoreApplication::translate("SheetPreview", "第 %1 區段").arg(planned.block);
  QString tip = QCoreApplication::translate("SheetPreview", "%1\n箱號 %2\n墊板 %3")
                    .arg(block)
                    .arg(planned.carton)
                    .arg(planned.pallet);
  if (!planned.barcode.isEmpty()) {
    tip += QCoreApplication::translate("SheetPreview", "\n條碼 %1").arg(planned.barcode);
  }
  return tip;
}

int ZoomDpi(ZoomMode mode, const QSize& view, int margin, double screen_dpi, int custom_dpi) {
  const QSizeF paper = A4Twips() / kTwipsPerInch;  // inches
  const double width = std::max(1, view.width() - 2 * margin);
  const double height = std::max(1, view.height() - 2 * margin);
  double dpi = 96;
  switch (mode) {
    case ZoomMode::kWholePage:
      dpi = std::min(width / paper.width(), height / paper.height());
      break;
    case ZoomMode::kPageWidth:
      dpi = width / paper.width();
      break;
    case ZoomMode::kActualSize:
      dpi = screen_dpi;
      break;
    case ZoomMode::kCustom:
      dpi = custom_dpi;
      break;
  }
  // Rounded down, so a page that is to fit the view does.
  return std::clamp(int(std::floor(dpi)), kMinZoomDpi, kMaxZoomDpi);
}
