#pragma once

#include <QPointF>
#include <QString>
#include <optional>

#include "barcode/barcode_content.h"
#include "barcode/barcode_settings.h"
#include "barcode/barcode_symbol.h"
#include "model/label_grid.h"

// A symbol must stay inside its label's width on the label grid and inside its page row, the
// grid's lines and the gap to the next row, quiet zones and text included.

// Where the symbol's top-left corner (its quiet zone) lies from the label's top-left corner, in
// twips: the user's millimetres by the label's factor, cut to whole twips, as the picture is
// placed.
QPointF SymbolOffset(const BarcodeSettings& settings);

// The message naming the field and the label when `content` cannot go onto `label` as a symbol of
// `settings`: a character the kind cannot encode, a content too long or empty, a symbol that runs
// past the label's right edge or below its page row on `grid`, at its size on `dots`. Nothing when
// it can.
std::optional<QString> CheckBarcode(const BarcodeSettings& settings, const QString& content,
                                    const BarcodeLabel& label, const LabelGrid& grid,
                                    BarcodeEncoder& encoder = SharedBarcodeEncoder(),
                                    const PrinterDots& dots = {});

// As CheckBarcode, for a content whose symbol (or a symbol of the same size) is `encoded`.
std::optional<QString> CheckEncodedBarcode(const BarcodeSettings& settings, const QString& content,
                                           const EncodedSymbol& encoded, const BarcodeLabel& label,
                                           const LabelGrid& grid);

// Everything for one label before a run prints: the settings, the content (an SSCC that cannot be
// composed) and CheckBarcode. Nothing when the label can be printed, also for no barcode.
std::optional<QString> CheckLabelBarcode(const BarcodeSettings& settings, const BarcodeLabel& label,
                                         const LabelGrid& grid,
                                         BarcodeEncoder& encoder = SharedBarcodeEncoder(),
                                         const PrinterDots& dots = {});
