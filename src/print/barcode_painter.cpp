#include "print/barcode_painter.h"

#include "barcode/barcode_check.h"
#include "model/fonts.h"
#include "print/surface.h"

void DrawSymbol(Surface& surface, const BarcodeSymbol& symbol, double x, double y) {
  surface.FillGrid(symbol.grid, QPointF(x, y), symbol.unit);
  if (symbol.texts.isEmpty()) return;
  // The label's rows are laid out in the font's cells: whatever the text below the bars needs,
  // the font the grid had comes back exactly.
  const QString name = surface.font_name();
  const double points = surface.font_points();
  const bool bold = surface.font_bold();
  for (const BarcodeText& text : symbol.texts) {
    surface.SetFont(kMingFont, text.points, false);
    surface.DrawTextAt(x + text.x, y + text.y, text.text);
  }
  surface.SetFont(name, points, bold);
}

bool DrawBarcode(Surface& surface, const BarcodeSettings& settings, const QString& content,
                 double label_left, double label_top, BarcodeEncoder& encoder) {
  if (settings.kind == BarcodeKind::kNone) return false;
  const EncodedSymbol encoded = encoder.Encode(settings, content);
  if (!encoded.symbol) return false;
  const QPointF offset = SymbolOffset(settings);
  DrawSymbol(surface, *encoded.symbol, label_left + offset.x(), label_top + offset.y());
  return true;
}
