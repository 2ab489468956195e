#include "app/template_commands.h"

#include <QCoreApplication>

#include "app/startup.h"
#include "model/main_model.h"
#include "model/prompter.h"
#include "model/row_choices.h"

// A choice moves by choosing its new row through the same operation as a click, carton number
// before pallet number. That operation turns the other choice of the row off, so a choice that
// cannot move (it is already on the first or last row) gives way when the other one lands on it.
// A row's size goes with its text: a large consignee's mark moved down a row stays large.

void MoveRowsUp(MainModel& model) {
  for (int i = 0; i < model.max_line; ++i) {
    model.l_content[i] = model.l_content[i + 1];
    model.l_size[i] = model.l_size[i + 1];
    if (model.carton_row == i + 1) ChooseCartonRow(model, i);
    if (model.pallet_row == i + 1) ChoosePalletRow(model, i);
  }
  model.l_content[model.max_line].clear();
  model.l_size[model.max_line] = RowSize::kNormal;
}

void MoveRowsDown(MainModel& model) {
  for (int i = model.max_line; i >= 1; --i) {
    model.l_content[i] = model.l_content[i - 1];
    model.l_size[i] = model.l_size[i - 1];
    if (model.carton_row == i - 1) ChooseCartonRow(model, i);
    if (model.pallet_row == i - 1) ChoosePalletRow(model, i);
  }
  model.l_content[0].clear();
  model.l_size[0] = RowSize::kNormal;
}

void Refresh(MainModel& model, Prompter& prompter) {
  if (!prompter.AskYesNo(QCoreApplication::translate(
          "TemplateCommands", "真的要Refresh? 這樣做會讓您剛剛設的資料全部重來ㄛ.."))) {
    return;
  }
  for (int entry = 0; entry <= model.block_count; ++entry) model.blocks.Clear(entry);

  model.l_block_list.clear();
  model.l_block = QStringLiteral("1");
  model.l_start = QStringLiteral("1");
  model.l_end.clear();
  model.l_last = QStringLiteral("Yes");
  model.l_pbox.clear();
  for (int row = 0; row <= model.max_line; ++row) model.l_content[row].clear();
  // Turning the options off is not a choice: nothing is written into the rows.
  model.pallet_row = MainModel::kNoRow;
  model.carton_row = MainModel::kNoRow;

  StartUp(model);
}
