#include "print/label_renderer.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "model/number_fields.h"
#include "model/units.h"
#include "print/surface.h"

namespace {

// Fifteen lines: from the top of row 15, where the picture step reads y, back to row 0.
constexpr int kRowsAboveLastRow = 3600;

void DrawLabelPicture(Surface& surface, const MainModel& model, const std::array<bool, 2>& halves,
                      PictureCache& pictures, PrintedPlaces* places) {
  const Picture* picture = pictures.Get(model.pic_file_name);
  if (!picture || picture->IsEmpty()) return;
  const std::optional<QRectF> rect =
      LabelPictureRect(PictureSettingsOf(model), picture->width, picture->height);
  if (!rect) return;
  for (int half = 0; half < 2; ++half) {
    if (!halves[half]) continue;
    // The label arithmetic is 16-bit: a place that does not fit leaves this picture and the next
    // one out.
    const auto left = RoundToInt16(rect->x() + half * kLabelWidthTwips);
    const auto top = RoundToInt16(rect->y() + PageRowTop(surface));
    if (!left || !top) return;
    surface.DrawPicture(*picture, *left, *top, rect->width(), rect->height());
    if (places) {
      places->pictures[half] =
          QRectF(*left, *top, rect->width(), rect->height()).translated(surface.origin());
    }
  }
}

}  // namespace

const Picture* PictureCache::Get(const QString& path) {
  auto found = pictures_.find(path);
  if (found == pictures_.end()) {
    ++decoded_;
    found = pictures_.insert(path, LoadPicture(path));
  }
  return found->has_value() ? &**found : nullptr;
}

double PageRowTop(const Surface& surface) { return surface.y() - kRowsAboveLastRow; }

PictureSettings PictureSettingsOf(const MainModel& model) {
  return PictureSettings{model.pic_file_name, model.pic_size, model.pic_d_left, model.pic_d_top};
}

void PrintLabel(Surface& surface, const MainModel& model, PageRow& row, PictureCache& pictures,
                PrintedPlaces* places) {
  const int line_width = model.line_width;
  // No line ends: a row reaches the next line because its column lies left of where the row
  // before it ended.
  for (int r = 0; r <= model.max_line && r < MainModel::kRows; ++r) {
    for (int half = 0; half < 2; ++half) {
      const QString& alignment = model.blocks[row.alignment_block[half]].blk_array[r];
      QString& text = row.texts[r][half];
      const int column = StartColumn(text, alignment, half * line_width, line_width);
      surface.PrintAtColumn(column, text, false);
      if (places) {
        places->texts[r][half] =
            QPointF((std::max(column, 1) - 1) * surface.ColumnWidth(), surface.y()) +
            surface.origin();
      }
      text.clear();
    }
  }
  if (places) places->pictures = {};
  if (model.pic_file_name.isEmpty()) return;
  DrawLabelPicture(surface, model, row.has_label, pictures, places);
}
