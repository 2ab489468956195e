#include "print/painter_surface.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <cmath>

#include "model/display_width.h"

PainterSurface::PainterSurface(QPainter& painter, double width_twips)
    : PainterSurface(painter, *painter.device(), width_twips) {}

PainterSurface::PainterSurface(QPainter& painter, const QPaintDevice& device, double width_twips)
    : painter_(painter),
      width_twips_(width_twips),
      dpi_x_(device.logicalDpiX()),
      dpi_y_(device.logicalDpiY()) {}

void PainterSurface::UpdateFont() {
  if (applied_name_ == font_name() && applied_points_ == font_points() &&
      applied_bold_ == font_bold() && !applied_name_.isNull()) {
    return;
  }
  QFont font(font_name());
  font.setPointSizeF(font_points());
  font.setBold(font_bold());
  // Kerning would pull characters out of their cells when a run is drawn in one call.
  font.setKerning(false);
  painter_.setFont(font);
  metrics_.emplace(painter_.font(), painter_.device());
  ascent_ = metrics_->ascent();
  fits_cells_.clear();
  applied_name_ = font_name();
  applied_points_ = font_points();
  applied_bold_ = font_bold();
}

bool PainterSurface::FitsCells(char32_t code, int columns) {
  auto found = fits_cells_.constFind(code);
  if (found != fits_cells_.constEnd()) return *found;
  const double cells = DeviceX(ColumnWidth()) * columns;
  const double advance = metrics_->horizontalAdvance(QString::fromUcs4(&code, 1));
  // A thousandth of a cell: forty characters in a row stay well inside a device pixel.
  const bool fits = std::abs(advance - cells) <= cells / 1000.0;
  fits_cells_.insert(code, fits);
  return fits;
}

void PainterSurface::DrawTextRun(double x, double y, const QString& text) {
  // A device that failed to begin draws nothing; the caller learns of the failure from it.
  if (!painter_.isActive()) return;
  UpdateFont();
  const double cell = DeviceX(ColumnWidth());
  const double baseline = DeviceY(y) + ascent_;
  double left = DeviceX(x);
  // Characters the font draws exactly in their cells are gathered into runs and drawn in one call
  // each (far faster on a printer or PDF); any other character is put in its cells on its own.
  // Blanks are never drawn on their own: they only move on, or stand inside a run.
  double run_left = left;
  qsizetype run_start = 0;
  qsizetype run_length = 0;
  qsizetype blanks = 0;  // blanks after the run, taken in only when the run goes on
  const auto flush = [&] {
    if (run_length > 0) {
      painter_.drawText(QPointF(run_left, baseline), text.mid(run_start, run_length));
    }
    run_length = 0;
    blanks = 0;
  };
  const bool blank_fits = FitsCells(u' ', 1);
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    qsizetype length = 1;
    char32_t code = text[i].unicode();
    if (text[i].isHighSurrogate() && i + 1 < n && text[i + 1].isLowSurrogate()) {
      code = QChar::surrogateToUcs4(text[i], text[i + 1]);
      length = 2;
    }
    const int columns = CharWidth(code);
    if (code == u' ') {
      if (blank_fits && run_length > 0) {
        ++blanks;
      } else {
        flush();
      }
    } else if (FitsCells(code, columns)) {
      if (run_length == 0) {
        run_left = left;
        run_start = i;
      }
      run_length += blanks + length;
      blanks = 0;
    } else {
      flush();
      painter_.drawText(QPointF(left, baseline), text.mid(i, length));
    }
    left += cell * columns;
    i += length - 1;
  }
  flush();
}

QRectF PainterSurface::DeviceRect(const QRectF& twips) const {
  return QRectF(DeviceX(twips.x()), DeviceY(twips.y()), DeviceX(twips.width()),
                DeviceY(twips.height()));
}

void PainterSurface::DrawImage(const Picture& picture, const QRectF& twips) {
  if (!painter_.isActive()) return;
  painter_.drawImage(DeviceRect(twips), picture.image);
}

void PainterSurface::DrawFilledRect(const QRectF& twips, const QColor& color) {
  if (!painter_.isActive()) return;
  painter_.fillRect(DeviceRect(twips), color);
}

void PainterSurface::DrawStroke(const QLineF& twips, double width_twips, const QColor& color) {
  if (!painter_.isActive()) return;
  const QPen saved = painter_.pen();
  QPen pen(color, DeviceX(width_twips), Qt::SolidLine, Qt::FlatCap);
  painter_.setPen(pen);
  painter_.drawLine(
      QLineF(DeviceX(twips.x1()), DeviceY(twips.y1()), DeviceX(twips.x2()), DeviceY(twips.y2())));
  painter_.setPen(saved);
}
