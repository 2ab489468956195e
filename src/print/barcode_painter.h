#pragma once

#include <QString>

#include "barcode/barcode_symbol.h"
#include "model/label_barcode.h"

class Surface;

// Barcodes drawn from their symbols' geometry onto any surface (printer, PDF, the previews): bars
// and modules as filled rectangles, the human-readable line as text, so they stay sharp at any
// resolution.

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
