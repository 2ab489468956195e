#pragma once

#include <QString>
#include <optional>

#include "model/label_grid.h"
#include "model/label_stock.h"
#include "print/print_target.h"

class Prompter;

// One printer's fit to its label stock as the clerk types and stores it, in the paper's millimetres
// (PaperMm; not the label's 57.6 twips a millimetre): kept as whole tenths and hundredths
// so that what is stored is exactly what was typed.
struct PrinterFit {
  static constexpr int kMaxOffsetTenths = 200;  // ±20.0 mm
  // Page rows must not run into each other (sixteen lines of 12 points take 67.73 mm), and four
  // of them must stay near an A4 sheet.
  static constexpr int kMinPitchHundredths = 6800;
  static constexpr int kMaxPitchHundredths = 8000;
  // The template's page-row pitch, its lines and label_gap: 4170 twips, 73.55 mm.
  static constexpr double kTemplatePitchTwips = kStartGrid.page_row_pitch().value();

  int offset_x_tenths = 0;  // to the right
  int offset_y_tenths = 0;  // down
  // From one page row to the next; none: the template's own, to the twip.
  std::optional<int> pitch_hundredths;
  // The name of the stock the printer is fed (model/label_stock.h).
  QString stock = DefaultStockName();

  // The fit in twips, as the print run applies it; the pitch in whole twips.
  StockFit ToStockFit() const;

  bool operator==(const PrinterFit&) const = default;
};

// The fields of the printer settings as texts.
struct PrinterFitTexts {
  QString offset_x;
  QString offset_y;
  QString pitch;
  QString stock{};  // a stock's name, as chosen from the list; empty: the default stock

  static PrinterFitTexts Of(const PrinterFit& fit);

  bool operator==(const PrinterFitTexts&) const = default;
};

// The typed fields read as a fit; nothing, after a message that names the first field that is not
// a number or lies outside its range or steps, when one of them is bad. A pitch that comes to the
// template's 4170 twips (73.55 mm) means the template's own pitch.
std::optional<PrinterFit> ReadPrinterFit(const PrinterFitTexts& texts, Prompter& prompter);

// Reads a number of at most `decimals` decimals in units of its last decimal ("-1.5" with one
// decimal is -15): blanks at either end, a sign (also "−"), full-width digits and point allowed;
// nothing for anything else, and for digits past `decimals` that are not zeros.
std::optional<int> ReadFixedPoint(const QString& text, int decimals);

// A fixed-point number as it is shown and stored: "-1.5", "74.25".
QString FixedPointText(int units, int decimals);
