#include "print/run_drawing.h"

#include "barcode/barcode_check.h"
#include "model/main_model.h"
#include "print/barcode_painter.h"
#include "print/surface.h"

void ComposeLabel(const MainModel& model, const PlannedLabel& label, PrintBuffer& texts, int half) {
  const BlockEntry& entry = model.blocks[label.block];
  for (int row = 0; row <= model.max_line && row < MainModel::kRows; ++row) {
    QString& cell = texts[row][half];
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

SheetDrawer::SheetDrawer(const MainModel& model, const PrintLayout& layout,
                         std::optional<double> pitch)
    : model_(model), layout_(layout), pitch_(pitch) {}

int SheetDrawer::PageRowsOn(int64_t sheet) const {
  const int64_t end = layout_.first_place() + layout_.label_count();
  const int64_t sheet_start = (sheet - 1) * layout_.places_per_sheet();
  if (end <= sheet_start) return 0;
  const int64_t places = std::min<int64_t>(end - sheet_start, layout_.places_per_sheet());
  return int((places + 1) / 2);
}

void SheetDrawer::DrawPageRow(Surface& surface, int64_t sheet, int page_row) {
  const int64_t first_place = (sheet - 1) * layout_.places_per_sheet() + 2 * page_row;
  PageRow row;
  std::optional<PlannedLabel> labels[2];
  for (int half = 0; half < 2; ++half) {
    const std::optional<int64_t> index = layout_.LabelAt(first_place + half);
    if (!index) continue;
    labels[half] = layout_.plan().Label(*index);
    ComposeLabel(model_, *labels[half], row.texts, half);
    row.has_label[half] = true;
  }
  // An empty half is printed with the alignments of the label beside it, as a run's last label
  // alone in its page row is; a page row before the start place with those of the first label.
  for (int half = 0; half < 2; ++half) {
    const std::optional<PlannedLabel>& own = labels[half];
    const std::optional<PlannedLabel>& other = labels[1 - half];
    if (own) {
      row.alignment_block[half] = own->alignment_block;
    } else if (other) {
      row.alignment_block[half] = other->alignment_block;
    } else if (const auto first = layout_.LabelAt(layout_.first_place())) {
      row.alignment_block[half] = layout_.plan().Label(*first).alignment_block;
    }
  }
  PrintLabel(surface, model_, row, pictures_);

  // Each label's symbol over its texts and picture, from the label's top-left corner; a half
  // without a label gets none.
  const BarcodeSettings& barcode = layout_.plan().barcode();
  if (barcode.kind == BarcodeKind::kNone) return;
  const double top = PageRowTop(surface);
  for (int half = 0; half < 2; ++half) {
    if (!labels[half]) continue;
    DrawBarcode(surface, barcode, labels[half]->barcode, half * kLabelWidthTwips, top);
  }
}

void SheetDrawer::StepToNextPageRow(Surface& surface) const {
  // The print position stands on the last line of the page row; the next page row's first line
  // comes one line below the gap.
  const double gap =
      pitch_ ? *pitch_ - (model_.max_line + 1) * surface.LineHeight() : model_.label_gap;
  surface.SetY(surface.y() + gap);
}

void SheetDrawer::DrawSheet(Surface& surface, int64_t sheet) {
  surface.SetX(0);
  surface.SetY(0);
  const int rows = PageRowsOn(sheet);
  for (int page_row = 0; page_row < rows; ++page_row) {
    if (page_row > 0) StepToNextPageRow(surface);
    DrawPageRow(surface, sheet, page_row);
  }
}
