#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QRawFont>
#include <map>
#include <tuple>

#include "model/units.h"
#include "print/surface.h"

class QPainter;
class QPaintDevice;

// A surface over a QPainter: a printer page, a PDF file, a pixmap or a widget. Twips become device
// pixels at the device's resolution. Every character lands in its own cell (two cells for a
// double-width one), so the columns line up whatever face the system gives for the font: each
// character's glyphs are worked out once a font, as Qt lays the character out on its own, and put
// in their cells.
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
  void DrawFilledGrid(const QList<QRect>& cells, const QPointF& corner, const QSizeF& unit,
                      const QColor& color) override;

  QPainter& painter() { return painter_; }

 private:
  // Draws `text` at (x, y) twips in cells of the font's own size times the magnification, on the
  // painter as it stands.
  void DrawCells(double x, double y, const QString& text);

  // One glyph of what a character draws: in which of its font's faces, and where from the start of
  // the character's cells on the baseline, device pixels.
  struct CellGlyph {
    int face;
    quint32 index;
    QPointF offset;
  };
  // A font with what has been worked out of it. A label switches between its grid font, its bold
  // and magnified rows' fonts and the small font under a barcode many times a sheet; each keeps
  // its glyphs.
  struct FontState {
    QFont font;
    double ascent;          // device pixels
    QList<QRawFont> faces;  // the font's own face and any the system fell back on
    QHash<char32_t, QList<CellGlyph>> glyphs;
  };
  using FontKey = std::tuple<QString, double, bool>;

  void UpdateFont();
  const QList<CellGlyph>& GlyphsOf(char32_t code);

  QPainter& painter_;
  double width_twips_;
  double dpi_x_;
  double dpi_y_;
  std::map<FontKey, FontState> fonts_;
  // The surface's font as last drawn in.
  const FontKey* font_key_ = nullptr;
  FontState* font_ = nullptr;
  QGlyphRun glyph_run_;
};
