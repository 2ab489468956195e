#include "print/sheet_walk.h"

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

SheetWalk::SheetWalk(const MainModel& model, const PrintLayout& layout, SymbolShapes& shapes,
                     std::optional<double> pitch, BarcodeEncoder& encoder)
    : model_(model), layout_(layout), shapes_(shapes), pitch_(pitch), encoder_(encoder) {}

int SheetWalk::PageRowsOn(int64_t sheet) const {
  const int64_t end = layout_.first_place() + layout_.label_count();
  const int64_t sheet_start = (sheet - 1) * layout_.places_per_sheet();
  if (end <= sheet_start) return 0;
  const int64_t places = std::min<int64_t>(end - sheet_start, layout_.places_per_sheet());
  return int((places + 1) / 2);
}

bool SheetWalk::Walk(Surface& surface, SheetVisitor& visitor, bool draw) {
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
  const int64_t first_place = (walked.sheet - 1) * layout_.places_per_sheet() + 2 * walked.page_row;
  PageRow row;
  for (int half = 0; half < 2; ++half) {
    std::optional<WalkedLabel>& label = walked.halves[half];
    label.reset();
    const std::optional<int64_t> index = layout_.LabelAt(first_place + half);
    if (!index) continue;
    label.emplace();
    label->index = *index;
    label->label = layout_.plan().Label(*index);
    ComposeLabel(model_, label->label, row.texts, half);
    row.has_label[half] = true;
  }
  // An empty half is printed with the alignments of the label beside it, as a run's last label
  // alone in its page row is; a page row before the start place with those of the first label.
  for (int half = 0; half < 2; ++half) {
    const std::optional<WalkedLabel>& own = walked.halves[half];
    const std::optional<WalkedLabel>& other = walked.halves[1 - half];
    if (own) {
      row.alignment_block[half] = own->label.alignment_block;
    } else if (other) {
      row.alignment_block[half] = other->label.alignment_block;
    } else if (const auto first = layout_.LabelAt(layout_.first_place())) {
      row.alignment_block[half] = layout_.plan().Label(*first).alignment_block;
    }
  }
  walked.label_width = model_.line_width * surface.ColumnWidth();
  if (!marks) {
    PrintLabel(surface, model_, row, pictures_);
  } else {
    walked.texts = row.texts;
    PrintedPlaces places;
    PrintLabel(surface, model_, row, pictures_, &places);
    walked.text_at = places.texts;
    for (int half = 0; half < 2; ++half) {
      if (walked.halves[half]) walked.halves[half]->picture = places.pictures[half];
    }
  }

  // Each label's symbol over its texts and picture, from the label's top-left corner; a half
  // without a label gets none.
  const BarcodeSettings& barcode = layout_.plan().barcode();
  if (barcode.kind == BarcodeKind::kNone) return;
  const double top = PageRowTop(surface);
  const QPointF offset = SymbolOffset(barcode);
  for (int half = 0; half < 2; ++half) {
    std::optional<WalkedLabel>& label = walked.halves[half];
    if (!label) continue;
    const QString& content = label->label.barcode;
    const double left = half * kLabelWidthTwips;
    if (marks) {
      const QRectF dark = shapes_.DarkArea(barcode, content);
      if (!dark.isEmpty()) {
        label->barcode = dark.translated(QPointF(left, top) + offset + surface.origin());
      }
    }
    if (draw) DrawBarcode(surface, barcode, content, left, top, encoder_);
  }
}

void SheetWalk::StepToNextPageRow(Surface& surface) const {
  // The print position stands on the last line of the page row; the next page row's first line
  // comes one line below the gap.
  const double gap =
      pitch_ ? *pitch_ - (model_.max_line + 1) * surface.LineHeight() : model_.label_gap;
  surface.SetY(surface.y() + gap);
}
