#pragma once

// The print button's fixture: a model with the rows marked and history files in a folder of the
// test's own, printed onto a recording target. Shared by the print run's tests and those on the
// print system's test queues.

#include <gtest/gtest.h>

#include <QFile>
#include <vector>

#include "app/print_button.h"
#include "blocks/block_store.h"
#include "model/main_model.h"
#include "model/start_values.h"
#include "print/printer_fits.h"
#include "support/recording_target.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"
#include "support/test_blocks.h"

using Text = RecordingSurface::Text;

constexpr double kPageRow = 16 * 240 + 330;  // twips from one page row to the next

class PrintRunTest : public testing::Test {
 protected:
  PrintRunTest() { Reset(); }

  // A fresh start for the next case of a table: program state, answers and history files.
  void Reset() {
    model = MainModel();
    model.work_dir = folder.path();
    SetStartValues(model);
    model.pallet_row = 3;
    model.carton_row = 4;
    model.l_last = QStringLiteral("No");
    prompter = ScriptedPrompter();
    target = RecordingTarget();
    QFile::remove(folder.File(QStringLiteral("record_001")));
  }

  // Puts the blocks into the table and shows block 1, as the block commands leave it.
  void SetBlocks(const std::vector<Block>& blocks) {
    PutBlocks(model, blocks);
    for (int i = 0; i < int(blocks.size()); ++i) {
      BlockEntry& entry = model.blocks[i + 1];
      entry.blk_content[0] = QStringLiteral("MARK");
      entry.blk_content[3] = QStringLiteral("P/NO.:");
      entry.blk_content[4] = QStringLiteral("C/NO.:");
      for (int row = 0; row <= model.max_line; ++row) entry.blk_array[row] = AlignmentWords()[0];
    }
    model.current_block = 1;
    LoadBlock(model, 1);
  }

  // The remainder carton, set up after the numbered blocks.
  void SetRemainder(int32_t carton, int16_t pallet) {
    BlockEntry& entry = model.blocks[model.block_count + 1];
    entry.blk_start = carton;
    entry.blk_p_start = pallet;
    entry.blk_content[0] = QStringLiteral("LAST");
    model.remainder_edited = 1;
    model.l_last = QStringLiteral("Yes");
  }

  bool Print() { return PrintButton(model, prompter, target, target, fits); }

  // The printed texts that begin with `prefix`, in print order.
  QList<Text> Printed(const QString& prefix) const {
    QList<Text> found;
    for (const Text& t : target.surface.texts()) {
      if (t.text.startsWith(prefix)) found << t;
    }
    return found;
  }
  // What follows `prefix` in those texts, joined by blanks: "1 1 2".
  QString Numbers(const QString& prefix) const {
    QStringList numbers;
    for (const Text& t : Printed(prefix)) numbers << t.text.mid(prefix.size());
    return numbers.join(u' ');
  }
  QString Pallets() const { return Numbers(QStringLiteral("P/NO. : ")); }
  QString Cartons() const { return Numbers(QStringLiteral("C/NO. : ")); }

  bool HistoryWritten() const { return !folder.Read(QStringLiteral("record_001")).isEmpty(); }

  TempFolder folder;
  MainModel model;
  ScriptedPrompter prompter;
  RecordingTarget target;
  PrinterFits fits;
};
