#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <cstdint>
#include <optional>

class Prompter;
class PrintLayout;
class PrintTarget;
struct MainModel;
struct PrintDestination;
struct StockFit;

// The first mark of a run, in print order, that lies outside the printer's printable area.
struct FitOverhang {
  enum Side { kLeft, kTop, kRight, kBottom };

  enum Mark { kTextLine, kPicture, kBarcode };

  int64_t sheet = 0;  // from 1
  int page_row = 0;   // from 1, top to bottom
  Mark mark = kTextLine;
  int line = 0;  // from 1, within its page row, for a text line; 0 for the other marks
  Side side = kBottom;
  double twips = 0;  // how far it reaches past that edge

  bool operator==(const FitOverhang&) const = default;
};

// Where a run's marks lie: every text line at its offset and page-row pitch, every label picture
// and every other mark, in twips from the printable area's top-left corner (the print's (0, 0)).
struct RunExtent {
  QRectF bounds;  // all of them together; empty for a run that draws nothing
  std::optional<FitOverhang> first_outside;
};

// Draws every sheet of `layout` with `fit` onto a surface that only measures: a text line is as
// wide as its characters between their blanks at either end and one line high. `printable` is the
// printable area's size.
RunExtent MeasureRun(const MainModel& model, const PrintLayout& layout, const StockFit& fit,
                     const QSizeF& printable);

// The printer as the fit check and its messages name it: 「LABELS」, or the PDF file.
QString DestinationName(const PrintDestination& destination);

// The Yes/No question of a run whose mark `overhang` lies outside the printable area of
// `destination`: it names the page row and line and how many millimetres, and points to the
// printer settings.
QString FitQuestion(const FitOverhang& overhang, const PrintDestination& destination);

// The fit check before a run is printed to `destination` (its fit filled in): true when every mark
// lies on the printable area, or when the user answers Yes to the question. A printer whose area
// the print system does not know is left to the run's own checks.
bool ConfirmFit(const MainModel& model, const PrintLayout& layout,
                const PrintDestination& destination, Prompter& prompter, const PrintTarget& target);

// The parts of the sheet outside `printable` (twips from the sheet's top-left corner, as
// PrintTarget::PrintableArea gives it), for the whole-run preview to shade: up to four bands, top
// and bottom across the sheet, left and right between them. `sheet`: the paper's size in twips.
QList<QRectF> UnprintableBands(const QRectF& printable, const QSizeF& sheet);
