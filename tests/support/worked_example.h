#pragma once

#include "blocks/block_commands.h"
#include "blocks/block_store.h"
#include "model/main_model.h"
#include "model/row_choices.h"
#include "model/start_values.h"
#include "support/scripted_prompter.h"

// The worked example of a consignment, set up through the block commands as a clerk does it:
// block 1 is cartons 1–25, ten to a pallet from pallet 1; block 2 is cartons 26–40, ten to a pallet
// from pallet 4, mixed, so its first five cartons fill pallet 3. No remainder carton. Pallet
// numbers print on row 4, carton numbers on row 5. Block 2 stays on screen, stored in the table.
//
// `model` gets the start values first (its work_dir holds the history files).
inline void SetUpWorkedExample(MainModel& model) {
  SetStartValues(model);
  ScriptedPrompter prompter;
  model.l_content[0] = QStringLiteral("MADE IN TAIWAN");
  model.l_content[10] = QStringLiteral("台灣製造");
  ChoosePalletRow(model, 3);
  ChooseCartonRow(model, 4);
  model.l_last = QStringLiteral("No");
  RebuildBlockList(model);
  model.l_start = QStringLiteral("1");
  model.l_end = QStringLiteral("25");
  model.l_pbox = QStringLiteral("10");
  model.l_p_start_text = QStringLiteral("1");
  AddBlock(model, prompter);
  model.l_end = QStringLiteral("40");
  model.p_mix_box = QStringLiteral("Yes");
  SaveBlock(model, prompter);
}
