#include "print/symbol_shapes.h"

#include "model/display_width.h"

QString ContentShape(const QString& content) {
  QString shape = content;
  for (QChar& c : shape) {
    if (c >= u'0' && c <= u'9') c = u'0';
  }
  return shape;
}

const SymbolShapes::Shape& SymbolShapes::Find(const BarcodeSettings& settings,
                                              const QString& content, const PrinterDots& dots) {
  if (!(settings == settings_) || !(dots == dots_)) {
    shapes_.clear();
    settings_ = settings;
    dots_ = dots;
  }
  const QString key = ContentShape(content);
  auto found = shapes_.constFind(key);
  if (found != shapes_.constEnd()) return *found;
  Shape shape;
  shape.encoded = encoder_.Encode(settings, key, dots);
  if (const BarcodeSymbol* symbol = shape.encoded.symbol.get()) {
    for (const QRect& cells : symbol->grid) shape.dark = shape.dark.united(symbol->Bar(cells));
    for (const BarcodeText& text : symbol->texts) {
      shape.dark = shape.dark.united(
          QRectF(text.x, text.y, DisplayWidth(text.text) * text.points * 10.0, text.points * 20.0));
    }
  }
  return *shapes_.insert(key, shape);
}

const EncodedSymbol& SymbolShapes::Of(const BarcodeSettings& settings, const QString& content,
                                      const PrinterDots& dots) {
  return Find(settings, content, dots).encoded;
}

QRectF SymbolShapes::DarkArea(const BarcodeSettings& settings, const QString& content,
                              const PrinterDots& dots) {
  return Find(settings, content, dots).dark;
}
