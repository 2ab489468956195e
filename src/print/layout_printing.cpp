#include "print/layout_printing.h"

#include <QCoreApplication>
#include <optional>

#include "model/main_model.h"
#include "model/prompter.h"
#include "print/print_target.h"
#include "print/run_plan.h"
#include "print/sheet_walk.h"
#include "print/surface.h"
#include "print/symbol_shapes.h"

namespace {

// Shorter runs are over before a progress dialog could be read.
constexpr int kProgressAfterSheets = 3;

// The texts of this file's messages, translated under one context.
struct Text {
  Q_DECLARE_TR_FUNCTIONS(PrintRun)
};

// One print of a layout onto a target: the walk draws, and between page rows and sheets this
// looks after the device and the Cancel button.
class Printing : public SheetVisitor {
 public:
  Printing(const MainModel& model, const PrintLayout& layout, const LabelGeometry& geometry,
           const PrintDestination& destination, Prompter& prompter, PrintTarget& target,
           PrintFeedback& feedback, SymbolShapes& shapes)
      : model_(model),
        layout_(layout),
        geometry_(geometry),
        destination_(destination),
        prompter_(prompter),
        target_(target),
        feedback_(feedback),
        shapes_(shapes) {}

  bool Go();

  bool PageRowDone(const WalkedPageRow&) override {
    if (!target_.Failed()) return true;
    failed_ = true;
    return false;
  }
  bool ReadsMarks() const override { return false; }
  bool SheetDone(int64_t sheet) override { return !progress_ || feedback_.SheetsDone(int(sheet)); }

 private:
  void Stop();
  void EndProgress();

  const MainModel& model_;
  const PrintLayout& layout_;
  const LabelGeometry& geometry_;
  const PrintDestination& destination_;
  Prompter& prompter_;
  PrintTarget& target_;
  PrintFeedback& feedback_;
  SymbolShapes& shapes_;
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

  const int64_t sheets = layout_.sheets();
  progress_ = sheets > kProgressAfterSheets;
  if (progress_) feedback_.StartProgress(int(sheets));
  // However the run ends from here on, its progress dialog ends with it.
  const struct ProgressEnd {
    Printing& printing;
    ~ProgressEnd() { printing.EndProgress(); }
  } progress_end{*this};

  // The labels' symbols are encoded on a second thread, in the order the walk draws them, while
  // the sheets before them are drawn and compressed.
  BarcodeEncoder encoder;
  if (layout_.plan().barcode().kind != BarcodeKind::kNone) {
    encoder.EncodeAhead(
        layout_.plan().barcode(), geometry_.dots(), [this, place = int64_t(0)]() mutable {
          for (const int64_t end = layout_.first_place() + layout_.label_count(); place < end;) {
            if (const std::optional<int64_t> index = layout_.LabelAt(place++)) {
              return std::optional<QString>(layout_.Label(*index).barcode);
            }
          }
          return std::optional<QString>();
        });
  }
  SheetWalk walk(model_, layout_, geometry_, shapes_, encoder);
  if (!walk.Walk(*surface, *this)) {
    Stop();
    return false;
  }
  if (!target_.Close()) {
    failed_ = true;
    Stop();
    return false;
  }
  return true;
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

bool PrintLayoutTo(const MainModel& model, const PrintLayout& layout, const LabelGeometry& geometry,
                   const PrintDestination& destination, Prompter& prompter, PrintTarget& target,
                   PrintFeedback& feedback, SymbolShapes& shapes) {
  return Printing(model, layout, geometry, destination, prompter, target, feedback, shapes).Go();
}
