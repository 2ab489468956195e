#pragma once

#include <QPointF>
#include <QString>
#include <optional>

#include "barcode/barcode_content.h"
#include "barcode/barcode_settings.h"
#include "barcode/barcode_symbol.h"
#include "model/units.h"

class Surface;

// A label is kLabelWidthTwips wide (model/units.h); a page row is 16 lines of 240 twips and the
// gap to the next row. A symbol must stay inside both, quiet zones and text included.
inline constexpr double kPageRowPitchTwips = 16 * 240 + 330;

// The encoder that DrawBarcode and the checks use unless given one: the print run, the previews
// and the checks all run on the window's thread.
BarcodeEncoder& SharedBarcodeEncoder();

// Where the symbol's top-left corner (its quiet zone) lies from the label's top-left corner, in
// twips: the user's millimetres by the label's factor, cut to whole twips, as the picture is
// placed.
QPointF SymbolOffset(const BarcodeSettings& settings);

// Draws `symbol` with its top-left corner at (x, y) twips: the bars as filled rectangles and the
// human-readable line in the Ming font at the symbol's text size. The surface's font (name, size,
// bold) and print position are the same afterwards as before, so the label grid goes on as if
// nothing had been drawn.
void DrawSymbol(Surface& surface, const BarcodeSymbol& symbol, double x, double y);

// Draws the symbol of `content` (see ComposeContent) on the label whose top-left corner is at
// (label_left, label_top) twips, at the settings' placement. No barcode kind draws nothing; a
// content that cannot be encoded draws nothing either (CheckLabelBarcode refuses it before a run).
// True when a symbol was drawn.
bool DrawBarcode(Surface& surface, const BarcodeSettings& settings, const QString& content,
                 double label_left, double label_top,
                 BarcodeEncoder& encoder = SharedBarcodeEncoder());

// The message naming the field and the label when `content` cannot go onto `label` as a symbol of
// `settings`: a character the kind cannot encode, a content too long or empty, a symbol that runs
// past the label's right edge or below its page row. Nothing when it can.
std::optional<QString> CheckBarcode(const BarcodeSettings& settings, const QString& content,
                                    const BarcodeLabel& label,
                                    BarcodeEncoder& encoder = SharedBarcodeEncoder());

// Everything for one label before a run prints: the settings, the content (an SSCC that cannot be
// composed) and CheckBarcode. Nothing when the label can be printed, also for no barcode.
std::optional<QString> CheckLabelBarcode(const BarcodeSettings& settings, const BarcodeLabel& label,
                                         BarcodeEncoder& encoder = SharedBarcodeEncoder());
