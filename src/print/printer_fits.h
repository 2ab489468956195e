#pragma once

#include <QHash>
#include <QString>

#include "print/print_target.h"

// Physical millimetres on the paper, as a ruler held against the label stock reads them: 1440
// twips an inch, 25.4 mm an inch. The printer offsets, the page-row pitch, the label stock and the
// printable area are measured in these. They are not the label's own "millimetre" of 57.6 twips
// (kTwipsPerMm), which the picture fields have always used and which printed labels stay held to.
inline constexpr double kTwipsPerPaperMm = 1440.0 / 25.4;

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
