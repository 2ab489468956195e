#include "blocks/block_store.h"

#include <QCoreApplication>
#include <optional>

#include "model/block_table.h"
#include "model/main_model.h"
#include "model/number_fields.h"
#include "model/prompter.h"

namespace {

std::optional<int32_t> StoredNumber(const QString& text) {
  return RoundToInt32(LeadingNumber(text.trimmed()));
}

// `field`: the field's name as QT_TRANSLATE_NOOP marks it, translated here.
QString OutOfRangeMessage(const char* field) {
  return QCoreApplication::translate(
             "Blocks", "「%1」的數字太大了, 請輸入 -2147483648 到 2147483647 之間的數字")
      .arg(QCoreApplication::translate("Blocks", field));
}

}  // namespace

QString ReversedRangeMessage(const MainModel& model) {
  const QString start = model.l_start.trimmed();
  const QString end = model.l_end.trimmed();
  if (!BeginsWithNumber(end)) {
    return QCoreApplication::translate(
        "Blocks", "編號欄位輸入有錯: 箱號編號 to 必須是數字 (這個區段最後一箱的箱號)。");
  }
  if (!BeginsWithNumber(start)) {
    return QCoreApplication::translate(
        "Blocks", "編號欄位輸入有錯: 箱號編號 from 必須是數字 (這個區段第一箱的箱號)。");
  }
  return QCoreApplication::translate("Blocks",
                                     "編號欄位輸入有錯: 箱號編號 to (%1) 不能小於 from (%2)。")
      .arg(end, start);
}

bool SaveBlock(MainModel& model, Prompter& prompter) {
  // Everything is converted first, so a refused field leaves the entry as it was.
  const auto start = StoredNumber(model.l_start);
  if (!start) {
    prompter.Message(OutOfRangeMessage(QT_TRANSLATE_NOOP("Blocks", "箱號編號 from")));
    return false;
  }
  const auto end = StoredNumber(model.l_end);
  if (!end) {
    prompter.Message(OutOfRangeMessage(QT_TRANSLATE_NOOP("Blocks", "箱號編號 to")));
    return false;
  }
  const auto pbox = StoredNumber(model.l_pbox);
  if (!pbox) {
    prompter.Message(OutOfRangeMessage(QT_TRANSLATE_NOOP("Blocks", "每墊板的箱數")));
    return false;
  }
  const auto whole = WholeNumber(model.l_p_start_text);
  const auto p_start = whole ? RoundToInt16(*whole) : std::nullopt;
  if (!p_start) {
    prompter.Message(QCoreApplication::translate(
        "Blocks", "「本區段墊板編號的起始數」必須是 -32768 到 32767 之間的整數, 請修改後再試一次"));
    model.focus_request = QStringLiteral("l_p_start_text");
    return false;
  }

  BlockEntry& entry = model.blocks[model.current_block];
  entry.blk_start = *start;
  entry.blk_end = *end;
  entry.blk_pbox = *pbox;
  entry.blk_p_start = *p_start;
  entry.blk_mix = model.p_mix_box.trimmed();
  for (int row = 0; row <= model.max_line; ++row) {
    entry.blk_content[row] = model.l_content[row];
    entry.blk_array[row] = model.l_array[row].trimmed();
    entry.blk_size[row] = model.l_size[row];
  }
  return true;
}

void LoadBlock(MainModel& model, int entry_index) {
  const BlockEntry& entry = model.blocks[entry_index];
  model.l_start = QString::number(entry.blk_start);
  model.l_end = QString::number(entry.blk_end);
  model.l_pbox = QString::number(entry.blk_pbox);
  model.l_p_start_text = QString::number(entry.blk_p_start);
  model.p_mix_box = entry.blk_mix;
  for (int row = 0; row <= model.max_line; ++row) {
    model.l_content[row] = entry.blk_content[row];
    model.l_array[row] = entry.blk_array[row];
    model.l_size[row] = entry.blk_size[row];
  }
}

PalletWalk WalkPallets(const BlockTable& table, int n) {
  PalletCounter counter;
  for (int i = 1; i <= n; ++i) counter.Add(table[i]);
  return counter.walk();
}
