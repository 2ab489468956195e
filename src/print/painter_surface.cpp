#include "print/painter_surface.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QVarLengthArray>
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
  if (font_ && std::get<0>(*font_key_) == font_name() && std::get<1>(*font_key_) == font_points() &&
      std::get<2>(*font_key_) == font_bold()) {
    return;
  }
  FontKey key(font_name(), font_points(), font_bold());
  auto found = fonts_.find(key);
  if (found == fonts_.end()) {
    QFont font(font_name());
    font.setPointSizeF(font_points());
    font.setBold(font_bold());
    // Kerning would pull characters out of their cells when a run is drawn in one call.
    font.setKerning(false);
    const QFontMetricsF metrics(font, painter_.device());
    const double ascent = metrics.ascent();
    found = fonts_.emplace(std::move(key), FontState{font, metrics, ascent, {}}).first;
  }
  font_key_ = &found->first;
  font_ = &found->second;
  painter_.setFont(font_->font);
}

bool PainterSurface::FitsCells(char32_t code, int columns) {
  auto found = font_->fits_cells.constFind(code);
  if (found != font_->fits_cells.constEnd()) return *found;
  const double cells = DeviceX(ColumnWidth()) * columns;
  const double advance = font_->metrics.horizontalAdvance(QString::fromUcs4(&code, 1));
  // A thousandth of a cell: forty characters in a row stay well inside a device pixel.
  const bool fits = std::abs(advance - cells) <= cells / 1000.0;
  font_->fits_cells.insert(code, fits);
  return fits;
}

void PainterSurface::DrawTextRun(double x, double y, const QString& text) {
  // A device that failed to begin draws nothing; the caller learns of the failure from it.
  if (!painter_.isActive()) return;
  if (scale() != 1) {
    // A scaled label: its cells and its font are drawn in the label's own twips, scaled together.
    // The font is set before the painter is saved, so that restoring it keeps the font in step.
    UpdateFont();
    painter_.save();
    painter_.translate(DeviceX(x), DeviceY(y));
    painter_.scale(scale(), scale());
    DrawCells(0, 0, text);
    painter_.restore();
    return;
  }
  DrawCells(x, y, text);
}

void PainterSurface::DrawCells(double x, double y, const QString& text) {
  UpdateFont();
  const double cell = DeviceX(ColumnWidth());
  const double baseline = DeviceY(y) + font_->ascent;
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

void PainterSurface::DrawFilledRects(const QList<QRectF>& twips, const QColor& color) {
  if (!painter_.isActive()) return;
  QVarLengthArray<QRectF, 128> device;
  for (const QRectF& r : twips) device.append(DeviceRect(r));
  // Text is drawn with the pen, so pen and brush go back as they were.
  const QPen pen = painter_.pen();
  const QBrush brush = painter_.brush();
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(color);
  painter_.drawRects(device.constData(), int(device.size()));
  painter_.setPen(pen);
  painter_.setBrush(brush);
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
