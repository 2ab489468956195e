#include "history/recall.h"

#include <QCoreApplication>
#include <QDir>
#include <cmath>

#include "history/history_files.h"
#include "model/main_model.h"
#include "model/number_fields.h"
#include "model/prompter.h"
#include "model/row_choices.h"
#include "model/row_text.h"

namespace {

// File numbers are written with three digits.
constexpr double kLargestFileNumber = 999;

}  // namespace

bool RecallHistory(MainModel& model, const QString& item, Prompter& prompter) {
  const double number = LeadingNumber(item.left(2));
  const bool named = number >= 0 && number <= kLargestFileNumber && number == std::trunc(number);
  const QString name = named ? HistoryFileName(model.record_prefix, static_cast<int>(number))
                             : model.record_prefix + item.left(2);
  const auto lines = named ? ReadHistoryLines(QDir(model.work_dir).filePath(name)) : std::nullopt;
  if (!lines) {
    prompter.Message(QCoreApplication::translate("History",
                                                 "無法讀取歷史紀錄檔 %1:檔案不存在或無法開啟。\n"
                                                 "請按 Refresh 重新整理列表後再選一次。")
                         .arg(name));
    return false;
  }

  for (int row = 0; row <= model.max_line && row < MainModel::kRows; ++row) {
    // The line read for the row (the original program's record_line, which nothing read after).
    const QString record_line = row < lines->size() ? lines->at(row) : QString();
    const QString text = WithoutControlCharacters(record_line).trimmed();
    model.l_content[row] = text;
    if (text == QStringLiteral("C/NO.:")) ChooseCartonRow(model, row);
    if (text == QStringLiteral("P/NO.:")) ChoosePalletRow(model, row);
  }
  return true;
}
