#include "print/sheet_walk.h"

#include "barcode/barcode_check.h"
#include "model/fonts.h"
#include "model/main_model.h"
#include "print/barcode_painter.h"
#include "print/surface.h"

void ComposeLabel(const MainModel& model, const PlannedLabel& label, PrintBuffer& texts,
                  int column) {
  const BlockEntry& entry = model.blocks[label.block];
  for (int row = 0; row <= model.max_line && row < MainModel::kRows; ++row) {
    QString& cell = texts[row][column];
    if (row == model.pallet_row) {
      cell = (label.remainder ? QStringLiteral("P/NO. %1") : QStringLiteral("P/NO. : %1"))
                 .arg(label.pallet);
    } else if (row == model.carton_row) {
      cell = (label.remainder ? QStringLiteral("C/NO. %1") : QStringLiteral("C/NO. : %1"))
                 .arg(label.carton);
    } else {
      cell = entry.blk_content[row];
    }
  }
}

SheetWalk::SheetWalk(const MainModel& model, const PrintLayout& layout,
                     const LabelGeometry& geometry, SymbolShapes& shapes, BarcodeEncoder& encoder)
    : model_(model),
      layout_(layout),
      geometry_(geometry),
      shapes_(shapes),
      encoder_(encoder),
      page_row_(layout.shape().places_per_row) {
  const int places = layout.shape().places_per_row;
  row_.labels.resize(places);
  for (QList<QPointF>& at : row_.text_at) at.resize(places);
  page_row_.placements.resize(places);
}

int SheetWalk::PageRowsOn(int64_t sheet) const {
  const int64_t per_sheet = layout_.places_per_sheet();
  const int64_t end = layout_.first_place() + layout_.label_count();
  const int64_t sheet_start = (sheet - 1) * per_sheet;
  if (end <= sheet_start) return 0;
  const int64_t places = std::min<int64_t>(end - sheet_start, per_sheet);
  const int per_row = layout_.shape().places_per_row;
  return int((places + per_row - 1) / per_row);
}

bool SheetWalk::Walk(Surface& surface, SheetVisitor& visitor, bool draw) {
  surface.SetFont(kMingFont, geometry_.grid().points, false);
  const int64_t sheets = layout_.sheets();
  for (int64_t sheet = 1; sheet <= sheets; ++sheet) {
    // A new sheet is started only when something is drawn on it, so a run whose last sheet is full
    // puts out no empty one.
    if (sheet > 1) surface.NewPage();
    if (!PageRows(surface, visitor, sheet, draw)) return false;
  }
  return true;
}

bool SheetWalk::WalkSheet(Surface& surface, SheetVisitor& visitor, int64_t sheet, bool draw) {
  surface.SetFont(kMingFont, geometry_.grid().points, false);
  surface.SetX(0);
  surface.SetY(0);
  return PageRows(surface, visitor, sheet, draw);
}

bool SheetWalk::PageRows(Surface& surface, SheetVisitor& visitor, int64_t sheet, bool draw) {
  const int rows = PageRowsOn(sheet);
  for (int page_row = 0; page_row < rows; ++page_row) {
    if (page_row > 0) StepToNextPageRow(surface);
    row_.sheet = sheet;
    row_.page_row = page_row;
    LayOut(surface, row_, draw, visitor.ReadsMarks());
    if (!visitor.PageRowDone(row_)) return false;
  }
  return visitor.SheetDone(sheet);
}

