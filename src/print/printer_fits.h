#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include "model/label_stock.h"
#include "print/print_target.h"

// The printer offsets, the page-row pitch, the label stock and the printable area are measured in
// the paper's millimetres (PaperMm, model/lengths.h), not in the label's own millimetre of 57.6
// twips (LabelMm), which the picture fields have always used and which printed labels stay held
// to.

// The queue a printer name stands for: the print system's instances of a queue ("LABELS/draft")
// feed the same paper through the same printer, so they share its fit.
QString QueueOf(const QString& printer);

// Every printer's fit to its label stock, by queue name, and one more for PDF files: what the
// printer settings hold for the print run. `stocks` are every stock a run can be told to print on
// instead of its printer's (--stock): the built-in ones and the clerk's own that could be read.
struct PrinterFits {
  QHash<QString, StockFit> printers;
  StockFit pdf;
  QList<LabelStock> stocks = {};

  // The fit for `destination`: the PDF files' one, or its printer's own. A printer without a fit
  // of its own, and a destination that names no printer, get none: one printer's settings never
  // move another printer's labels.
  StockFit For(const PrintDestination& destination) const;

  bool operator==(const PrinterFits&) const = default;
};
