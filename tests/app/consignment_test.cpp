// A consignment set up through the commands a clerk uses, then printed: the block commands, the
// row choices and the print run have to agree on the table for the numbers to come out right.

#include <gtest/gtest.h>

#include "app/print_button.h"
#include "app/startup.h"
#include "blocks/block_commands.h"
#include "model/main_model.h"
#include "model/row_choices.h"
#include "print/printer_fits.h"
#include "support/recording_target.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace {

// The texts of the printed rows that begin with `prefix`, in print order, without the prefix.
QStringList Printed(const RecordingSurface& surface, const QString& prefix) {
  QStringList found;
  for (const RecordingSurface::Text& t : surface.texts()) {
    if (t.text.startsWith(prefix)) found << t.text.mid(prefix.size());
  }
  return found;
}

}  // namespace

TEST(Consignment, ThreeBlocksOneMixedAndTheRemainderPrintTheirNumbers) {
  TempFolder folder;
  MainModel model;
  model.work_dir = folder.path();
  StartUp(model);
  ScriptedPrompter prompter;

  model.l_content[0] = QStringLiteral("MADE IN TAIWAN");
  ChoosePalletRow(model, 3);
  ChooseCartonRow(model, 4);

  // Block 1: cartons 1–25, ten a pallet, from pallet 1.
  model.l_end = QStringLiteral("25");
  model.l_pbox = QStringLiteral("10");
  AddBlock(model, prompter);
  ASSERT_EQ(model.block_count, 2);
  EXPECT_EQ(model.l_start, QStringLiteral("26"));
  EXPECT_EQ(model.l_p_start_text, QStringLiteral("4"));

  // Block 2: cartons 26–40, mixed: its first five fill pallet 3.
  model.l_end = QStringLiteral("40");
  model.p_mix_box = QStringLiteral("Yes");
  AddBlock(model, prompter);
  ASSERT_EQ(model.block_count, 3);
  EXPECT_EQ(model.l_start, QStringLiteral("41"));
  EXPECT_EQ(model.l_p_start_text, QStringLiteral("5"));

  // Block 3: cartons 41–45, not mixed, on pallet 5; then the remainder carton.
  model.l_end = QStringLiteral("45");
  model.p_mix_box = QStringLiteral("No");
  model.l_block = QStringLiteral("尾數箱");
  SelectBlock(model, prompter);
  EXPECT_TRUE(prompter.messages.isEmpty()) << "pallet 5 still has room for the remainder";
  EXPECT_EQ(model.current_block, 4);
  EXPECT_EQ(model.l_start, QStringLiteral("46"));
  EXPECT_EQ(model.l_p_start_text, QStringLiteral("5"));
  model.l_content[0] = QStringLiteral("LAST CARTON");

  RecordingTarget target;
  ASSERT_TRUE(PrintButton(model, prompter, target, target, PrinterFits{}));
  EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(u'|').toStdString();

  QStringList cartons;
  QStringList pallets;
  for (int c = 1; c <= 45; ++c) {
    cartons << QString::number(c);
    pallets << QString::number(c <= 10 ? 1 : c <= 20 ? 2 : c <= 30 ? 3 : c <= 40 ? 4 : 5);
  }
  EXPECT_EQ(Printed(target.surface, QStringLiteral("C/NO. : ")), cartons);
  EXPECT_EQ(Printed(target.surface, QStringLiteral("P/NO. : ")), pallets);
  EXPECT_EQ(Printed(target.surface, QStringLiteral("C/NO. ")).last(), QStringLiteral("46"));
  EXPECT_EQ(Printed(target.surface, QStringLiteral("P/NO. ")).last(), QStringLiteral("5"));
  EXPECT_EQ(Printed(target.surface, QStringLiteral("MADE IN TAIWAN")).size(), 45);
  EXPECT_EQ(Printed(target.surface, QStringLiteral("LAST CARTON")).size(), 1);

  // 46 labels: 23 page rows, four to a sheet; the remainder takes the right half of the last row.
  EXPECT_EQ(target.surface.sheets(), 6);
  int remainder_column = 0;
  for (const auto& t : target.surface.TextsOn(6)) {
    if (t.text == QStringLiteral("C/NO. 46")) remainder_column = t.column;
  }
  EXPECT_EQ(remainder_column, 68);
  EXPECT_FALSE(folder.Read(QStringLiteral("record_001")).isEmpty());
}
