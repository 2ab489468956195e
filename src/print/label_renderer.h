#pragma once

#include <QHash>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "model/main_model.h"
#include "print/label_layout.h"
#include "print/picture_file.h"
#include "print/surface.h"

struct LabelGrid;

// The page-row buffer: for every template row the texts of the page row's labels, left to right
// (on the A4 sheet of eight: column 0 the left-hand label, column 1 the right-hand one). The print
// run fills it; PrintLabel empties it.
using PrintBuffer = std::array<QStringList, MainModel::kRows>;

// One page row as PrintLabel prints it: its labels' texts, the block whose alignment words each
// label is printed with, the block whose rows each label holds, whether a label stands in each
// place at all (an empty place gets no picture), and where each label's grid lands on the surface
// (none: where the surface's own placement puts the page row, its labels side by side a label's
// width apart).
struct PageRow {
  explicit PageRow(int places);

  int places() const { return int(alignment_block.size()); }

  PrintBuffer texts;
  QList<int> alignment_block;
  // A label's rows print in the sizes of its own block, even where the page row takes its
  // alignments from the next block: a 放大 row belongs to the text it was chosen for. Entry 0,
  // never used, for an empty place: every row 一般.
  QList<int> size_block;
  QList<bool> has_label;
  QList<GridPlacement> placements;
};

// The label picture decoded once for a whole run: thousands of page rows draw the same file, and
// drawing the same QImage every time lets the PDF engine store it once.
class PictureCache {
 public:
  // The picture of `path`, or null when it cannot be read or decoded (also remembered).
  const Picture* Get(const QString& path);

  // How many files were decoded.
  int decoded() const { return decoded_; }

 private:
  QHash<QString, std::optional<Picture>> pictures_;
  int decoded_ = 0;
};

// The picture fields of the main window.
PictureSettings PictureSettingsOf(const MainModel& model);

// The top of the first line of the page row that PrintLabel has just printed on `grid`: it leaves
// the print position on the last row's line, max_line lines below. Pictures and barcodes are placed
// from it.
double PageRowTop(const Surface& surface, const LabelGrid& grid);

// Where PrintLabel put things, for those who look at the page row afterwards: each cell's text
// (the top-left corner of its first cell) and each label's picture, in twips as drawn.
struct PrintedPlaces {
  std::array<QList<QPointF>, MainModel::kRows> texts;
  QList<std::optional<QRectF>> pictures;
};

// Prints one page row at the surface's print position: every template row of every label of it at
// its column by its alignment (label n's columns from n × line_width + 1) in its size, a 粗體 row
// bold and a 放大 row magnified twice from the top of its line, then the label picture on each
// label that is there. Every printed cell of the row's texts is emptied, and the surface's
// placement is left as it was. A picture that cannot be drawn is left out without a word.
// `places`, when given, is told where everything went.
void PrintLabel(Surface& surface, const MainModel& model, PageRow& row, PictureCache& pictures,
                PrintedPlaces* places = nullptr);
