#pragma once

#include <QString>

#include "model/label_barcode.h"

// Barcode settings the tests share: GS1's published example company (prefix 0614141, extension
// digit 1, so carton 123456789 gives the SSCC 106141411234567897), the symbol 5 mm from the
// label's left edge and 10 mm from its top, 15 mm high, bars of 0.33 mm.
inline BarcodeSettings TestBarcode(BarcodeKind kind,
                                   const QString& content_template = QStringLiteral("{C}")) {
  BarcodeSettings settings;
  settings.kind = kind;
  settings.content_template = content_template;
  settings.sscc_extension = 1;
  settings.company_prefix = QStringLiteral("0614141");
  settings.left_mm = 5;
  settings.top_mm = 10;
  settings.height_mm = 15;
  settings.module_mm = 0.33;
  return settings;
}
