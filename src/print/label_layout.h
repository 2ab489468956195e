#pragma once

#include <QRectF>
#include <QString>
#include <optional>

#include "model/units.h"

// Where things stand on one label, for the printed page and the on-screen preview alike: the
// column a row text starts in, and the rectangle of the label picture. Columns count from 1 at the
// label's left edge (a label is line_width columns of 120 twips at the print font); twips count
// from the label's top-left corner.

// The column in which a row text starts: `base` is 0 for the left-hand label of a page row and
// line_width for the right-hand one. `alignment` is the row's alignment word: "靠左" starts the
// text two columns in, "靠右" ends it one column short of the label's edge, and any other word
// centres it, except that the keyword rows start in fixed columns whatever follows the keyword, so
// the numbers and values of all labels line up under each other. `keyword_text` is what the keyword
// test reads: the printed label tests the text as it is, the preview the text without its blanks at
// either end. A row printed `magnification` times as large (a 放大 row, 2) is aligned by its
// magnified width: its characters take that many times their columns. May be below 1 for a very
// wide text; the surface prints that at column 1.
int StartColumn(const QString& text, const QString& alignment, int base, int line_width,
                const QString& keyword_text, int magnification = 1);
inline int StartColumn(const QString& text, const QString& alignment, int base, int line_width) {
  return StartColumn(text, alignment, base, line_width, text);
}

// The picture settings as the user typed them: millimetres, read as the number each text begins
// with.
struct PictureSettings {
  QString pic_file_name;
  QString pic_size;    // printed width
  QString pic_d_left;  // from the label's left edge
  QString pic_d_top;   // from the label's top edge

  bool operator==(const PictureSettings&) const = default;
};

// The label picture's rectangle in twips from the label's top-left corner, for a picture of natural
// size `natural_width` × `natural_height` (hundredths of a millimetre): the typed width at 57.6
// twips a millimetre, rounded, the height in the picture's proportions, the distances truncated.
// Nothing when the numbers do not fit the label arithmetic's 16 bits or the width is not above 0
// (a picture of no width has nothing to show, and one of negative width would come out mirrored).
std::optional<QRectF> LabelPictureRect(const PictureSettings& settings, int natural_width,
                                       int natural_height);
