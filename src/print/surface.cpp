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
    DrawTextRun(x_ + origin_.x(), y_ + origin_.y(), text);
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
    DrawTextRun(x_ + origin_.x(), y_ + origin_.y(), text);
  }
  x_ = 0;
  y_ += LineHeight();
}

double Surface::TextWidth(const QString& text) const { return DisplayWidth(text) * ColumnWidth(); }

void Surface::DrawPicture(const Picture& picture, double x, double y, double width, double height) {
  if (picture.IsEmpty()) return;
  BeforeDrawing();
  DrawImage(picture, QRectF(x, y, width, height).translated(origin_));
}

void Surface::FillRect(const QRectF& twips, const QColor& color) {
  if (twips.isEmpty()) return;
  BeforeDrawing();
  DrawFilledRect(twips.translated(origin_), color);
}

void Surface::FillRects(const QList<QRectF>& twips, const QColor& color) {
  if (std::none_of(twips.begin(), twips.end(), [](const QRectF& r) { return !r.isEmpty(); })) {
    return;
  }
  BeforeDrawing();
  // Without a printer's fit (the usual case) the rectangles go as they are, without a copy.
  const bool all_filled =
      std::all_of(twips.begin(), twips.end(), [](const QRectF& r) { return !r.isEmpty(); });
  if (all_filled && origin_.isNull()) {
    DrawFilledRects(twips, color);
    return;
  }
  QList<QRectF> filled;
  filled.reserve(twips.size());
  for (const QRectF& r : twips) {
    if (!r.isEmpty()) filled.append(r.translated(origin_));
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
  DrawFilledGrid(cells, corner + origin_, unit, color);
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
  DrawStroke(twips.translated(origin_), width_twips, color);
}

void Surface::DrawTextAt(double x, double y, const QString& text) {
  if (text.isEmpty()) return;
  BeforeDrawing();
  DrawPlacedText(x + origin_.x(), y + origin_.y(), text);
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
