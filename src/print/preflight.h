#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <cstdint>

#include "print/run_plan.h"

class LabelGeometry;
class PrintLayout;
class SymbolShapes;
struct MainModel;
struct PrintDestination;

// One problem the preflight found in a print, before anything is printed. A problem that repeats
// is one item with its count: a mark past the printable area once for its place on the sheet (its
// page row, label and line) with the sheets it happens on, a mark over another once for its place
// on the label with the labels it happens on.
struct PreflightItem {
  enum Kind {
    kPaper,               // the stock's page is not the printer's paper, or more than it takes
    kOutside,             // a mark outside the printer's printable area
    kCoversText,          // the picture or the barcode covers characters of a text line
    kPictureOverBarcode,  // the picture and the barcode lie over each other
    kPictureFile,         // the picture file cannot be read: the labels go without it
    kOverlap,             // two blocks print labels for the same cartons
    kPastLabel,           // a row's text runs past its label's edge
    kLargeOverNext,       // a 放大 row prints over the row below it, which is not empty
  };
  enum Mark { kTextLine, kPicture, kBarcode };
  enum Side { kLeft, kTop, kRight, kBottom };
  enum PictureFault { kMissing, kNotRegular, kUnreadable, kTooLarge, kNotAPicture };

  Kind kind = kOutside;
  Mark mark = kTextLine;  // what lies outside, or what covers the text line
  // Where it happens first: sheet from 1, page row from 1, its place in the page row from 0 (on
  // the A4 sheet of eight 0 left, 1 right), template line from 1. All 0 for a problem of the job
  // as a whole.
  int64_t sheet = 0;
  int page_row = 0;
  int column = 0;
  int line = 0;
  // kPastLabel and kLargeOverNext: the block whose row it is (a row of a template, wherever its
  // labels stand), whether that is the remainder carton, and whether the row is 放大.
  int block = 0;
  bool remainder = false;
  bool large = false;
  // The stock's sheets, which the place is named on: two labels a page row are left and right.
  SheetShape shape;
  Side side = kBottom;
  double twips = 0;   // how far past the edge: the most on any sheet or label
  int64_t count = 0;  // sheets (kOutside) or labels (the others) it happens on
  int64_t of = 0;     // sheets or labels it could have happened on: count == of is every one
  QRectF spot;        // where on its first sheet, twips from the print's (0, 0); empty for none
  QString text;       // the characters covered (by a mark, or the row below a 放大 row); the file
  PictureFault fault = kMissing;
  BlockOverlap overlap;
  // kPaper: the stock (its name in `text`), its page, and the printer's: the page it is set up
  // for, or the largest it takes when the stock's is larger (`too_large`).
  QSizeF page;
  QSizeF printer_page;
  bool too_large = false;

  // The item as the clerk reads it, one line.
  QString Text() const;
};

// Every problem of a print in one list: the stock's page against the printer's paper, the
// overlapping blocks and the picture file first, then the marks and rows of the labels as the
// sheet walk lays them out, in print order.
struct Preflight {
  QList<PreflightItem> items;

  bool Has(PreflightItem::Kind kind) const;
  QStringList Texts() const;
};

// The preflight of printing `layout` (of a model that passed CheckRun, its symbols by shape in
// `shapes`) where `geometry` (in the print's frame) puts the labels: measured against the
// printable area on the stock's page, when the printer's area is known, and the stock's page
// against the paper the printer says it is set up for.
Preflight RunPreflight(const MainModel& model, const PrintLayout& layout,
                       const LabelGeometry& geometry, SymbolShapes& shapes);

// The printer as the preflight and its question name it: 「LABELS」, or the PDF file.
QString DestinationName(const PrintDestination& destination);

// The words above the items of the one question asked before a print with problems: it names the
// destination and, when marks lie outside its printable area or its paper is not the stock's,
// points to the printer settings.
QString PreflightIntro(const Preflight& preflight, const PrintDestination& destination);

// The parts of the sheet outside `printable` (twips from the sheet's top-left corner, as
// PrintTarget::PrintableArea gives it), for the whole-run preview to shade: up to four bands, top
// and bottom across the sheet, left and right between them. `sheet`: the paper's size in twips.
QList<QRectF> UnprintableBands(const QRectF& printable, const QSizeF& sheet);
