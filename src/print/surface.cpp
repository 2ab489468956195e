#include "print/surface.h"

#include <algorithm>

#include "model/display_width.h"

void Surface::SetFont(const QString& name, double points, bool bold) {
  font_name_ = name;
  font_points_ = points;
  font_bold_ = bold;
}

void Surface::PrintAtColumn(int column, const QString& text, bool line_end) {
  const double column_x = (std::max(column, 1) - 1) * ColumnWidth();
  if (x_ > column_x) y_ += LineHeight();
  x_ = column_x;
  if (!text.isEmpty()) {
    BeforeDrawing();
    const QPointF at = placement_.Map(QPointF(x_, y_));
    DrawTextRun(at.x(), at.y(), text);
  }
  x_ += TextWidth(text);
  if (line_end) {
    x_ = 0;
    y_ += LineHeight();
  }
}

void Surface::PrintLine(const QString& text) {
  if (!text.isEmpty()) {
    BeforeDrawing();
    const QPointF at = placement_.Map(QPointF(x_, y_));
    DrawTextRun(at.x(), at.y(), text);
  }
  x_ = 0;
  y_ += LineHeight();
}

double Surface::TextWidth(const QString& text) const {
  return DisplayWidth(text) * ColumnWidth() * magnification_;
}

void Surface::DrawPicture(const Picture& picture, double x, double y, double width, double height) {
  if (picture.IsEmpty()) return;
  BeforeDrawing();
  DrawImage(picture, placement_.Map(QRectF(x, y, width, height)));
}

void Surface::FillRect(const QRectF& twips, const QColor& color) {
  if (twips.isEmpty()) return;
  BeforeDrawing();
  DrawFilledRect(placement_.Map(twips), color);
}

void Surface::FillRects(const QList<QRectF>& twips, const QColor& color) {
  if (std::none_of(twips.begin(), twips.end(), [](const QRectF& r) { return !r.isEmpty(); })) {
    return;
  }
  BeforeDrawing();
  // Placed nowhere else (a label at the print's corner, without a printer's fit) the rectangles
  // go as they are, without a copy.
  const bool all_filled =
      std::all_of(twips.begin(), twips.end(), [](const QRectF& r) { return !r.isEmpty(); });
  if (all_filled && placement_ == GridPlacement{}) {
    DrawFilledRects(twips, color);
    return;
  }
  QList<QRectF> filled;
  filled.reserve(twips.size());
  for (const QRectF& r : twips) {
    if (!r.isEmpty()) filled.append(placement_.Map(r));
  }
  DrawFilledRects(filled, color);
}

void Surface::DrawFilledRects(const QList<QRectF>& twips, const QColor& color) {
  for (const QRectF& r : twips) DrawFilledRect(r, color);
}

void Surface::FillGrid(const QList<QRect>& cells, const QPointF& corner, const QSizeF& unit,
                       const QColor& color) {
  if (cells.isEmpty()) return;
  BeforeDrawing();
  DrawFilledGrid(cells, placement_.Map(corner), unit * placement_.scale, color);
}

void Surface::DrawFilledGrid(const QList<QRect>& cells, const QPointF& corner, const QSizeF& unit,
                             const QColor& color) {
  QList<QRectF> twips;
  twips.reserve(cells.size());
  for (const QRect& c : cells) {
    twips.append(QRectF(corner.x() + c.x() * unit.width(), corner.y() + c.y() * unit.height(),
                        c.width() * unit.width(), c.height() * unit.height()));
  }
  DrawFilledRects(twips, color);
}

void Surface::DrawLine(const QLineF& twips, double width_twips, const QColor& color) {
  if (width_twips <= 0) return;
  BeforeDrawing();
  DrawStroke(QLineF(placement_.Map(twips.p1()), placement_.Map(twips.p2())),
             width_twips * placement_.scale, color);
}

void Surface::DrawTextAt(double x, double y, const QString& text) {
  if (text.isEmpty()) return;
  BeforeDrawing();
  const QPointF at = placement_.Map(QPointF(x, y));
  DrawPlacedText(at.x(), at.y(), text);
}

void Surface::NewPage() {
  // An empty page is not put out: the sheet is started only when something is drawn on it.
  if (pages_ > 0) page_wanted_ = true;
  x_ = 0;
  y_ = 0;
}

void Surface::EndDocument() {
  FinishDocument();
  page_wanted_ = true;
  pages_ = 0;
  x_ = 0;
  y_ = 0;
}

void Surface::BeforeDrawing() {
  if (!page_wanted_) return;
  page_wanted_ = false;
  StartPage(++pages_);
}
