#include "model/row_choices.h"

#include "model/main_model.h"

namespace {

void Choose(MainModel& model, int row, const QString& placeholder, int& chosen, int& other) {
  for (int j = 0; j <= model.max_line; ++j) {
    if (model.l_content[j] == placeholder) {
      model.l_content[j].clear();
      break;
    }
  }
  model.l_content[row] = placeholder;
  chosen = row;
  if (other == row) other = MainModel::kNoRow;
}

}  // namespace

void ChoosePalletRow(MainModel& model, int row) {
  Choose(model, row, QStringLiteral("P/NO.:"), model.pallet_row, model.carton_row);
}

void ChooseCartonRow(MainModel& model, int row) {
  Choose(model, row, QStringLiteral("C/NO.:"), model.carton_row, model.pallet_row);
}
