#include "job/job_session.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <functional>

#include "app/editing_keys.h"
#include "app/template_commands.h"
#include "history/recall.h"
#include "job/job_commands.h"
#include "job/packing_list.h"
#include "job/template_rows.h"
#include "job_fixture.h"
#include "picture/picture_settings.h"
#include "support/model_state.h"
#include "support/test_pictures.h"

namespace {

// A session on the consignment of job_fixture.h (block 2 on screen), saved to a file, with a
// history record and a picture in its working folder.
class JobSessionTest : public testing::Test {
 protected:
  JobSessionTest() {
    session.model().work_dir = folder.path();
    test_pictures::Write(folder.File(QStringLiteral("logo.png")), 40, 20);
    test_pictures::Write(folder.File(QStringLiteral("other.png")), 60, 20);
    folder.Write(QStringLiteral("record_002"), "RECALLED\r\nC/NO.:\r\n");
    MakeConsignment(session.model(), prompter, folder.File(QStringLiteral("logo.png")));
    EXPECT_TRUE(session.SaveTo(folder.File(QStringLiteral("job.cratemark"))));
  }

  QByteArray Job() const { return JobBytesAsSaved(session.model()).value_or(QByteArray()); }

  TempFolder folder;
  ScriptedPrompter prompter;
  JobSession session{prompter};
};

// Every kind of step, undone and redone: the job (compared as the saved file) and the screen come
// back exactly, the history names the step, and the modified flag follows.
TEST_F(JobSessionTest, EveryCommandUndoesAndRedoesToTheStatesItCameFrom) {
  using Command = std::function<void(MainModel&, ScriptedPrompter&)>;
  const struct {
    const char* name;
    Command command;
  } steps[] = {
      {"typing", [](MainModel& m, auto&) { m.l_content[2] = QStringLiteral("NEW LINE"); }},
      {"alignment", [](MainModel& m, auto&) { m.l_array[5] = QStringLiteral("靠左"); }},
      {"quick entry",
       [](MainModel& m, auto&) {
         m.l_content[7] = QStringLiteral("q");
         ContentEnter(m, 7);
       }},
      {"pallet row", [](MainModel& m, auto&) { ChoosePalletRow(m, 9); }},
      {"carton row", [](MainModel& m, auto&) { ChooseCartonRow(m, 3); }},
      {"move up", [](MainModel& m, auto&) { MoveRowsUp(m); }},
      {"move down", [](MainModel& m, auto&) { MoveRowsDown(m); }},
      {"add block", [](MainModel& m, auto& p) { AddBlock(m, p); }},
      {"select block",
       [](MainModel& m, auto& p) {
         m.l_block = QStringLiteral("1");
         SelectBlock(m, p);
       }},
      {"select remainder",
       [](MainModel& m, auto& p) {
         m.l_block = kRemainderEntry;
         SelectBlock(m, p);
       }},
      {"remove block", [](MainModel& m, auto& p) { RemoveBlock(m, p); }},
      {"refresh", [](MainModel& m, auto& p) { Refresh(m, p); }},
      {"recall", [](MainModel& m, auto& p) { RecallHistory(m, QStringLiteral("02,RECALLED"), p); }},
      {"remainder option",
       [](MainModel& m, auto&) {
         m.l_last = QStringLiteral("No");
         RebuildBlockList(m);
       }},
      {"block field", [](MainModel& m, auto&) { m.l_pbox = QStringLiteral("12"); }},
      {"picture box", [](MainModel& m, auto& p) { PreviewPicture(m, p, 1455); }},
      {"picture chooser",
       [&](MainModel& m, auto& p) {
         ChoosePicture(m, p, folder.File(QStringLiteral("other.png")), 1455);
       }},
      {"picture field", [](MainModel& m, auto&) { m.pic_d_top = QStringLiteral("9"); }},
      {"barcode", [](MainModel& m, auto&) { m.barcode = BarcodeSettings(); }},
      {"packing list",
       [](MainModel& m, auto&) {
         ApplyPackingList(m, {{1, 30, 10, 1, false}, {31, 35, 5, 4, true}}, 4);
       }},
      {"apply rows",
       [](MainModel& m, auto&) {
         ApplyRowsToBlocks(m, {1, 3, 4});
       }},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.name);
    const QByteArray saved = Job();
    const MainModel before = session.model();
    const QString name = QString::fromUtf8(step.name);
    session.Change(name, [&](MainModel& m) { step.command(m, prompter); });
    const QByteArray changed = Job();
    const MainModel after = session.model();
    ASSERT_NE(changed, saved) << "the command changed the job";
    EXPECT_TRUE(session.IsModified());
    EXPECT_EQ(session.history().undoText(), name);

    session.Undo();
    EXPECT_EQ(Job(), saved);
    ExpectSameModel(before, session.model(), "undone");
    EXPECT_FALSE(session.IsModified()) << "back at the saved job";
    session.Redo();
    EXPECT_EQ(Job(), changed);
    ExpectSameModel(after, session.model(), "redone");
    EXPECT_TRUE(session.IsModified());
    session.Undo();
  }
  EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(u'|').toStdString();
}

