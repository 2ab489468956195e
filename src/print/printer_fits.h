#pragma once

#include <QHash>
#include <QString>

#include "model/units.h"
#include "print/print_target.h"

// The printer offsets, the page-row pitch, the label stock and the printable area are measured in
// physical millimetres (kTwipsPerPaperMm, model/units.h), not in the label's own "millimetre" of
// 57.6 twips (kTwipsPerMm), which the picture fields have always used and which printed labels stay
// held to.

// A4 paper, 210 × 297 mm, in twips.
inline constexpr double kA4WidthTwips = 210 * kTwipsPerPaperMm;
inline constexpr double kA4HeightTwips = 297 * kTwipsPerPaperMm;

// The queue a printer name stands for: the print system's instances of a queue ("LABELS/draft")
// feed the same paper through the same printer, so they share its fit.
QString QueueOf(const QString& printer);

// Every printer's fit to its label stock, by queue name, and one more for PDF files: what the
// printer settings hold for the print run.
struct PrinterFits {
  QHash<QString, StockFit> printers;
  StockFit pdf;

  // The fit for `destination`: the PDF files' one, or its printer's own. A printer without a fit
  // of its own, and a destination that names no printer, get none: one printer's settings never
  // move another printer's labels.
  StockFit For(const PrintDestination& destination) const;

  bool operator==(const PrinterFits&) const = default;
};
