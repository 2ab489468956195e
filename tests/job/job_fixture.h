#pragma once

#include <QString>

#include "app/startup.h"
#include "blocks/block_commands.h"
#include "model/main_model.h"
#include "model/row_choices.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

// A consignment set up through the commands a clerk uses: three blocks (the second mixed), the
// remainder carton, both row marks, rows with quotes, backslashes and Chinese, alignments that
// differ from row to row and block to block, rows 粗體 and 放大 in some blocks, a picture and a QR
// code (with the SSCC fields typed too, which the job keeps); block 2 is on screen.
inline void MakeConsignment(MainModel& model, ScriptedPrompter& prompter,
                            const QString& picture_path) {
  StartUp(model);
  model.l_content[0] = QStringLiteral("MADE IN TAIWAN");
  model.l_array[0] = QStringLiteral("靠左");
  model.l_size[0] = RowSize::kLarge;
  model.l_content[1] = QStringLiteral("Q'TY : 50 \"PCS\" \\ 台灣製造 𠀀");
  ChoosePalletRow(model, 3);
  ChooseCartonRow(model, 4);
  model.l_end = QStringLiteral("25");
  model.l_pbox = QStringLiteral("10");
  AddBlock(model, prompter);

  model.l_content[5] = QStringLiteral("BLOCK TWO");
  model.l_array[5] = QStringLiteral("靠右");
  model.l_size[0] = RowSize::kNormal;
  model.l_size[5] = RowSize::kBold;
  model.l_end = QStringLiteral("40");
  model.p_mix_box = QStringLiteral("Yes");
  AddBlock(model, prompter);

  model.l_content[5] = QStringLiteral("BLOCK THREE");
  model.l_end = QStringLiteral("45");
  model.p_mix_box = QStringLiteral("No");
  model.l_block = kRemainderEntry;
  SelectBlock(model, prompter);
  model.l_content[0] = QStringLiteral("LAST CARTON");
  model.l_block = QStringLiteral("2");
  SelectBlock(model, prompter);

  model.pic_file_name = picture_path;
  model.pic_size = QStringLiteral("20");
  model.pic_d_left = QStringLiteral("3");
  model.pic_d_top = QStringLiteral("4.5");
  model.barcode = BarcodeSettings{BarcodeKind::kQrCode,
                                  QStringLiteral("PO4711-{C} 臺灣 {P}"),
                                  3,
                                  QStringLiteral("4712345"),
                                  12.5,
                                  0.35,
                                  18,
                                  0.5};
}
