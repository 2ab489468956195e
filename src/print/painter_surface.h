#pragma once

#include <QFont>

#include "print/surface.h"

class QPainter;

// A surface over a QPainter: a printer page, a PDF file, a pixmap or a widget. Twips become device
// pixels at the device's resolution. Every character is drawn in its own cell (two cells for a
// double-width one), so the columns line up whatever face the system gives for the font.
class PainterSurface : public Surface {
 public:
  // `painter` must be active on its device for as long as the surface draws. `width_twips` is what
  // SurfaceWidth reports.
  PainterSurface(QPainter& painter, double width_twips);

  double SurfaceWidth() const override { return width_twips_; }

  // Device pixels of `twips`, across and down.
  double DeviceX(double twips) const { return twips * dpi_x_ / 1440.0; }
  double DeviceY(double twips) const { return twips * dpi_y_ / 1440.0; }

 protected:
  void DrawTextRun(double x, double y, const QString& text) override;
  void DrawImage(const Picture& picture, const QRectF& twips) override;

  QPainter& painter() { return painter_; }

 private:
  void UpdateFont();

  QPainter& painter_;
  double width_twips_;
  double dpi_x_;
  double dpi_y_;
  QString applied_name_;
  double applied_points_ = 0;
  bool applied_bold_ = false;
  double ascent_ = 0;  // device pixels
};