void SheetWalk::LayOut(Surface& surface, WalkedPageRow& walked, bool draw, bool marks) {
  const int places = layout_.shape().places_per_row;
  const int64_t first_place =
      (walked.sheet - 1) * layout_.places_per_sheet() + int64_t(places) * walked.page_row;
  PageRow& row = page_row_;
  for (int column = 0; column < places; ++column) {
    std::optional<WalkedLabel>& label = walked.labels[column];
    label.reset();
    row.has_label[column] = false;
    row.size_block[column] = 0;
    row.placements[column] = geometry_.Placement(walked.page_row, column);
    const std::optional<int64_t> index = layout_.LabelAt(first_place + column);
    if (!index) continue;
    label.emplace();
    label->index = *index;
    label->label = layout_.Label(*index);
    ComposeLabel(model_, label->label, row.texts, column);
    row.alignment_block[column] = layout_.AlignmentBlock(*index);
    row.size_block[column] = label->label.block;
    row.has_label[column] = true;
  }
  // An empty place is printed with the alignments of the nearest label to its left, else to its
  // right, as a run's last label alone in its page row leaves the right half; a page row before
  // the start place with those of the first label.
  for (int column = 0; column < places; ++column) {
    if (row.has_label[column]) continue;
    std::optional<int> block;
    for (int other = column - 1; other >= 0 && !block; --other) {
      if (row.has_label[other]) block = row.alignment_block[other];
    }
    for (int other = column + 1; other < places && !block; ++other) {
      if (row.has_label[other]) block = row.alignment_block[other];
    }
    if (!block) {
      const std::optional<int64_t> first = layout_.LabelAt(layout_.first_place());
      block = first ? layout_.AlignmentBlock(*first) : 0;
    }
    row.alignment_block[column] = *block;
  }
  const double row_top = surface.y();
  if (!marks) {
    PrintLabel(surface, model_, row, pictures_);
  } else {
    walked.texts = row.texts;
    PrintedPlaces printed;
    PrintLabel(surface, model_, row, pictures_, &printed);
    walked.text_at = printed.texts;
    walked.scale = geometry_.scale();
    const LabelGrid& grid = geometry_.grid();
    const double width = grid.width().value();
    for (int column = 0; column < places; ++column) {
      std::optional<WalkedLabel>& label = walked.labels[column];
      if (!label) continue;
      label->picture = printed.pictures[column];
      // From the top of the first line to the foot of the last, where a row that ran over ended;
      // a 放大 last row reaches a line further down.
      const RowSize last = model_.blocks[label->label.block].blk_size[grid.max_line];
      const double foot = walked.text_at[grid.max_line][column].y() +
                          grid.line().value() * Magnification(last) * geometry_.scale();
      const QRectF top_left =
          row.placements[column].Map(QRectF(column * width, row_top, width, grid.line().value()));
      label->area = QRectF(top_left.topLeft(), QPointF(top_left.right(), foot));
    }
  }

  // Each label's symbol over its texts and picture, from the label's top-left corner, on the
  // printer's dots; a place without a label gets none.
  const BarcodeSettings& barcode = layout_.plan().barcode();
  if (barcode.kind == BarcodeKind::kNone) return;
  const double top = PageRowTop(surface, geometry_.grid());
  const QPointF offset = SymbolOffset(barcode);
  const PrinterDots dots = geometry_.dots();
  const GridPlacement own = surface.placement();
  for (int column = 0; column < places; ++column) {
    std::optional<WalkedLabel>& label = walked.labels[column];
    if (!label) continue;
    const QString& content = label->label.barcode;
    const GridPlacement& placement = row.placements[column];
    const QPointF corner = geometry_.OnDots(
        placement, QPointF(column * geometry_.grid().width().value(), top) + offset);
    if (marks) {
      const QRectF dark = shapes_.DarkArea(barcode, content, dots);
      if (!dark.isEmpty()) label->barcode = placement.Map(dark.translated(corner));
    }
    if (draw) {
      const EncodedSymbol encoded = encoder_.Encode(barcode, content, dots);
      if (!encoded.symbol) continue;
      surface.SetPlacement(placement);
      DrawSymbol(surface, *encoded.symbol, corner.x(), corner.y());
    }
  }
  surface.SetPlacement(own);
}

void SheetWalk::StepToNextPageRow(Surface& surface) const {
  // The print position stands on the last line of the page row. The next page row's first line
  // comes one line below the gap, where its grid begins: a page row that ran over carries its
  // extra lines on.
  const LabelGrid& grid = geometry_.grid();
  surface.SetX(0);
  surface.SetY(surface.y() + grid.label_gap.value() + grid.line().value() -
               grid.page_row_pitch().value());
}
