#include "print/label_geometry.h"

#include <algorithm>
#include <cmath>

#include "model/main_model.h"

PaperSetup PaperSetupOf(const PrintTarget& target, const PrintDestination& destination) {
  PaperSetup paper;
  paper.printable = target.PrintableArea(destination);
  paper.edgeless = !destination.pdf_path.isEmpty();
  paper.fit = destination.fit;
  paper.printer = target.PaperOf(destination);
  if (!paper.edgeless) paper.dpi = target.DotsPerInch(destination);
  return paper;
}

LabelGeometry::LabelGeometry(const LabelGrid& grid, const PaperSetup& paper)
    : grid_(grid), paper_(paper), stock_(paper.fit.stock.value_or(BuiltInStocks().first())) {
  // A pitch the clerk measured for this printer steps its page rows instead of the stock's.
  if (paper_.fit.pitch) stock_.pitch_y = Twips(*paper_.fit.pitch);
  frame_ = origin();
  const QSizeF designed = kDesignedLabel.ToSizeF();
  const QSizeF place = stock_.label.ToSizeF();
  scale_ = std::min(place.width() / designed.width(), place.height() / designed.height());
  drawn_ = designed * scale_;
}

LabelGeometry LabelGeometry::Of(const MainModel& job, const PaperSetup& paper) {
  return LabelGeometry(LabelGrid::Of(job), paper);
}

LabelGeometry LabelGeometry::OnPaper() const {
  LabelGeometry geometry = *this;
  geometry.frame_ = QPointF();
  return geometry;
}

QPointF LabelGeometry::origin() const {
  if (paper_.edgeless || paper_.printable.isEmpty()) return {};
  return paper_.printable.topLeft();
}

QRectF LabelGeometry::PrintableArea() const {
  if (paper_.printable.isEmpty()) return {};
  return paper_.printable.translated(-frame_);
}

QRectF LabelGeometry::Place(int page_row, int column) const {
  return UnmovedPlace(page_row, column).translated(paper_.fit.offset);
}

QRectF LabelGeometry::LabelRect(int page_row, int column) const {
  return UnmovedLabel(page_row, column).translated(paper_.fit.offset);
}

GridPlacement LabelGeometry::Placement(int page_row, int column) const {
  // The printer's offsets come last: on a4-8 everything before them is whole twips, so a mark
  // moves by exactly the offsets.
  const QPointF corner = UnmovedLabel(page_row, column).topLeft();
  return GridPlacement{
      paper_.fit.offset + (corner - QPointF(column * grid_.width().value() * scale_, 0)), scale_};
}

QPointF LabelGeometry::OnDots(const GridPlacement& placement, const QPointF& point) const {
  if (paper_.dpi <= 0) return point;
  // The paper's frame: on a printer the print's (0, 0) is the printable area's corner, which need
  // not lie on a dot.
  const QPointF on_paper = placement.Map(point) + frame_;
  const double dot = kTwipsPerInch / paper_.dpi;
  const QPointF snapped(std::round(on_paper.x() / dot) * dot, std::round(on_paper.y() / dot) * dot);
  return (snapped - frame_ - placement.offset) / placement.scale;
}

QRectF LabelGeometry::UnmovedPlace(int page_row, int column) const {
  std::optional<TwipPoint> corner;
  if (!paper_.edgeless) {
    const QPointF at = origin();
    corner = TwipPoint{Twips(at.x()), Twips(at.y())};
  }
  return stock_.Place(page_row * stock_.columns + column + 1, corner).translated(-frame_);
}

QRectF LabelGeometry::UnmovedLabel(int page_row, int column) const {
  const QRectF place = UnmovedPlace(page_row, column);
  // On a4-8 the place is the designed label: nothing to centre, to the last bit.
  if (drawn_ == place.size()) return place;
  return QRectF(place.topLeft() +
                    QPointF(place.width() - drawn_.width(), place.height() - drawn_.height()) / 2,
                drawn_);
}
