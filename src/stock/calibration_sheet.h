#pragma once

#include <QList>
#include <QRectF>
#include <QString>
#include <optional>

#include "print/print_target.h"
#include "stock/printer_fit.h"

class Prompter;
class Surface;

// The calibration sheet: one A4 sheet that shows, against a sheet of label stock, where the
// printer puts things. Everything on it is placed from the paper's own edge, then moved by the
// printer's offsets as every printed page is, so a sheet printed after the offsets were typed shows
// the corrected positions:
// - the outlines of the stock's eight labels (two across, four down, edge to edge, the block
//   centred on the sheet) and a bold cross at each label's top-left corner;
// - millimetre rulers along the top and left edges, counted from the paper's edge;
// - at each label, where its text begins: the first line's column 1, page rows one pitch apart;
// - a note on the printer, its figures and how to read the sheet, in the interface's language.
struct CalibrationSheet {
  // The usual A4 8-up stock.
  static constexpr int kDefaultLabelWidthHundredths = 10500;
  static constexpr int kDefaultLabelHeightHundredths = 7425;

  QRectF printable;  // twips from the sheet's top-left corner, as the print target reports it
  PrinterFit fit;    // the printer's settings, as its runs are printed with them
  double label_width_mm = 105;
  double label_height_mm = 74.25;
  QString printer_name;  // on the sheet, with the fit's figures

  // The stock's labels, in twips from the sheet's top-left corner, row by row.
  QList<QRectF> Labels() const;
  // Where each label's text begins, in twips from the sheet's top-left corner before the offsets:
  // page row by page row, the left label then the right.
  QList<QPointF> TextStarts() const;
};

// Draws the sheet on the surface's current page. The surface's origin is set for the sheet.
void DrawCalibrationSheet(Surface& surface, const CalibrationSheet& sheet);

// The label sizes typed for the sheet, in hundredths of a millimetre; nothing, after a message
// naming the field, when one is not a number or two across and four down would not fit on A4.
struct LabelSize {
  int width_hundredths = CalibrationSheet::kDefaultLabelWidthHundredths;
  int height_hundredths = CalibrationSheet::kDefaultLabelHeightHundredths;
};
std::optional<LabelSize> ReadLabelSize(const QString& width, const QString& height,
                                       Prompter& prompter);

// Prints the calibration sheet with `fit` on the printer `queue`, or into a PDF file of the user's
// choice when `queue` is empty. A message for a printer that is gone and for a printer or file that
// fails. True when it was printed.
bool PrintCalibrationSheet(const QString& queue, const PrinterFit& fit, const LabelSize& size,
                           Prompter& prompter, PrintTarget& target, PrintFeedback& feedback);
