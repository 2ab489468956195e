#include "preview/sheet_preview.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "model/main_model.h"
#include "model/units.h"
#include "print/painter_surface.h"
#include "print/preflight.h"
#include "print/run_plan.h"

namespace {

// Grey, and light enough to read what lies under it.
const QColor kUnprintableShade(96, 96, 96, 64);
// A spot the preflight points at: a red frame that stands out from black labels and grey shade.
const QColor kOutline(220, 0, 0);
constexpr double kOutlineTwips = 30;  // 0.5 mm
constexpr double kOutlineRoom = 60;   // between the spot and its frame

// Notes the room each label took, as the walk draws the sheet.
class LabelAreas : public SheetVisitor {
 public:
  explicit LabelAreas(QList<LabelArea>& areas) : areas_(areas) {}

  bool PageRowDone(const WalkedPageRow& row) override {
    for (const std::optional<WalkedLabel>& label : row.labels) {
      if (label) areas_ << LabelArea{label->area, label->index};
    }
    return true;
  }

 private:
  QList<LabelArea>& areas_;
};

}  // namespace

SheetPreview::SheetPreview(const MainModel& job, const PrintLayout& layout,
                           const LabelGeometry& geometry)
    : layout_(layout), walk_(job, layout, geometry.OnPaper(), shapes_) {}

int64_t SheetPreview::sheets() const { return layout_.sheets(); }

QList<LabelArea> SheetPreview::Draw(Surface& surface, int64_t sheet) {
  QList<LabelArea> areas;
  LabelAreas visitor(areas);
  walk_.WalkSheet(surface, visitor, sheet);
  return areas;
}

void SheetPreview::SetOutline(int64_t sheet, const QRectF& spot) {
  outline_sheet_ = sheet;
  outline_ = spot;
}

QImage SheetPreview::Paint(int64_t sheet, int dots_per_inch, double pixel_ratio,
                           QList<LabelArea>* areas, const QRect& part) {
  const QSizeF paper = geometry().page();
  const QRect page(0, 0, qRound(paper.width() * dots_per_inch / kTwipsPerInch),
                   qRound(paper.height() * dots_per_inch / kTwipsPerInch));
  const QRect piece = part.isEmpty() ? page : part;
  QImage image((QSizeF(piece.size()) * pixel_ratio).toSize().expandedTo(QSize(1, 1)),
               QImage::Format_RGB32);
  // The painter draws in logical dots; the image's own resolution turns twips into them.
  const int dots_per_meter = DotsPerMetre(dots_per_inch);
  image.setDotsPerMeterX(dots_per_meter);
  image.setDotsPerMeterY(dots_per_meter);
  image.setDevicePixelRatio(pixel_ratio);
  image.fill(Qt::white);

  QPainter painter(&image);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  // What lies outside the piece is left out as the image's edge clips it.
  painter.translate(-piece.topLeft());
  painter.setPen(Qt::black);
  PainterSurface surface(painter, paper.width());
  QList<LabelArea> drawn = Draw(surface, sheet);
  if (areas) *areas = std::move(drawn);
  // Where the printer cannot print, shaded over the labels: what runs into it shows dimmed.
  surface.SetPlacement(GridPlacement{});
  for (const QRectF& band : UnprintableBands(geometry().PrintableArea(), paper)) {
    surface.FillRect(band, kUnprintableShade);
  }
  if (outline_sheet_ == sheet) {
    const QRectF frame =
        outline_.adjusted(-kOutlineRoom, -kOutlineRoom, kOutlineRoom, kOutlineRoom);
    for (const QLineF& side :
         {QLineF(frame.topLeft(), frame.topRight()), QLineF(frame.topRight(), frame.bottomRight()),
          QLineF(frame.bottomRight(), frame.bottomLeft()),
          QLineF(frame.bottomLeft(), frame.topLeft())}) {
      surface.DrawLine(side, kOutlineTwips, kOutline);
    }
  }
  return image;
}

std::optional<int64_t> LabelAtPoint(const QList<LabelArea>& areas, const QPointF& point) {
  for (const LabelArea& area : areas) {
    if (area.rect.contains(point)) return area.label;
  }
  return std::nullopt;
}

QString LabelTip(const PrintLayout& layout, int64_t label) {
  const PlannedLabel planned = layout.Label(label);
  const QString block =
      planned.remainder
          ? QCoreApplication::translate("SheetPreview", "尾數箱")
          : QCoreApplication::translate("SheetPreview", "第 %1 區段").arg(planned.block);
  QString tip;
  if (const std::optional<PrintLayout::Place> place = layout.PlaceOfLabel(label)) {
    tip = QCoreApplication::translate("SheetPreview", "第 %1 張第 %2 格\n")
              .arg(place->sheet)
              .arg(place->InSheet(layout.shape()) + 1);
  }
  tip += QCoreApplication::translate("SheetPreview", "%1\n箱號 %2\n墊板 %3")
             .arg(block)
             .arg(planned.carton)
             .arg(planned.pallet);
  if (!planned.barcode.isEmpty()) {
    tip += QCoreApplication::translate("SheetPreview", "\n條碼 %1").arg(planned.barcode);
  }
  return tip;
}

int ZoomStep(double percent, int steps) {
  // A zoom within half a percent of a step is that step.
  constexpr double kSame = 0.5;
  const int last = int(kZoomSteps.size()) - 1;
  int index = 0;
  if (steps > 0) {
    // The first step above the zoom is one step in.
    const auto above = std::find_if(kZoomSteps.begin(), kZoomSteps.end(),
                                    [percent](int step) { return step > percent + kSame; });
    index = int(above - kZoomSteps.begin()) + steps - 1;
  } else {
    // The last step below it is one step out.
    const auto below = std::find_if(kZoomSteps.rbegin(), kZoomSteps.rend(),
                                    [percent](int step) { return step < percent - kSame; });
    index = last - int(below - kZoomSteps.rbegin()) + steps + 1;
  }
  return kZoomSteps[std::clamp(index, 0, last)];
}

int ZoomDpi(ZoomMode mode, const QSizeF& page, const QSize& view, int margin, double screen_dpi,
            int percent) {
  const QSizeF paper = page / kTwipsPerInch;  // inches
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
    case ZoomMode::kPercent:
      // Rounded, so that 100 % is the screen's own resolution to the dot.
      dpi = std::round(screen_dpi * percent / 100.0);
      break;
  }
  // Rounded down, so a page that is to fit the view does.
  return std::clamp(int(std::floor(dpi)), kMinZoomDpi, kMaxZoomDpi);
}
