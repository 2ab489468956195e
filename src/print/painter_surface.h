#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <map>
#include <tuple>

#include "model/units.h"
#include "print/surface.h"

class QPainter;
class QPaintDevice;

// A surface over a QPainter: a printer page, a PDF file, a pixmap or a widget. Twips become device
// pixels at the device's resolution. Every character lands in its own cell (two cells for a
// double-width one), so the columns line up whatever face the system gives for the font.
class PainterSurface : public Surface {
 public:
  // `painter` must be active on its device for as long as the surface draws. `width_twips` is what
  // SurfaceWidth reports.
  PainterSurface(QPainter& painter, double width_twips);
  // For a painter that begins on `device` only later, before the first drawing.
  PainterSurface(QPainter& painter, const QPaintDevice& device, double width_twips);

  double SurfaceWidth() const override { return width_twips_; }

  // Device pixels of `twips`, across and down, and of a rectangle in twips.
  QRectF DeviceRect(const QRectF& twips) const;
  double DeviceX(double twips) const { return TwipsToPixels(twips, dpi_x_); }
  double DeviceY(double twips) const { return TwipsToPixels(twips, dpi_y_); }

 protected:
  void DrawTextRun(double x, double y, const QString& text) override;
  void DrawImage(const Picture& picture, const QRectF& twips) override;
  void DrawFilledRect(const QRectF& twips, const QColor& color) override;
  void DrawFilledRects(const QList<QRectF>& twips, const QColor& color) override;
  void DrawStroke(const QLineF& twips, double width_twips, const QColor& color) override;

  QPainter& painter() { return painter_; }
  // The painter has begun anew and lost its font.
  void ForgetFont() { font_ = nullptr; }

 private:
  void UpdateFont();
  // Draws `text` at (x, y) twips in cells of the font's own size, on the painter as it stands.
  void DrawCells(double x, double y, const QString& text);
  // True when the font draws `code` exactly `columns` cells wide, so a run of such characters can
  // go to the device in one call and still keep to the grid.
  bool FitsCells(char32_t code, int columns);

  // A font with what has been measured of it. A label switches between its grid font and the
  // small font under a barcode many times a sheet; each keeps its measurements.
  struct FontState {
    QFont font;
    QFontMetricsF metrics;
    double ascent;  // device pixels
    QHash<char32_t, bool> fits_cells;
  };
  using FontKey = std::tuple<QString, double, bool>;

  QPainter& painter_;
  double width_twips_;
  double dpi_x_;
  double dpi_y_;
  std::map<FontKey, FontState> fonts_;
  // The painter's font; null when it must be set again.
  const FontKey* font_key_ = nullptr;
  FontState* font_ = nullptr;
};
