#pragma once

#include <QHash>
#include <QString>
#include <array>
#include <optional>

#include "model/main_model.h"
#include "print/picture_file.h"

class Surface;

// The page-row buffer: for every template row the text of the left-hand label (column 0) and of
// the right-hand label (column 1). The print run fills it; PrintLabel empties it.
using PrintBuffer = std::array<std::array<QString, 2>, MainModel::kRows>;

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

// Where a row text starts on its label, in columns of the whole page row: `base` is 0 for the
// left-hand label and line_width for the right-hand one. `alignment` is the row's alignment word;
// any word but "靠左" and "靠右" centres the text. May be below 1 for a very wide text.
int StartColumn(const QString& text, const QString& alignment, int base, int line_width);

// Prints one page row of two labels from `print_buf` at the surface's print position, with the
// row alignments of entry `block`, and then the label picture on both labels. Every printed cell
// of `print_buf` is emptied. A picture that cannot be drawn is left out without a word.
void PrintLabel(Surface& surface, const MainModel& model, PrintBuffer& print_buf, int block,
                PictureCache& pictures);
