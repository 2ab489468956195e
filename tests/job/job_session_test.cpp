#include "job/job_session.h"

#include <gtest/gtest.h>

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
    folder.Write(QStringLiteral("record_001"), "NEWER\r\n");  // listed by a refresh only
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
      {"row size", [](MainModel& m, auto&) { m.l_size[7] = RowSize::kLarge; }},
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

    const QStringList listed = session.model().record_list;
    session.Undo();
    EXPECT_EQ(Job(), saved);
    EXPECT_EQ(session.model().record_list, listed) << "the list shows the files, as they are";
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

TEST_F(JobSessionTest, KeysOfOneFieldMergeAndOnlyAnotherJobClearsTheSteps) {
  const auto type = [&](int row, const QString& text) {
    session.Change(
        QStringLiteral("typing"), [&](MainModel& m) { m.l_content[row] = text; },
        QStringLiteral("l_content(%1)").arg(row));
  };
  for (const char* text : {"1", "12", "120"}) type(2, QString::fromLatin1(text));
  EXPECT_EQ(session.history().count(), 1);
  session.EndRun();  // the focus left the row and came back
  type(2, QStringLiteral("1200"));
  session.Undo();
  type(2, QStringLiteral("12"));  // after an undo: a step of its own
  EXPECT_EQ(session.history().count(), 2);
  session.EndRun();
  const QString row5 = session.model().l_content[5];
  type(5, QStringLiteral("Z"));
  type(5, row5);  // typed back to where the run began: no step left
  prompter.answers = {false};
  session.Change(QStringLiteral("Refresh, No"), [&](MainModel& m) { Refresh(m, prompter); });
  EXPECT_EQ(session.history().count(), 2) << "a command that changes nothing is no step";

  for (int i = 1; i <= 150; ++i) {
    session.Change(QStringLiteral("step %1").arg(i),
                   [i](MainModel& m) { m.l_content[i % 16] = QString::number(i); });
  }
  EXPECT_EQ(session.history().count(), 152);
  ASSERT_TRUE(session.Save());
  EXPECT_EQ(session.history().count(), 152) << "saving keeps the steps";
  prompter.save_answers = {SaveChoice::kDiscard};
  ASSERT_TRUE(session.Open(folder.File(QStringLiteral("job.cratemark"))));
  EXPECT_EQ(session.history().count(), 0);
  type(0, QStringLiteral("x"));
  prompter.save_answers = {SaveChoice::kDiscard};
  ASSERT_TRUE(session.New());
  EXPECT_EQ(session.history().count(), 0);
}

}  // namespace

namespace {

// What 另存新檔 and 存成 PDF suggest for a new job: its first row that holds any text, as a name
// any computer of the office can keep; on another block, the first block's row still.
TEST(SuggestedFileName, IsTheFirstRowOfTheFirstBlockMadeSafe) {
  const QString pairs = u"𠀀"_qs.repeated(31);
  const QString cases[][2] = {
      {u"Q'TY : 50 \"PCS\""_qs, u"Q'TY 50 PCS"_qs},
      {u"../客戶/A*B?"_qs, u"客戶 A B"_qs},
      {u"  MADE IN TAIWAN.  "_qs, u"MADE IN TAIWAN"_qs},
      {u"nul"_qs, u"nul_"_qs},
      {u" \t "_qs, u"SECOND ROW"_qs},
      {u"台"_qs.repeated(70), u"台"_qs.repeated(60)},
      {u"x"_qs + pairs, u"x"_qs + pairs.left(58)},  // never half a character
  };
  ScriptedPrompter prompter;
  JobSession session(prompter);
  for (const auto& [row, name] : cases) {
    session.model().l_content[0] = row;
    session.model().l_content[1] = u"SECOND ROW"_qs;
    EXPECT_EQ(session.SuggestedFileName(), name) << row.toStdString();
  }
  MakeConsignment(session.model(), prompter, {});
  session.model().l_content[0] = u"BLOCK 2 ON SCREEN"_qs;
  EXPECT_EQ(session.SuggestedFileName(), u"MADE IN TAIWAN");
  session.model().blocks[1].blk_content.fill({});
  EXPECT_EQ(session.SuggestedFileName(), u"未命名工作");
}

}  // namespace
