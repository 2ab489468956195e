#include "print/painter_surface.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPen>
#include <QTextLayout>
#include <QVarLengthArray>

#include "model/display_width.h"

PainterSurface::PainterSurface(QPainter& painter, double width_twips)
    : PainterSurface(painter, *painter.device(), width_twips) {}

PainterSurface::PainterSurface(QPainter& painter, const QPaintDevice& device, double width_twips)
    : painter_(painter),
      width_twips_(width_twips),
      dpi_x_(device.logicalDpiX()),
      dpi_y_(device.logicalDpiY()) {}

void PainterSurface::UpdateFont() {
  // A magnified row is drawn in the font at its magnified size, laid out as that font lays its
  // characters out, rather than the grid's glyphs stretched.
  const double points = font_points() * magnification();
  if (font_ && std::get<0>(*font_key_) == font_name() && std::get<1>(*font_key_) == points &&
      std::get<2>(*font_key_) == font_bold()) {
    return;
  }
  FontKey key(font_name(), points, font_bold());
  auto found = fonts_.find(key);
  if (found == fonts_.end()) {
    QFont font(font_name());
    font.setPointSizeF(points);
    font.setBold(font_bold());
    // Kerning belongs between characters; here each one stands alone in its cells.
    font.setKerning(false);
    const double ascent = QFontMetricsF(font, painter_.device()).ascent();
    found = fonts_.emplace(std::move(key), FontState{font, ascent, {}, {}}).first;
  }
  font_key_ = &found->first;
  font_ = &found->second;
}

const QList<PainterSurface::CellGlyph>& PainterSurface::GlyphsOf(char32_t code) {
  auto found = font_->glyphs.constFind(code);
  if (found != font_->glyphs.constEnd()) return *found;
  // The character laid out on its own, as drawing it alone would: Qt chooses its glyphs and face,
  // the system's fallback for a character the font does not have among them.
  QTextLayout layout(QString::fromUcs4(&code, 1), font_->font, painter_.device());
  layout.beginLayout();
  const QTextLine line = layout.createLine();
  layout.endLayout();
  const QPointF baseline(0, line.y() + line.ascent());
  QList<CellGlyph> glyphs;
  for (const QGlyphRun& run : layout.glyphRuns()) {
    qsizetype face = font_->faces.indexOf(run.rawFont());
    if (face < 0) {
      font_->faces.append(run.rawFont());
      face = font_->faces.size() - 1;
    }
    const QList<quint32> indexes = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    for (qsizetype i = 0; i < indexes.size() && i < positions.size(); ++i) {
      glyphs.append(CellGlyph{int(face), indexes[i], positions[i] - baseline});
    }
  }
  return *font_->glyphs.insert(code, glyphs);
}

void PainterSurface::DrawTextRun(double x, double y, const QString& text) {
  // A device that failed to begin draws nothing; the caller learns of the failure from it.
  if (!painter_.isActive()) return;
  if (scale() != 1) {
    // A scaled label: its cells and its glyphs are drawn in the label's own twips, scaled together
    // by the painter.
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
  const double cell = DeviceX(ColumnWidth() * magnification());
  const double baseline = DeviceY(y) + font_->ascent;
  // Each character's glyphs go to its own cells, and no text is shaped again for every label. On a
  // PDF or a printer the glyphs of the whole text go out in one call a face; a raster device takes
  // them a character at a time, which its glyph cache draws exactly as the character alone. Any
  // other device (Qt's print preview records pages) would keep glyphs as outlines: it gets each
  // character as text. Blanks are drawn only between other characters, where they keep a PDF's
  // words apart for a reader that copies the text.
  const QPaintEngine::Type engine = painter_.paintEngine()->type();
  const bool whole_text = engine == QPaintEngine::Pdf;
  const bool as_text = !whole_text && engine != QPaintEngine::Raster;
  if (as_text) painter_.setFont(font_->font);
  QVarLengthArray<quint32, 64> indexes;
  QVarLengthArray<QPointF, 64> positions;
  int face = -1;
  const auto flush = [&] {
    if (indexes.isEmpty()) return;
    glyph_run_.setRawFont(font_->faces[face]);
    glyph_run_.setRawData(indexes.constData(), positions.constData(), int(indexes.size()));
    painter_.drawGlyphRun(QPointF(), glyph_run_);
    indexes.clear();
    positions.clear();
  };
  const auto put = [&](char32_t code, double left) {
    if (as_text) {
      if (code != u' ') painter_.drawText(QPointF(left, baseline), QString::fromUcs4(&code, 1));
      return;
    }
    for (const CellGlyph& glyph : GlyphsOf(code)) {
      if (glyph.face != face) {
        flush();
        face = glyph.face;
      }
      indexes.append(glyph.index);
      positions.append(QPointF(left, baseline) + glyph.offset);
    }
    if (!whole_text) flush();
  };
  double left = DeviceX(x);
  bool drawn = false;
  qsizetype blanks = 0;  // after the last character drawn
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    char32_t code = text[i].unicode();
    if (text[i].isHighSurrogate() && i + 1 < n && text[i + 1].isLowSurrogate()) {
      code = QChar::surrogateToUcs4(text[i], text[i + 1]);
      ++i;
    }
    const double width = cell * CharWidth(code);
    if (code == u' ') {
      if (drawn) ++blanks;
    } else {
      for (; blanks > 0; --blanks) put(u' ', left - blanks * cell);
      put(code, left);
      drawn = true;
    }
    left += width;
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

void PainterSurface::DrawFilledGrid(const QList<QRect>& cells, const QPointF& corner,
                                    const QSizeF& unit, const QColor& color) {
  if (!painter_.isActive()) return;
  const QPen pen = painter_.pen();
  const QBrush brush = painter_.brush();
  const QTransform transform = painter_.worldTransform();
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(color);
  // The grid's units go to the device through the painter's transform: a PDF then holds each
  // rectangle as four small whole numbers instead of four long fractions, a third of the bytes to
  // write and compress, and the modules land exactly where the twips say.
  painter_.setWorldTransform(QTransform(DeviceX(unit.width()), 0, 0, DeviceY(unit.height()),
                                        DeviceX(corner.x()), DeviceY(corner.y())) *
                             transform);
  painter_.drawRects(cells.constData(), int(cells.size()));
  painter_.setWorldTransform(transform);
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
