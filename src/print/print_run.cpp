#include "print/print_run.h"

#include <QCoreApplication>
#include <cstdint>

#include "blocks/block_store.h"
#include "model/fonts.h"
#include "model/main_model.h"
#include "model/number_fields.h"
#include "model/prompter.h"
#include "print/label_renderer.h"
#include "print/print_target.h"
#include "print/surface.h"

namespace {

// Carton numbers are 16-bit, and the carton counter steps one past a block's last carton.
constexpr int64_t kLowestCarton = -32768;
constexpr int64_t kHighestCarton = 32766;
// Shorter runs are over before a progress dialog could be read.
constexpr int kProgressAfterSheets = 3;
constexpr double kPrintPoints = 12.0;

bool CartonFits(int64_t number) { return number >= kLowestCarton && number <= kHighestCarton; }

QString CartonRangeMessage(const QString& which) {
  return QStringLiteral("%1的箱號超出 -32768 到 32766 的範圍, 請修改後再印").arg(which);
}

class Run {
 public:
  Run(MainModel& model, Prompter& prompter, PrintTarget& target, PrintFeedback& feedback)
      : model_(model), prompter_(prompter), target_(target), feedback_(feedback) {}

  bool Go();

 private:
  bool Checks();
  bool NumbersFit();
  bool PrintsRemainder() const { return model_.l_last.trimmed() == u"Yes"; }
  int Sheets() const;

  void PrintBlock(int block);
  void ComposeLabel(const BlockEntry& entry, int carton);
  void ComposeRemainder(const BlockEntry& entry);
  void AfterLabel(int block);
  void CompletePageRow(int block);
  bool Stopped() const { return failed_ || cancelled_; }
  void Stop();
  void EndProgress();

  MainModel& model_;
  Prompter& prompter_;
  PrintTarget& target_;
  PrintFeedback& feedback_;
  QString pdf_path_;  // the PDF file the run goes into when there is no printer
  Surface* surface_ = nullptr;

  PrintBuffer print_buf_{};
  int16_t page_rows_ = 0;
  int label_column_ = 0;      // the half of the page row the next label goes into
  int64_t pallet_ = 0;        // the pallet the next carton taking a fresh place goes on
  int64_t left_ = 0;          // places left on that pallet
  int64_t carry_ = 0;         // cartons still to go onto the previous block's last pallet
  int64_t carry_pallet_ = 0;  // the pallet of the last carton that took a fresh place
  PictureCache pictures_;

