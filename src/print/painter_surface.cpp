#include "print/painter_surface.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include "model/display_width.h"

PainterSurface::PainterSurface(QPainter& painter, double width_twips)
    : painter_(painter),
      width_twips_(width_twips),
      dpi_x_(painter.device()->logicalDpiX()),
      dpi_y_(painter.device()->logicalDpiY()) {}

void PainterSurface::UpdateFont() {
  if (applied_name_ == font_name() && applied_points_ == font_points() &&
      applied_bold_ == font_bold() && !applied_name_.isNull()) {
    return;
  }
  QFont font(font_name());
  font.setPointSizeF(font_points());
  font.setBold(font_bold());
  painter_.setFont(font);
  ascent_ = QFontMetricsF(painter_.font(), painter_.device()).ascent();
  applied_name_ = font_name();
  applied_points_ = font_points();
  applied_bold_ = font_bold();
}

void PainterSurface::DrawTextRun(double x, double y, const QString& text) {
  UpdateFont();
  const double cell = DeviceX(ColumnWidth());
  const double baseline = DeviceY(y) + ascent_;
  double left = DeviceX(x);
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    qsizetype length = 1;
    char32_t code = text[i].unicode();
    if (text[i].isHighSurrogate() && i + 1 < n && text[i + 1].isLowSurrogate()) {
      code = QChar::surrogateToUcs4(text[i], text[i + 1]);
      length = 2;
    }
    if (code != u' ') painter_.drawText(QPointF(left, baseline), text.mid(i, length));
    left += cell * CharWidth(code);
    i += length - 1;
  }
}

void PainterSurface::DrawImage(const Picture& picture, const QRectF& twips) {
  const QRectF target(DeviceX(twips.x()), DeviceY(twips.y()), DeviceX(twips.width()),
                      DeviceY(twips.height()));
  painter_.drawImage(target, picture.image);
}
