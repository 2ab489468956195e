#pragma once

#include <QHash>
#include <QPointF>
#include <QString>
#include <array>
#include <optional>

#include "model/main_model.h"
#include "print/label_layout.h"
#include "print/picture_file.h"

class Surface;

// The page-row buffer: for every template row the text of the left-hand label (column 0) and of
// the right-hand label (column 1). The print run fills it; PrintLabel empties it.
using PrintBuffer = std::array<std::array<QString, 2>, MainModel::kRows>;

// One page row as PrintLabel prints it: the two labels' texts, the block whose alignment words each
// half is printed with, and whether a label stands in each half at all (an empty half gets no
// picture).
struct PageRow {
  PrintBuffer texts{};
  std::array<int, 2> alignment_block{};
  std::array<bool, 2> has_label{};
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

// The top of the first line of the page row that PrintLabel has just printed: it leaves the print
// position on the last row's line, fifteen lines below. Pictures and barcodes are placed from it.
double PageRowTop(const Surface& surface);

// Where PrintLabel put things, for those who look at the page row afterwards: each cell's text
// (the top-left corner of its first cell) and each label's picture, in twips as drawn.
struct PrintedPlaces {
  std::array<std::array<QPointF, 2>, MainModel::kRows> texts{};
  std::array<std::optional<QRectF>, 2> pictures;
};

// Prints one page row of two labels at the surface's print position: every template row of both
// labels at its column by its alignment, then the label picture on each label that is there. Every
// printed cell of the row's texts is emptied. A picture that cannot be drawn is left out without a
// word. `places`, when given, is told where everything went.
void PrintLabel(Surface& surface, const MainModel& model, PageRow& row, PictureCache& pictures,
                PrintedPlaces* places = nullptr);
