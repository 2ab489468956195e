#pragma once

#include <QRectF>
#include <QString>
#include <array>
#include <optional>

#include "model/label_barcode.h"
#include "model/row_size.h"
#include "print/picture_file.h"

struct MainModel;
class Surface;

// One label of the template as it stands in the main window, drawn on screen: the sixteen rows as
// typed (marker texts included, no numbers) placed by their alignment and printed in their sizes,
// then the label picture and the barcode.

// What the preview reads from the main window.
struct PreviewLabel {
  static constexpr int kRows = 16;

  std::array<QString, kRows> l_content{};
  std::array<QString, kRows> l_array{};
  std::array<RowSize, kRows> l_size{};
  QString pic_file_name;
  QString pic_size;
  QString pic_d_left;
  QString pic_d_top;
  BarcodeSettings barcode;
  // What the barcode of a sample label encodes; empty when it cannot be composed.
  QString barcode_content;

  // The template on screen. The barcode is that of a sample label made from the block fields on
  // screen, since the preview shows no run: the first carton (l_start) on the first pallet
  // (l_p_start_text) of the block on screen.
  static PreviewLabel Of(const MainModel& model);
};

// The column (from 1) at which the preview prints a row `text` with the alignment word
// `alignment` in the size `size`. It may be below 1 for a text wider than the label; the surface
// prints that at 1.
int PreviewColumn(const QString& text, const QString& alignment, RowSize size = RowSize::kNormal);

// Where the label picture goes in the box, in twips, for a picture of natural size
// `natural_width` × `natural_height`; nothing when the settings or the picture cannot be used.
std::optional<QRectF> PreviewPictureRect(const PreviewLabel& label, int natural_width,
                                         int natural_height);

// How far down the drawing of the label reaches, in twips from its top: the sixteen rows, the
// picture and the barcode with its human-readable line, no further than the label's page row
// (what lies below that belongs to the next label and is refused before a run).
double PreviewDepth(const PreviewLabel& label);

// Draws the label from the top of `surface`: the rows, one line each, then the picture over them,
// then the barcode. A picture or barcode that cannot be used is left out without a word.
void DrawPreview(const PreviewLabel& label, Surface& surface);
