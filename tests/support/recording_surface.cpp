#include "support/recording_surface.h"

#include <cmath>

QList<RecordingSurface::Text> RecordingSurface::TextsOn(int page) const {
  QList<Text> found;
  for (const Text& t : texts_) {
    if (t.page == page) found << t;
  }
  return found;
}

void RecordingSurface::DrawTextRun(double x, double y, const QString& text) {
  texts_ << Text{current_page_,
                 int(std::lround(y / LineHeight())),
                 int(std::lround(x / ColumnWidth())) + 1,
                 text,
                 x,
                 y,
                 scale(),
                 font_bold(),
                 magnification()};
}

void RecordingSurface::DrawImage(const Picture& picture, const QRectF& twips) {
  images_ << Image{current_page_, twips, picture.width, picture.height};
}

void RecordingSurface::DrawFilledRect(const QRectF& twips, const QColor& color) {
  shapes_ << Shape{current_page_, Shape::kRect, twips, 0, color};
}

void RecordingSurface::DrawStroke(const QLineF& twips, double width_twips, const QColor& color) {
  shapes_ << Shape{current_page_, Shape::kLine, QRectF(twips.p1(), twips.p2()), width_twips, color};
}

void RecordingSurface::StartPage(int page) { current_page_ = page; }

void RecordingSurface::FinishDocument() {
  ++finished_;
  sheets_ += pages();
}
