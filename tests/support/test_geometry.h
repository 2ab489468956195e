#pragma once

#include <QRectF>
#include <QString>

#include "model/label_grid.h"
#include "model/label_stock.h"
#include "print/label_geometry.h"
#include "print/run_plan.h"

// Label geometries for tests that print, measure or preview without asking the print system.
namespace test_geometry {

// The generic PDF printer's A4 printable area, as RecordingTarget reports it: 18 and 36 points in.
inline const QRectF kPdfPrinterArea(360, 720, 11186, 15398);

// The A4 sheets of eight: page rows of two labels, four to a sheet.
inline constexpr SheetShape kA4Eight{2, 4};

// The built-in stock `name`.
inline LabelStock Stock(const char* name) {
  return *FindStock(BuiltInStocks(), QString::fromLatin1(name));
}

// A printer's paper whose printable area is `printable`, with `fit` (no stock: the default one).
inline PaperSetup Printer(const QRectF& printable = kPdfPrinterArea, const StockFit& fit = {}) {
  PaperSetup paper;
  paper.printable = printable;
  paper.fit = fit;
  return paper;
}

// A PDF file's paper: the whole page of the stock.
inline PaperSetup Pdf(const StockFit& fit = {}) {
  PaperSetup paper;
  paper.edgeless = true;
  paper.fit = fit;
  paper.printable = QRectF(QPointF(), fit.stock.value_or(BuiltInStocks().first()).page.ToSizeF());
  return paper;
}

// The template's grid at its start values on `paper`.
inline LabelGeometry On(const PaperSetup& paper = Printer()) {
  return LabelGeometry(kStartGrid, paper);
}

}  // namespace test_geometry
