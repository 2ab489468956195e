#include "print/print_run.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdint>

#include "barcode/barcode_check.h"
#include "blocks/block_store.h"
#include "model/fonts.h"
#include "model/main_model.h"
#include "model/number_fields.h"
#include "model/prompter.h"
#include "print/fit_check.h"
#include "print/print_target.h"
#include "print/printer_fits.h"
#include "print/run_drawing.h"
#include "print/run_plan.h"
#include "print/surface.h"

namespace {

// Carton numbers are 16-bit, and the carton counter steps one past a block's last carton.
constexpr int64_t kLowestCarton = -32768;
constexpr int64_t kHighestCarton = 32766;
// Shorter runs are over before a progress dialog could be read.
constexpr int kProgressAfterSheets = 3;

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
// stops the run with the message naming the field and the label.
bool BarcodesFit(const MainModel& model, Prompter& prompter) {
  if (model.barcode.kind == BarcodeKind::kNone) return true;
  const RunPlan plan = RunPlan::Of(model);
  for (int64_t index = 0; index < plan.label_count(); ++index) {
    const PlannedLabel label = plan.Label(index);
    const std::optional<QString> problem = CheckLabelBarcode(
        model.barcode, BarcodeLabel{label.block, label.pallet, label.carton, label.remainder});
    if (problem) {
      prompter.Message(*problem);
      return false;
    }
  }
  return true;
}

// One print of a layout onto a target: sheet after sheet, page row after page row, looking after
// the device and the Cancel button between them.
class Printing {
 public:
  Printing(const MainModel& model, const PrintLayout& layout, const PrintDestination& destination,
           Prompter& prompter, PrintTarget& target, PrintFeedback& feedback)
      : model_(model),
        layout_(layout),
        destination_(destination),
        prompter_(prompter),
        target_(target),
        feedback_(feedback) {}

  bool Go();

 private:
  bool PrintSheet(Surface& surface, SheetDrawer& drawer, int64_t sheet);
  void Stop();
  void EndProgress();

  const MainModel& model_;
  const PrintLayout& layout_;
  const PrintDestination& destination_;
  Prompter& prompter_;
  PrintTarget& target_;
  PrintFeedback& feedback_;
  bool progress_ = false;
  bool failed_ = false;
};

bool Printing::Go() {
  if (destination_.pdf_path.isEmpty() && !destination_.printer.isEmpty() &&
      !target_.HasPrinter(destination_.printer)) {
    prompter_.Message(Text::tr("找不到印表機「%1」, 它可能已經被移除了。\n請重新選擇印表機後再印, "
                               "這次沒有印出任何標籤。")
                          .arg(destination_.printer));
    return false;
  }
  Surface* surface = target_.Open(destination_);
  if (!surface) {
    failed_ = true;
    Stop();
    return false;
  }
  surface->SetFont(kMingFont, kLabelPoints, false);
  surface->SetOrigin(destination_.fit.offset);

  const int64_t sheets = layout_.sheets();
  progress_ = sheets > kProgressAfterSheets;
  if (progress_) feedback_.StartProgress(int(sheets));
  // However the run ends from here on, its progress dialog ends with it.
  const struct ProgressEnd {
    Printing& printing;
    ~ProgressEnd() { printing.EndProgress(); }
  } progress_end{*this};

  SheetDrawer drawer(model_, layout_, destination_.fit.pitch);
  for (int64_t sheet = 1; sheet <= sheets; ++sheet) {
    if (!PrintSheet(*surface, drawer, sheet)) {
      Stop();
      return false;
    }
  }
  if (!target_.Close()) {
    failed_ = true;
    Stop();
    return false;
  }
  return true;
}

bool Printing::PrintSheet(Surface& surface, SheetDrawer& drawer, int64_t sheet) {
  // A new sheet is started only when something is drawn on it, so a run whose last sheet is full
  // puts out no empty one.
  if (sheet > 1) surface.NewPage();
  const int rows = drawer.PageRowsOn(sheet);
  for (int page_row = 0; page_row < rows; ++page_row) {
    if (page_row > 0) drawer.StepToNextPageRow(surface);
    drawer.DrawPageRow(surface, sheet, page_row);
    if (target_.Failed()) {
      failed_ = true;
      return false;
    }
  }
  return !progress_ || feedback_.SheetsDone(int(sheet));
}

void Printing::EndProgress() {
  if (!progress_) return;
  progress_ = false;
  feedback_.EndProgress();
}

void Printing::Stop() {
  target_.Abort();
  // The progress dialog goes before the message box comes, not beside it.
  EndProgress();
  if (!failed_) return;
  if (destination_.pdf_path.isEmpty()) {
    prompter_.Message(Text::tr("印表機發生錯誤, 這次的標籤沒有印完。請檢查印表機後再印一次。"));
  } else {
    prompter_.Message(
        Text::tr("無法寫入 PDF 檔 %1, 這次的標籤沒有存下來。").arg(destination_.pdf_path));
  }
}

}  // namespace

bool CheckRun(MainModel& model, Prompter& prompter) {
  return Checks(model, prompter) && NumbersFit(model, prompter) && BarcodesFit(model, prompter);
}

QString OverlapQuestion(const MainModel& model) {
  const QList<BlockOverlap> overlaps = RunPlan::Of(model).Overlaps();
  if (overlaps.isEmpty()) return {};
  QStringList lines;
  for (const BlockOverlap& o : overlaps) {
    lines << Text::tr("第 %1 區段和第 %2 區段都有箱號 %3")
                 .arg(o.first_block)
                 .arg(o.second_block)
                 .arg(o.from == o.to ? QString::number(o.from)
                                     : QStringLiteral("%1–%2").arg(o.from).arg(o.to));
  }
  return Text::tr("有些箱號在兩個區段裡重複了, 這些箱子會印出兩張標籤:\n%1\n\n還是要照這樣印嗎?")
      .arg(lines.join(u'\n'));
}

bool PrintRun(MainModel& model, Prompter& prompter, PrintTarget& target, PrintFeedback& feedback,
              const PrinterFits& fits) {
  const int shown = model.current_block;
  const BlockEntry before = model.blocks[shown];
  if (!CheckRun(model, prompter)) return false;
  const QString question = OverlapQuestion(model);
  if (!question.isEmpty() && !prompter.AskYesNo(question)) {
    // Nothing printed and nothing changed: the block on screen is not left stored either.
    model.blocks[shown] = before;
    return false;
  }

  PrintDestination destination;
  if (!target.HasDefaultPrinter()) {
    if (!prompter.AskYesNo(
            Text::tr("找不到預設的印表機, 無法列印。\n要把這次的標籤存成 PDF 檔嗎?"))) {
      return false;
    }
    destination.pdf_path = feedback.AskPdfPath();
    if (destination.pdf_path.isEmpty()) return false;
  } else {
    // Named, so that the run goes to the printer whose fit it was given.
    destination.printer = target.DefaultPrinterName();
  }
  destination.fit = fits.For(destination);
  const RunPlan plan = RunPlan::Of(model);
  const PrintLayout layout(plan, PrintChoice{});
  if (!ConfirmFit(model, layout, destination, prompter, target)) {
    model.blocks[shown] = before;
    return false;
  }
  return PrintLayoutTo(model, layout, destination, prompter, target, feedback);
}

bool PrintLayoutTo(const MainModel& model, const PrintLayout& layout,
                   const PrintDestination& destination, Prompter& prompter, PrintTarget& target,
                   PrintFeedback& feedback) {
  return Printing(model, layout, destination, prompter, target, feedback).Go();
}
