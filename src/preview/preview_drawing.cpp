#include "preview/preview_drawing.h"

#include <algorithm>

#include "barcode/barcode_check.h"
#include "barcode/barcode_content.h"
#include "model/fonts.h"
#include "model/label_grid.h"
#include "model/main_model.h"
#include "model/number_fields.h"
#include "print/barcode_painter.h"
#include "print/label_layout.h"
#include "print/surface.h"

namespace {

// Leading and trailing blanks off; other white space counts as text.
QString TrimBlanks(const QString& text) {
  qsizetype first = 0;
  qsizetype last = text.size();
  while (first < last && text[first] == u' ') ++first;
  while (last > first && text[last - 1] == u' ') --last;
  return text.mid(first, last - first);
}

void DrawPicture(const PreviewLabel& label, Surface& surface) {
  if (label.pic_file_name.isEmpty()) return;
  const std::optional<Picture> picture = LoadPicture(label.pic_file_name);
  if (!picture || picture->IsEmpty()) return;
  const std::optional<QRectF> rect = PreviewPictureRect(label, picture->width, picture->height);
  if (!rect) return;
  surface.DrawPicture(*picture, rect->x(), rect->y(), rect->width(), rect->height());
}

}  // namespace

PreviewLabel PreviewLabel::Of(const MainModel& model) {
  PreviewLabel label;
  for (int i = 0; i < kRows; ++i) {
    label.l_content[i] = model.l_content[i];
    label.l_array[i] = model.l_array[i];
    label.l_size[i] = model.l_size[i];
  }
  label.pic_file_name = model.pic_file_name;
  label.pic_size = model.pic_size;
  label.pic_d_left = model.pic_d_left;
  label.pic_d_top = model.pic_d_top;
  label.barcode = model.barcode;
  if (model.barcode.kind != BarcodeKind::kNone) {
    // The fields as typed, read as the block commands read them; the preview prints no run, so
    // there is no planned label to take the numbers from.
    const BarcodeLabel sample{model.current_block, int64_t(LeadingNumber(model.l_p_start_text)),
                              int64_t(LeadingNumber(model.l_start)),
                              model.current_block > model.block_count};
    label.barcode_content = ComposeContent(model.barcode, sample).text;
  }
  return label;
}

int PreviewColumn(const QString& text, const QString& alignment, RowSize size) {
  // The preview looks at the row and its alignment word without their blanks at either end, so a
  // keyword row typed with leading blanks still starts in its fixed column here.
  // The preview's own label width, that of the template at its start.
  return StartColumn(text, TrimBlanks(alignment), 0, kStartGrid.line_width, TrimBlanks(text),
                     Magnification(size));
}

std::optional<QRectF> PreviewPictureRect(const PreviewLabel& label, int natural_width,
                                         int natural_height) {
  return LabelPictureRect(
      PictureSettings{label.pic_file_name, label.pic_size, label.pic_d_left, label.pic_d_top},
      natural_width, natural_height);
}

double PreviewDepth(const PreviewLabel& label) {
  // A line of the 12-point print font is 240 twips; a 放大 row reaches over the line below it.
  double depth = 0;
  for (int row = 0; row < PreviewLabel::kRows; ++row) {
    depth = std::max(depth, (row + Magnification(label.l_size[row])) * kStartGrid.line().value());
  }
  if (!label.pic_file_name.isEmpty()) {
    const std::optional<Picture> picture = LoadPicture(label.pic_file_name);
    if (picture && !picture->IsEmpty()) {
      if (const auto rect = PreviewPictureRect(label, picture->width, picture->height)) {
        depth = std::max(depth, rect->bottom());
      }
    }
  }
  if (label.barcode.kind != BarcodeKind::kNone) {
    const EncodedSymbol encoded =
        SharedBarcodeEncoder().Encode(label.barcode, label.barcode_content);
    if (encoded.symbol) {
      depth = std::max(depth, SymbolOffset(label.barcode).y() + encoded.symbol->height);
    }
  }
  return std::min(depth, kStartGrid.page_row_pitch().value());
}

void DrawPreview(const PreviewLabel& label, Surface& surface) {
  surface.SetFont(kMingFont, kStartGrid.points, false);
  surface.SetX(0);
  surface.SetY(0);
  for (int row = 0; row < PreviewLabel::kRows; ++row) {
    const QString& text = label.l_content[row];
    const RowSize size = label.l_size[row];
    surface.SetBold(IsBold(size));
    surface.SetMagnification(Magnification(size));
    surface.PrintAtColumn(PreviewColumn(text, label.l_array[row], size), text, true);
  }
  surface.SetBold(false);
  surface.SetMagnification(1);

  DrawPicture(label, surface);
  DrawBarcode(surface, label.barcode, label.barcode_content, 0, 0);
}
