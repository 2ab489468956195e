#pragma once

#include <QHash>
#include <QRectF>
#include <QString>

#include "barcode/barcode_symbol.h"

// The symbol a content makes depends, for a given kind and settings, on the content's shape only,
// not on which digits it holds: Code 128 chooses its code sets by runs of digits, a QR code its
// segments and version by character classes and length, and an SSCC always has eighteen digits.
// So the shape of a content is the content with every ASCII digit written as 0.
QString ContentShape(const QString& content);

// The symbols of one run by their shape: what the checks and the preflight's measuring need (the
// size, the dark part, whether it can be encoded at all) for a run of thousands of labels from a
// few encodings. Drawing a label still encodes its own content.
class SymbolShapes {
 public:
  SymbolShapes() = default;
  SymbolShapes(const SymbolShapes&) = delete;
  SymbolShapes& operator=(const SymbolShapes&) = delete;

  // The symbol of the shape of `content` on `dots`: null with the failure when it cannot be
  // encoded.
  const EncodedSymbol& Of(const BarcodeSettings& settings, const QString& content,
                          const PrinterDots& dots = {});

  // The dark part of that symbol (its bars and its digits), twips from the symbol's top-left
  // corner; empty when it cannot be encoded.
  QRectF DarkArea(const BarcodeSettings& settings, const QString& content,
                  const PrinterDots& dots = {});

  // Encodings done so far.
  int encodings() const { return encoder_.encoded(); }

 private:
  struct Shape {
    EncodedSymbol encoded;
    QRectF dark;
  };
  const Shape& Find(const BarcodeSettings& settings, const QString& content,
                    const PrinterDots& dots);

  BarcodeEncoder encoder_;
  BarcodeSettings settings_;  // the shapes kept are of these settings on these dots
  PrinterDots dots_;
  QHash<QString, Shape> shapes_;
};