TEST_F(JobSessionTest, ARunOfTypingInOneFieldIsOneStep) {
  const QString run = QStringLiteral("l_content(2)");
  const auto type = [&](int row, const QString& text, const QString& in_run) {
    session.Change(
        QStringLiteral("typing"), [&](MainModel& m) { m.l_content[row] = text; }, in_run);
  };
  type(2, QStringLiteral("1"), run);
  type(2, QStringLiteral("12"), run);
  type(2, QStringLiteral("120"), run);
  EXPECT_EQ(session.history().count(), 1);
  session.EndRun();  // the focus left the row and came back
  type(2, QStringLiteral("1200"), run);
  type(3, QStringLiteral("X"), QStringLiteral("l_content(3)"));
  EXPECT_EQ(session.history().count(), 3);

  session.Undo();
  session.Undo();
  EXPECT_EQ(session.model().l_content[2], QStringLiteral("120"));
  // Typed after an undo: a step of its own, not part of the run before it.
  type(2, QStringLiteral("12"), run);
  EXPECT_EQ(session.history().count(), 2);
  // Typed back to where the run began: no step is left.
  session.EndRun();
  const QString original = session.model().l_content[5];
  type(5, QStringLiteral("Z"), QStringLiteral("l_content(5)"));
  type(5, original, QStringLiteral("l_content(5)"));
  EXPECT_EQ(session.history().count(), 2);
  // A command that changes nothing is no step either.
  prompter.answers = {false};
  session.Change(QStringLiteral("Refresh, No"), [&](MainModel& m) { Refresh(m, prompter); });
  session.Change(QStringLiteral("nothing"), [](MainModel&) {});
  EXPECT_EQ(session.history().count(), 2);
}

TEST_F(JobSessionTest, HundredsOfStepsAreKeptAndOnlyAnotherJobClearsThem) {
  const QByteArray start = Job();
  for (int i = 1; i <= 150; ++i) {
    session.Change(QStringLiteral("step %1").arg(i),
                   [i](MainModel& m) { m.l_content[i % 16] = QString::number(i); });
  }
  EXPECT_EQ(session.history().count(), 150);
  // Saving keeps the history.
  ASSERT_TRUE(session.Save());
  EXPECT_FALSE(session.IsModified());
  while (session.history().canUndo()) session.Undo();
  EXPECT_EQ(Job(), start);
  EXPECT_TRUE(session.IsModified());

  // Another job is a fresh start: opening, and starting a new one.
  prompter.save_answers = {SaveChoice::kDiscard};
  ASSERT_TRUE(session.Open(folder.File(QStringLiteral("job.cratemark"))));
  EXPECT_EQ(session.history().count(), 0);
  session.Change(QStringLiteral("x"), [](MainModel& m) { m.l_content[0] = QStringLiteral("x"); });
  prompter.save_answers = {SaveChoice::kDiscard};
  ASSERT_TRUE(session.New());
  EXPECT_EQ(session.history().count(), 0);
  EXPECT_FALSE(session.history().canUndo());
}

// What is not the job stays as it is: the history list shows the files on disk, whatever a step
// is undone, and undoing a recall or a refresh touches no file.
TEST_F(JobSessionTest, UndoLeavesTheHistoryListAndTheFilesAsTheyAre) {
  const QStringList listed = session.model().record_list;
  const QByteArray record = folder.Read(QStringLiteral("record_002"));
  folder.Write(QStringLiteral("record_001"), "NEWER\r\n");
  session.Change(QStringLiteral("Refresh"), [&](MainModel& m) { Refresh(m, prompter); });
  const QStringList refreshed = session.model().record_list;
  ASSERT_NE(refreshed, listed);
  session.Undo();
  EXPECT_EQ(session.model().record_list, refreshed);
  EXPECT_EQ(session.model().work_dir, folder.path());
  EXPECT_EQ(folder.Read(QStringLiteral("record_002")), record);
}

// The recovery file follows the job: a change is written, undoing it back to the saved job
// removes the file.
TEST_F(JobSessionTest, TheRecoveryFileFollowsUndo) {
  TempFolder data;
  session.Start(data.path());
  ASSERT_FALSE(session.RecoveryPath().isEmpty());
  session.Change(QStringLiteral("typing"),
                 [](MainModel& m) { m.l_content[9] = QStringLiteral("UNSAVED EDIT"); });
  session.Autosave();
  EXPECT_TRUE(data.Read(QFileInfo(session.RecoveryPath()).fileName()).contains("UNSAVED EDIT"));
  session.Undo();
  session.Autosave();
  EXPECT_FALSE(QFileInfo::exists(session.RecoveryPath()));
  EXPECT_TRUE(session.MayClose());
}

TEST(TemplateRows, GoToTheTickedBlocksAndLeaveTheirNumbers) {
  TempFolder folder;
  MainModel model;
  ScriptedPrompter prompter;
  model.work_dir = folder.path();
  MakeConsignment(model, prompter, {});
  EXPECT_EQ(TemplateEntries(model), (std::vector<int>{1, 2, 3, 4}));
  model.l_content[8] = QStringLiteral("TYPED, NOT STORED");
  model.l_array[8] = QStringLiteral(" 靠右 ");
  const MainModel before = model;

  ApplyRowsToBlocks(model, {1, 4, 7});  // 7 is no entry of the job
  for (int entry : {1, 4}) {
    SCOPED_TRACE(entry);
    for (int row = 0; row < 16; ++row) {
      EXPECT_EQ(model.blocks[entry].blk_content[row], model.l_content[row]) << row;
      EXPECT_EQ(model.blocks[entry].blk_array[row], model.l_array[row].trimmed()) << row;
    }
    EXPECT_EQ(model.blocks[entry].blk_start, before.blocks[entry].blk_start);
    EXPECT_EQ(model.blocks[entry].blk_p_start, before.blocks[entry].blk_p_start);
  }
  EXPECT_TRUE(model.blocks[3] == before.blocks[3]);
  EXPECT_TRUE(model.blocks[7] == before.blocks[7]);
}

}  // namespace
