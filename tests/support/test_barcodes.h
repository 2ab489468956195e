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

// The GS1 mod-10 check digit worked out here on its own, not with the program's function: from the
// right, digits weigh 3, 1, 3, 1 …; the check digit tops the sum up to a multiple of ten.
inline int Gs1CheckDigit(const QString& digits) {
  int sum = 0;
  for (qsizetype i = 0; i < digits.size(); ++i) {
    sum += digits[digits.size() - 1 - i].digitValue() * (i % 2 == 0 ? 3 : 1);
  }
  return (10 - sum % 10) % 10;
}

// What zbarimg reads from the SSCC of TestBarcode(kSscc) for `carton`: GS1-128 as Code 128, without
// the FNC1 and without brackets round the AI.
inline QString ZbarSscc(int carton) {
  const QString body = QStringLiteral("10614141%1").arg(carton, 9, 10, QLatin1Char('0'));
  return QStringLiteral("CODE-128:00%1%2").arg(body).arg(Gs1CheckDigit(body));
}
