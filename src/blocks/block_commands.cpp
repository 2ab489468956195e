#include "blocks/block_commands.h"

#include <QCoreApplication>
#include <cstdint>

#include "blocks/block_store.h"
#include "model/block_table.h"
#include "model/main_model.h"
#include "model/number_fields.h"
#include "model/prompter.h"

namespace {

// The carton-number fields are compared as the real numbers they begin with, not rounded.
double FieldValue(const QString& text) { return LeadingNumber(text.trimmed()); }

bool RemainderShown(const MainModel& model) { return model.current_block > model.block_count; }

// What l_block shows for the entry on screen, as the list offers it.
QString ShownEntryText(const MainModel& model) {
  if (!RemainderShown(model)) return QString::number(model.current_block);
  return model.l_last == u"Yes" ? kRemainderEntry : QString::number(model.block_count);
}

// The first pick of the remainder carton: it goes behind the last numbered block, with the next
// carton number and on the last pallet used. Refused by SaveBlock, it puts back what it changed
// on screen and returns false.
bool SetUpRemainder(MainModel& model, Prompter& prompter) {
  const int32_t shown_block = model.current_block;
  const QString shown_start = model.l_start;
  const QString shown_end = model.l_end;
  const QString shown_p_start = model.l_p_start_text;

  const BlockEntry& last_block = model.blocks[model.block_count];
  model.current_block = model.block_count + 1;
  model.l_start = QString::number(int64_t(last_block.blk_end) + 1);
  model.l_end.clear();

  const PalletWalk walk = WalkPallets(model.blocks, model.block_count);
  // A full last pallet (or a last block with no pallet of its own) leaves no place for the
  // remainder carton; the user may want another pallet number.
  if (walk.left == last_block.blk_pbox) {
    prompter.Message(QCoreApplication::translate(
                         "Blocks", "hmm...尾數箱可能要硬疊上第 %1 塊墊板ㄛ! ~..看要不要修改?")
                         .arg(walk.last_used));
  }
  model.l_p_start_text = QString::number(walk.last_used);

  if (!SaveBlock(model, prompter)) {
    model.current_block = shown_block;
    model.l_start = shown_start;
    model.l_end = shown_end;
    model.l_p_start_text = shown_p_start;
    return false;
  }
  model.remainder_edited = 1;
  return true;
}

// Why the carton range on screen cannot start a new block after it, naming the field to mend.
QString NewBlockRangeMessage(const MainModel& model, double start, double end) {
  QString why;
  if (!BeginsWithNumber(model.l_start.trimmed())) {
    why = QCoreApplication::translate("Blocks", "箱號編號 from 必須是數字。");
  } else if (start == 0) {
    why = QCoreApplication::translate("Blocks", "箱號編號 from 不能是 0。");
  } else if (!BeginsWithNumber(model.l_end.trimmed())) {
    why = QCoreApplication::translate("Blocks", "箱號編號 to 必須是數字。");
  } else if (end == 0) {
    why = QCoreApplication::translate("Blocks", "箱號編號 to 不能是 0。");
  } else {
    why = QCoreApplication::translate("Blocks", "箱號編號 to (%1) 不能小於 from (%2)。")
              .arg(model.l_end.trimmed(), model.l_start.trimmed());
  }
  return QCoreApplication::translate("Blocks", "請輸入正確箱數編號: %1").arg(why);
}

}  // namespace

void RebuildBlockList(MainModel& model) {
  const QString remembered = model.l_block;
  QStringList list;
  for (int32_t n = 1; n <= model.block_count; ++n) list << QString::number(n);
  if (model.l_last == u"Yes") {
    list << kRemainderEntry;
    model.l_block = remembered;
  } else {
    model.l_block = remembered == kRemainderEntry ? QString::number(model.block_count) : remembered;
  }
  model.l_block_list = list;
}

void SelectBlock(MainModel& model, Prompter& prompter) {
  const QString picked = model.l_block;
  const bool remainder = picked == kRemainderEntry;
  bool is_number = false;
  const int picked_number = picked.trimmed().toInt(&is_number);
  if (!remainder && (!is_number || picked_number < 1 || picked_number > model.block_count)) {
    // Only the list's entries are picked; anything else names no entry of the table.
    model.l_block = ShownEntryText(model);
    return;
  }

  if (!RemainderShown(model) && FieldValue(model.l_end) < FieldValue(model.l_start)) {
    prompter.Message(ReversedRangeMessage(model));
    model.l_block = QString::number(model.current_block);
    return;
  }
  if (!SaveBlock(model, prompter)) {
    model.l_block = ShownEntryText(model);
    return;
  }

  if (!remainder) {
    model.current_block = picked_number;
  } else if (model.remainder_edited == 0) {
    if (!SetUpRemainder(model, prompter)) {
      model.l_block = ShownEntryText(model);
      return;
    }
  } else {
    model.current_block = model.block_count + 1;
  }
  LoadBlock(model, model.current_block);
}

void AddBlock(MainModel& model, Prompter& prompter) {
  const double start = FieldValue(model.l_start);
  const double end = FieldValue(model.l_end);
  if (start == 0 || start > end || end == 0) {
    prompter.Message(NewBlockRangeMessage(model, start, end));
    return;
  }
  if (model.block_count >= BlockTable::kMaxBlocks) {
    prompter.Message(QCoreApplication::translate("Blocks", "區段最多只能有 %1 個, 無法再新增區段")
                         .arg(BlockTable::kMaxBlocks));
    return;
  }
  if (!SaveBlock(model, prompter)) return;

  // The stored last carton, not the typed text: a new block starts right after the carton the
  // shown block is printed up to, and a large number keeps all its digits.
  const int64_t last_carton = model.blocks[model.current_block].blk_end;

  // The new block takes the remainder carton's entry; the remainder moves up with its label.
  model.blocks[model.block_count + 2] = model.blocks[model.block_count + 1];
  ++model.block_count;
  RebuildBlockList(model);
  model.current_block = model.block_count;

  model.l_p_start_text = QString::number(ProposedFirstPallet(model.blocks, model.block_count - 1));

  model.l_start = QString::number(last_carton + 1);
  model.l_end.clear();
  model.l_block = QString::number(model.block_count);
}

int64_t ProposedFirstPallet(const BlockTable& table, int previous) {
  // A block that ends on a partly filled pallet is followed by a block on the next pallet.
  const PalletWalk walk = WalkPallets(table, previous);
  return walk.pallet + (walk.left == 0 ? 1 : 0) + (walk.carry > 0 ? 1 : 0);
}

void RemoveBlock(MainModel& model, Prompter& prompter) {
  if (model.block_count <= 1) return;
  // Whatever l_block's text says, removing while the remainder carton is shown would shift a
  // numbered block into the remainder's place.
  if (model.l_block == kRemainderEntry || RemainderShown(model)) {
    prompter.Message(
        QCoreApplication::translate("Blocks", "尾數箱 不用移除, 只要選擇尾數箱選項為no即可"));
    return;
  }

  // The shown block's edits go with it: nothing is saved. The entries behind it move down, the
  // remainder carton's too, also when the last block goes: otherwise the removed block would turn
  // up as the remainder carton and the remainder's own label would be lost.
  for (int32_t i = model.current_block; i <= model.block_count; ++i) {
    model.blocks[i] = model.blocks[i + 1];
  }
  --model.block_count;
  if (model.current_block > model.block_count) model.current_block = model.block_count;
  LoadBlock(model, model.current_block);
  RebuildBlockList(model);
  model.l_block = QString::number(model.current_block);
}
