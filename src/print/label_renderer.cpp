#include "print/label_renderer.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "model/label_grid.h"
#include "model/number_fields.h"
#include "print/surface.h"

namespace {

// Where the labels of `row` land: each at its own placement, or where the surface's placement puts
// the page row.
class Placing {
 public:
  Placing(Surface& surface, const PageRow& row)
      : surface_(surface), row_(row), own_(surface.placement()) {}
  ~Placing() { surface_.SetPlacement(own_); }

  void Enter(int place) {
    if (!row_.placements.isEmpty()) surface_.SetPlacement(row_.placements[place]);
  }

 private:
  Surface& surface_;
  const PageRow& row_;
  GridPlacement own_;
};

void DrawLabelPicture(Surface& surface, const MainModel& model, const LabelGrid& grid,
                      const PageRow& row, Placing& placing, PictureCache& pictures,
                      PrintedPlaces* places) {
  const Picture* picture = pictures.Get(model.pic_file_name);
  if (!picture || picture->IsEmpty()) return;
  const std::optional<QRectF> rect =
      LabelPictureRect(PictureSettingsOf(model), picture->width, picture->height);
  if (!rect) return;
  const double width = grid.width().value();
  for (int place = 0; place < row.places(); ++place) {
    if (!row.has_label[place]) continue;
    // The label arithmetic is 16-bit, and knows a left-hand label and a right-hand one, a label's
    // width further: a place that does not fit leaves this picture and the next ones out. Labels
    // further right are placed as the right-hand one is, their width further on.
    const auto left = RoundToInt16(rect->x() + std::min(place, 1) * width);
    const auto top = RoundToInt16(rect->y() + PageRowTop(surface, grid));
    if (!left || !top) return;
    const double x = *left + std::max(place - 1, 0) * width;
    placing.Enter(place);
    surface.DrawPicture(*picture, x, *top, rect->width(), rect->height());
    if (places) {
      places->pictures[place] =
          surface.placement().Map(QRectF(x, *top, rect->width(), rect->height()));
    }
  }
}

}  // namespace

PageRow::PageRow(int places)
    : alignment_block(places, 0), size_block(places, 0), has_label(places, false) {
  for (QStringList& row : texts) row.resize(places);
}

const Picture* PictureCache::Get(const QString& path) {
  auto found = pictures_.find(path);
  if (found == pictures_.end()) {
    ++decoded_;
    found = pictures_.insert(path, LoadPicture(path));
  }
  return found->has_value() ? &**found : nullptr;
}

double PageRowTop(const Surface& surface, const LabelGrid& grid) {
  return surface.y() - grid.last_row_top().value();
}

PictureSettings PictureSettingsOf(const MainModel& model) {
  return PictureSettings{model.pic_file_name, model.pic_size, model.pic_d_left, model.pic_d_top};
}

void PrintLabel(Surface& surface, const MainModel& model, PageRow& row, PictureCache& pictures,
                PrintedPlaces* places) {
  const LabelGrid grid = LabelGrid::Of(model);
  const int count = row.places();
  Placing placing(surface, row);
  if (places) {
    for (QList<QPointF>& texts : places->texts) texts.resize(count);
    places->pictures.fill(std::nullopt, count);
  }
  const bool bold = surface.font_bold();
  // No line ends: a row reaches the next line because its column lies left of where the row
  // before it ended.
  for (int r = 0; r <= grid.max_line && r < MainModel::kRows; ++r) {
    for (int place = 0; place < count; ++place) {
      const QString& alignment = model.blocks[row.alignment_block[place]].blk_array[r];
      const RowSize size = model.blocks[row.size_block[place]].blk_size[r];
      QString& text = row.texts[r][place];
      const int column = StartColumn(text, alignment, place * grid.line_width, grid.line_width,
                                     text, Magnification(size));
      placing.Enter(place);
      surface.SetBold(bold || IsBold(size));
      surface.SetMagnification(Magnification(size));
      surface.PrintAtColumn(column, text, false);
      if (places) {
        places->texts[r][place] = surface.placement().Map(
            QPointF((std::max(column, 1) - 1) * surface.ColumnWidth(), surface.y()));
      }
      text.clear();
    }
    // Before the next row the position passes the page row's last label, so that row takes the
    // next line: as on the A4 sheet of eight, where the right-hand label's text always ends right
    // of where a left-hand text begins, so on a roll of one label a page. The last row leaves the
    // position just after its last text.
    if (r < grid.max_line) surface.SetX(std::max(surface.x(), count * grid.width().value()));
  }
  surface.SetBold(bold);
  surface.SetMagnification(1);
  if (model.pic_file_name.isEmpty()) return;
  DrawLabelPicture(surface, model, grid, row, placing, pictures, places);
}
