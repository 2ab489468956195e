#include "print/run_checks.h"

#include <QCoreApplication>
#include <cstdint>

#include "barcode/barcode_check.h"
#include "blocks/block_store.h"
#include "model/main_model.h"
#include "model/number_fields.h"
#include "model/prompter.h"
#include "print/run_plan.h"
#include "print/symbol_shapes.h"

namespace {

// Carton numbers are 16-bit, and the carton counter steps one past a block's last carton.
constexpr int64_t kLowestCarton = -32768;
constexpr int64_t kHighestCarton = 32766;

bool CartonFits(int64_t number) { return number >= kLowestCarton && number <= kHighestCarton; }

// The texts of this file's messages, translated under one context.
struct Text {
  Q_DECLARE_TR_FUNCTIONS(PrintRun)
};

// `which`: the block or the remainder carton, as a name of its own.
QString CartonRangeMessage(const QString& which) {
  return Text::tr("%1的箱號超出 -32768 到 32766 的範圍, 請修改後再印").arg(which);
}

bool PrintsRemainder(const MainModel& model) { return model.l_last.trimmed() == u"Yes"; }

bool Checks(MainModel& model, Prompter& prompter) {
  if (model.l_last == u"Yes" && model.remainder_edited == 0) {
    prompter.Message(Text::tr("你還沒有編輯尾數頁ㄛ! 請編輯之或將尾數頁選項改成No"));
    return false;
  }
  if (model.current_block <= model.block_count &&
      LeadingNumber(model.l_end.trimmed()) < LeadingNumber(model.l_start.trimmed())) {
    prompter.Message(ReversedRangeMessage(model));
    return false;
  }
  // The block on screen is stored before the remaining checks: the table keeps it even when they
  // fail.
  if (!SaveBlock(model, prompter)) return false;
  if (LeadingNumber(model.l_pbox.trimmed()) < 1) {
    prompter.Message(Text::tr("每P的箱數輸入錯誤: 每墊板的箱數必須是 1 以上的數字。"));
    model.focus_request = QStringLiteral("l_pbox");
    return false;
  }
  if (model.pallet_row < 0 || model.pallet_row > model.max_line) {
    prompter.Message(Text::tr("請選擇P/NO要印在那一行"));
    return false;
  }
  if (model.carton_row < 0 || model.carton_row > model.max_line) {
    prompter.Message(Text::tr("請選擇C/NO要印在那一行"));
    return false;
  }
  return true;
}

bool NumbersFit(const MainModel& model, Prompter& prompter) {
  if (model.block_count < 1 || model.block_count > BlockTable::kMaxBlocks) {
    prompter.Message(Text::tr("區段數目有誤 (%1), 最多只能有 %2 個區段")
                         .arg(model.block_count)
                         .arg(BlockTable::kMaxBlocks));
    return false;
  }
  // Checked for every block before anything is printed: a number past the 16-bit range would
  // otherwise come out wrapped round on the labels, or stop the run half-way.
  for (int block = 1; block <= model.block_count; ++block) {
    const BlockEntry& entry = model.blocks[block];
    if (!CartonFits(entry.blk_start) || !CartonFits(entry.blk_end)) {
      prompter.Message(CartonRangeMessage(Text::tr("第 %1 區段").arg(block)));
      return false;
    }
  }
  if (PrintsRemainder(model) && !CartonFits(model.blocks[model.block_count + 1].blk_start)) {
    prompter.Message(CartonRangeMessage(Text::tr("尾數箱")));
    return false;
  }
  return true;
}

// Every label's symbol, before anything prints: the first label that cannot carry its symbol
// stops the run with the message naming the field and the label. A symbol's size and whether it
// can be encoded depend on its content's shape only, so thousands of labels take a few encodings.
bool BarcodesFit(const MainModel& model, Prompter& prompter, SymbolShapes& shapes,
                 const PrinterDots& dots) {
  const BarcodeSettings& settings = model.barcode;
  if (settings.kind == BarcodeKind::kNone) return true;
  const RunPlan plan = RunPlan::Of(model);
  const LabelGrid grid = LabelGrid::Of(model);
  for (int64_t index = 0; index < plan.label_count(); ++index) {
    const PlannedLabel label = plan.Label(index);
    const BarcodeLabel which{label.block, label.pallet, label.carton, label.remainder};
    std::optional<QString> problem;
    if (index == 0 || label.barcode.isEmpty()) {
      // The settings, the same for every label, once; and a content that cannot be composed,
      // which the plan leaves empty.
      problem = CheckLabelBarcode(settings, which, grid, SharedBarcodeEncoder(), dots);
    } else {
      problem = CheckEncodedBarcode(settings, label.barcode,
                                    shapes.Of(settings, label.barcode, dots), which, grid);
    }
    if (problem) {
      prompter.Message(*problem);
      return false;
    }
  }
  return true;
}

}  // namespace

bool CheckRun(MainModel& model, Prompter& prompter, SymbolShapes& shapes, const PrinterDots& dots) {
  return Checks(model, prompter) && NumbersFit(model, prompter) &&
         BarcodesFit(model, prompter, shapes, dots);
}

bool CheckRun(MainModel& model, Prompter& prompter) {
  SymbolShapes shapes;
  return CheckRun(model, prompter, shapes);
}
