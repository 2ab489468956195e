#pragma once

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <optional>

#include "model/lengths.h"

// The label as it was designed, 105 × 74.25 mm, and as the A4 sheets of eight have it: a label on a
// stock of another size is this label scaled to its place.
inline constexpr TwipSize kDesignedLabel{PaperMm(105).ToTwips(), PaperMm(74.25).ToTwips()};

// A label stock: the page a printer is fed and the places of the labels on it. A stock is data: a
// new kind of paper is a new entry, built in below or typed by the clerk (stock/stock_input.h).
//
// The page is an A4 sheet, or the page of a roll: one label, the page the label's size, on which a
// thermal printer has no unprintable edge. The places are `columns` × `rows` labels of `label`'s
// size, `pitch_x` and `pitch_y` apart (from one place's top-left corner to the next one's), counted
// left to right, top to bottom from place 1.
//
// Where place 1 lies depends on what the stock stands for (its `anchor`):
// - kPaperEdge, a true stock, measured with a ruler: place 1 lies `margins` from the paper's top
//   and left edges on every destination. Rolls and the clerk's own stocks are of this kind.
// - kPrintableArea, the sheets as Cratemark has always printed them: place 1 is the corner of the
//   printer's printable area, wherever the printer's unprintable edge puts it, and the places step
//   in whole columns and lines of the label grid (a4-8: 5760 twips, 48 columns, across; 4170
//   twips, sixteen lines and label_gap, down). On a destination with no unprintable edge, a PDF
//   file, place 1 lies `margins` from the paper's edges instead: for a4-8 12 points, where an
//   office laser printer's printable area begins, so that a PDF printed at actual size puts each
//   label where such a printer does.
//
// A place's rectangle is where the label's top-left corner and size are on the page, the
// corner being where the first text line and column 1 of the label grid begin. On a4-8 a place is
// the label as it was designed, 105 × 74.25 mm, with the places only 101.6 mm and 73.55 mm apart as
// the label grid has always put them: its right-hand places reach 0.8 mm past the A4 sheet on a
// printer whose printable area begins 12 points in, where only the empty right end of the
// 105 mm lies; the 48 columns of text stay on the paper.
struct LabelStock {
  enum class Anchor { kPaperEdge, kPrintableArea };

  QString name;         // as the command line and the settings write it: "roll-4x6in"
  QString description;  // in the interface's language
  bool roll = false;
  TwipSize page;
  int columns = 1;
  int rows = 1;
  TwipSize label;
  Twips pitch_x;
  Twips pitch_y;
  TwipPoint margins;  // from the paper's left and top edges to place 1
  Anchor anchor = Anchor::kPaperEdge;

  int PlaceCount() const { return columns * rows; }

  // Place 1's top-left corner in twips from the page's top-left corner, on a destination whose
  // printable area begins at `printable_corner` (twips from the page's corner); none for a
  // destination with no unprintable edge, a PDF file.
  TwipPoint FirstPlace(std::optional<TwipPoint> printable_corner) const;

  // Place `n` (1..PlaceCount()) in twips from the page's top-left corner.
  QRectF Place(int n, std::optional<TwipPoint> printable_corner) const;

  bool operator==(const LabelStock&) const = default;
};

// The stock a printer prints on until another is chosen: the A4 sheets of eight as printed always.
QString DefaultStockName();

// The stocks that come with the program, the default first; described in the language of the
// translations installed at the time of the call.
QList<LabelStock> BuiltInStocks();

// The stock named exactly `name` in `stocks`; none when there is no such stock.
std::optional<LabelStock> FindStock(const QList<LabelStock>& stocks, const QString& name);

// Names of `stocks`, in their order.
QStringList StockNames(const QList<LabelStock>& stocks);

// How a stock of the clerk's own is described: its page, places and label size.
QString CustomStockDescription(const LabelStock& stock);

// A length of paper as it is shown and typed: hundredths of a paper millimetre, "105.00".
int PaperHundredths(Twips twips);
Twips FromPaperHundredths(int hundredths);