  int sheets_done_ = 0;
  bool progress_ = false;
  bool failed_ = false;
  bool cancelled_ = false;
};

bool Run::Checks() {
  if (model_.l_last == u"Yes" && model_.remainder_edited == 0) {
    prompter_.Message(QStringLiteral("你還沒有編輯尾數頁ㄛ! 請編輯之或將尾數頁選項改成No"));
    return false;
  }
  if (model_.current_block <= model_.block_count &&
      LeadingNumber(model_.l_end.trimmed()) < LeadingNumber(model_.l_start.trimmed())) {
    prompter_.Message(ReversedRangeMessage(model_));
    return false;
  }
  // The block on screen is stored before the remaining checks: the table keeps it even when they
  // fail.
  if (!SaveBlock(model_, prompter_)) return false;
  if (LeadingNumber(model_.l_pbox.trimmed()) < 1) {
    prompter_.Message(QCoreApplication::translate(
        "PrintRun", "每P的箱數輸入錯誤: 每墊板的箱數必須是 1 以上的數字。"));
    model_.focus_request = QStringLiteral("l_pbox");
    return false;
  }
  if (model_.pallet_row < 0 || model_.pallet_row > model_.max_line) {
    prompter_.Message(QStringLiteral("請選擇P/NO要印在那一行"));
    return false;
  }
  if (model_.carton_row < 0 || model_.carton_row > model_.max_line) {
    prompter_.Message(QStringLiteral("請選擇C/NO要印在那一行"));
    return false;
  }
  return true;
}

bool Run::NumbersFit() {
  if (model_.block_count < 1 || model_.block_count > BlockTable::kMaxBlocks) {
    prompter_.Message(QStringLiteral("區段數目有誤 (%1), 最多只能有 %2 個區段")
                          .arg(model_.block_count)
                          .arg(BlockTable::kMaxBlocks));
    return false;
  }
  // Checked for every block before anything is printed: a number past the 16-bit range would
  // otherwise come out wrapped round on the labels, or stop the run half-way.
  for (int block = 1; block <= model_.block_count; ++block) {
    const BlockEntry& entry = model_.blocks[block];
    if (!CartonFits(entry.blk_start) || !CartonFits(entry.blk_end)) {
      prompter_.Message(CartonRangeMessage(QStringLiteral("第 %1 區段").arg(block)));
      return false;
    }
  }
  if (PrintsRemainder() && !CartonFits(model_.blocks[model_.block_count + 1].blk_start)) {
    prompter_.Message(CartonRangeMessage(QStringLiteral("尾數箱")));
    return false;
  }
  return true;
}

int Run::Sheets() const {
  int64_t labels = 0;
  for (int block = 1; block <= model_.block_count; ++block) {
    const BlockEntry& entry = model_.blocks[block];
    if (entry.blk_start <= entry.blk_end) labels += int64_t(entry.blk_end) - entry.blk_start + 1;
  }
  if (PrintsRemainder()) ++labels;
  const int64_t page_rows = (labels + 1) / 2;
  const int64_t per_sheet = model_.page_rows_per_page > 0 ? model_.page_rows_per_page : page_rows;
  return page_rows == 0 ? 0 : int((page_rows + per_sheet - 1) / per_sheet);
}

void Run::ComposeLabel(const BlockEntry& entry, int carton) {
  for (int row = 0; row <= model_.max_line && row < MainModel::kRows; ++row) {
    QString& cell = print_buf_[row][label_column_];
    if (row == model_.pallet_row) {
      int64_t pallet;
      if (carry_ > 0) {
        // Carried over onto the last, partly filled pallet of the block before.
        --carry_;
        pallet = carry_pallet_;
      } else {
        pallet = pallet_;
        carry_pallet_ = pallet_;
        if (--left_ <= 0) {
          ++pallet_;
          left_ = entry.blk_pbox;
        }
      }
      if (carton >= entry.blk_end && left_ != entry.blk_pbox) carry_ = left_;
      cell = QStringLiteral("P/NO. : %1").arg(pallet);
    } else if (row == model_.carton_row) {
      cell = QStringLiteral("C/NO. : %1").arg(carton);
    } else {
      cell = entry.blk_content[row];
    }
  }
}

void Run::ComposeRemainder(const BlockEntry& entry) {
  for (int row = 0; row <= model_.max_line && row < MainModel::kRows; ++row) {
    QString& cell = print_buf_[row][label_column_];
    if (row == model_.pallet_row) {
      cell = QStringLiteral("P/NO. %1").arg(entry.blk_p_start);
    } else if (row == model_.carton_row) {
      cell = QStringLiteral("C/NO. %1").arg(entry.blk_start);
    } else {
      cell = entry.blk_content[row];
    }
  }
}

void Run::PrintBlock(int block) {
  const BlockEntry& entry = model_.blocks[block];
  left_ = entry.blk_pbox;
  pallet_ = entry.blk_p_start;
  if (!entry.IsMixed()) carry_ = 0;
  for (int carton = entry.blk_start; carton <= entry.blk_end && !Stopped(); ++carton) {
    ComposeLabel(entry, carton);
    AfterLabel(block);
  }
}

void Run::AfterLabel(int block) {
  if (++label_column_ < 2) return;
  label_column_ = 0;
  CompletePageRow(block);
}

void Run::CompletePageRow(int block) {
  PrintLabel(*surface_, model_, print_buf_, block, pictures_);
  if (target_.Failed()) {
    failed_ = true;
    return;
  }
  if (++page_rows_ == model_.page_rows_per_page) {
    surface_->NewPage();
    page_rows_ = 0;
    ++sheets_done_;
    if (progress_ && !feedback_.SheetsDone(sheets_done_)) cancelled_ = true;
  } else {
    surface_->SetY(surface_->y() + model_.label_gap);
  }
}

void Run::Stop() {
  target_.Abort();
  // The progress dialog goes before the message box comes, not beside it.
  EndProgress();
  if (!failed_) return;
  if (pdf_path_.isEmpty()) {
    prompter_.Message(
        QStringLiteral("印表機發生錯誤, 這次的標籤沒有印完。請檢查印表機後再印一次。"));
  } else {
    prompter_.Message(QStringLiteral("無法寫入 PDF 檔 %1, 這次的標籤沒有存下來。").arg(pdf_path_));
  }
}

void Run::EndProgress() {
  if (!progress_) return;
  progress_ = false;
  feedback_.EndProgress();
}

bool Run::Go() {
  if (!Checks() || !NumbersFit()) return false;

  if (!target_.HasDefaultPrinter()) {
    if (!prompter_.AskYesNo(
            QStringLiteral("找不到預設的印表機, 無法列印。\n要把這次的標籤存成 PDF 檔嗎?"))) {
      return false;
    }
    pdf_path_ = feedback_.AskPdfPath();
    if (pdf_path_.isEmpty()) return false;
  }
  surface_ = target_.Open(pdf_path_);
  if (!surface_) {
    failed_ = true;
    Stop();
    return false;
  }
  surface_->SetFont(kMingFont, kPrintPoints, false);

  const int sheets = Sheets();
  progress_ = sheets > kProgressAfterSheets;
  if (progress_) feedback_.StartProgress(sheets);
  // However the run ends from here on, its progress dialog ends with it.
  const struct ProgressEnd {
    Run& run;
    ~ProgressEnd() { run.EndProgress(); }
  } progress_end{*this};

  for (int block = 1; block <= model_.block_count && !Stopped(); ++block) PrintBlock(block);
  if (!Stopped()) {
    if (label_column_ == 1 && !PrintsRemainder()) {
      CompletePageRow(model_.block_count);
    } else if (PrintsRemainder()) {
      const int remainder = model_.block_count + 1;
      ComposeRemainder(model_.blocks[remainder]);
      label_column_ = 0;
      CompletePageRow(remainder);
    }
  }
  if (Stopped()) {
    Stop();
    return false;
  }
  if (!target_.Close()) {
    failed_ = true;
    Stop();
    return false;
  }
  if (progress_) feedback_.SheetsDone(sheets);
  return true;
}

}  // namespace

bool PrintRun(MainModel& model, Prompter& prompter, PrintTarget& target, PrintFeedback& feedback) {
  return Run(model, prompter, target, feedback).Go();
}
