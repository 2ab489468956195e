#pragma once

#include <QList>
#include <QRectF>
#include <QString>
#include <optional>

#include "model/label_stock.h"
#include "print/print_target.h"
#include "stock/printer_fit.h"

class Prompter;
class Surface;

// The calibration sheet: one page of the printer's stock that shows, against a sheet of that
// stock, where the printer puts things. Everything on it is placed from the paper's own edge, then
// moved by the printer's offsets as every printed page is, so a sheet printed after the offsets
// were typed shows the corrected positions:
// - the outlines of the stock's labels and a bold cross at each label's top-left corner: where a
//   stock measured from the paper's edge has its places; the sheets of eight, which Cratemark
//   places from the printable area, stand for their labels edge to edge, the block centred on the
//   sheet;
// - millimetre rulers along the top and left edges, counted from the paper's edge;
// - at each label, where its text begins: the first line's column 1 of the label as printed there
//   (scaled and centred on a stock of another size), page rows one pitch apart;
// - a note on the printer, its figures and how to read the sheet, in the interface's language.
struct CalibrationSheet {
  QRectF printable;       // twips from the page's top-left corner, as the print target reports it
  bool edgeless = false;  // a PDF file: its (0, 0) is the paper's corner
  PrinterFit fit;         // the printer's settings, as its runs are printed with them
  LabelStock stock = BuiltInStocks().first();
  QString printer_name;  // on the sheet, with the fit's figures

  // The stock's labels, in twips from the page's top-left corner, row by row.
  QList<QRectF> Labels() const;
  // Where each label's text begins, in twips from the page's top-left corner before the offsets:
  // page row by page row, left to right.
  QList<QPointF> TextStarts() const;
};

// Draws the sheet on the surface's current page. The surface's placement is set for the sheet.
void DrawCalibrationSheet(Surface& surface, const CalibrationSheet& sheet);

// Prints the calibration sheet of `stock` with `fit` on the printer `queue`, or into a PDF file of
// the user's choice when `queue` is empty. A message for a printer that is gone and for a printer
// or file that fails. True when it was printed.
bool PrintCalibrationSheet(const QString& queue, const PrinterFit& fit, const LabelStock& stock,
                           Prompter& prompter, PrintTarget& target, PrintFeedback& feedback);
