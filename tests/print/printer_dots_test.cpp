// Barcodes on a printer's dots: printed through the print button onto printers that say how many
// dots an inch they print, a symbol's modules are whole dots and every bar begins and ends on a dot
// of the paper; the checks before a run measure the symbol at that size.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "print/print_run_fixture.h"
#include "support/test_barcodes.h"
#include "support/test_geometry.h"

namespace {

// True when `twips` from the paper's corner is a whole number of dots at `dpi`.
bool OnDot(double twips, double dpi) {
  const double dots = twips * dpi / 1440;
  return std::abs(dots - std::round(dots)) < 1e-6;
}

}  // namespace

// Three labels with a symbol below their text, on each case's printer and stock: the narrowest bar
// (one module) is the case's whole dots as the paper gets them, and every bar's edges lie on the
// paper's dots, also where the printable area begins between two (360 twips, 50.75 dots at
// 203 dpi). A PDF file has no dots: its module is the millimetres typed.
TEST_F(PrintRunTest, BarcodeModulesAreWholePrinterDots) {
  const struct {
    BarcodeKind kind;
    double module_mm;  // as typed; a QR code's follows from its 15 mm
    double dpi;        // none: a PDF file
    const char* stock;
    int dots;      // of a module
    double twips;  // of a module on the paper
  } cases[] = {
      {BarcodeKind::kCode128, 0.33, 203, "a4-8", 3, 21.281},  // 2.64 dots: 0.375 mm
      {BarcodeKind::kCode128, 0.33, 300, "a4-8", 4, 19.2},    // 3.90 dots: 0.339 mm
      {BarcodeKind::kCode128, 0.30, 203, "a4-8", 2, 14.187},  // 2.40 dots: 0.250 mm
      // 1.18 dots, but one dot (0.085 mm) is narrower than Code 128's smallest module, 0.1 mm.
      {BarcodeKind::kCode128, 0.10, 300, "a4-8", 2, 9.6},
      {BarcodeKind::kSscc, 0.495, 203, "a4-8", 4, 28.374},  // 3.96 dots: 0.500 mm
      {BarcodeKind::kSscc, 0.495, 300, "a4-8", 6, 28.8},    // 5.85 dots: 0.508 mm
      // Scaled with the label to 0.479 mm: 3.83 dots.
      {BarcodeKind::kSscc, 0.495, 203, "roll-4x6in", 4, 28.374},
      // Scaled to 0.471 mm: 11.1 dots, but eleven (0.466 mm) are below GS1's 0.495 mm.
      {BarcodeKind::kSscc, 0.495, 600, "roll-100x150", 12, 28.8},
      // Asked for below GS1's minimum: the nearest, 3.15 dots.
      {BarcodeKind::kSscc, 0.40, 203, "a4-8", 3, 21.281},
      // 15 mm over 21 modules: 5.71 dots.
      {BarcodeKind::kQrCode, 0, 203, "a4-8", 6, 42.562},
      {BarcodeKind::kCode128, 0.33, 0, "a4-8", 0, 18.709},
  };
  SetBlocks({{1, 3, 10, 1}});
  const MainModel job = model;
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.stock) + " at " + std::to_string(c.dpi) + " dpi, " +
                 KindDisplayName(c.kind).toStdString() + " " + std::to_string(c.module_mm));
    Reset();
    model = job;
    model.barcode = TestBarcode(c.kind);
    if (c.module_mm > 0) model.barcode.module_mm = c.module_mm;
    model.barcode.top_mm = 22;  // below the carton number's row 5
    StockFit fit;
    fit.stock = test_geometry::Stock(c.stock);
    fits = PrinterFits{{{QStringLiteral("LABELS"), fit}}, fit};
    target.dpi = c.dpi;
    // A thermal printer prints its whole roll label.
    if (fit.stock->roll) target.printable = QRectF(QPointF(), fit.stock->page.ToSizeF());
    QPointF origin = target.printable.topLeft();  // the print's (0, 0) on the paper
    if (c.dpi == 0) {
      target.has_printer = false;
      target.pdf_answer = QStringLiteral("labels.pdf");
      prompter.answers = {true};
      origin = QPointF();
    }
    ASSERT_TRUE(Print()) << prompter.messages.join(u'\n').toStdString();
    EXPECT_TRUE(prompter.warnings.isEmpty());

    double narrowest = 1e9;
    int off_dots = 0;  // bar edges between two dots
    for (const RecordingSurface::Shape& bar : target.surface.shapes()) {
      narrowest = std::min(narrowest, bar.rect.width());
      const QRectF on_paper = bar.rect.translated(origin);
      for (double edge : {on_paper.left(), on_paper.right(), on_paper.top(), on_paper.bottom()}) {
        off_dots += c.dpi > 0 && !OnDot(edge, c.dpi);
      }
    }
    EXPECT_NEAR(narrowest, c.twips, 1e-3);
    if (c.dpi > 0) {
      EXPECT_NEAR(narrowest * c.dpi / 1440, c.dots, 1e-9);
      EXPECT_EQ(off_dots, 0);
    }
  }
}

// A symbol that fits its label at the module typed runs past the label's right edge at 203 dpi,
// where 0.33 mm prints as 0.375 mm: the run is refused there, before anything is printed.
TEST_F(PrintRunTest, TheChecksMeasureTheSymbolAsItPrints) {
  SetBlocks({{1, 3, 10, 1}});
  model.barcode = TestBarcode(BarcodeKind::kCode128, QStringLiteral("PO4711-{C}"));
  model.barcode.top_mm = 22;
  BarcodeEncoder encoder;
  const EncodedSymbol typed = encoder.Encode(model.barcode, QStringLiteral("PO4711-1"));
  ASSERT_TRUE(typed.symbol);
  // 10 twips to spare, on the label's millimetre of 57.6 twips.
  model.barcode.left_mm = (kStartGrid.width().value() - typed.symbol->width - 10) / 57.6;
  const MainModel job = model;

  target.dpi = 203;
  EXPECT_FALSE(Print());
  ASSERT_EQ(prompter.messages.size(), 1);
  EXPECT_TRUE(prompter.messages[0].contains(u"條碼 (連同兩旁的空白區) 超出標籤右邊"))
      << prompter.messages[0].toStdString();
  EXPECT_EQ(target.surface.sheets(), 0);

  Reset();
  model = job;
  EXPECT_TRUE(Print()) << prompter.messages.join(u'\n').toStdString();
}
