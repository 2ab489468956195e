#include "blocks/block_commands.h"

#include <gtest/gtest.h>

#include <functional>

#include "blocks/block_store.h"
#include "model/main_model.h"
#include "model/start_values.h"
#include "support/model_state.h"
#include "support/scripted_prompter.h"

namespace {

const QString kNoRemoving = QStringLiteral("尾數箱 不用移除, 只要選擇尾數箱選項為no即可");

QString OverfullPallet(int pallet) {
  return QStringLiteral("hmm...尾數箱可能要硬疊上第 %1 塊墊板ㄛ! ~..看要不要修改?").arg(pallet);
}

class BlockCommandsTest : public testing::Test {
 public:
  BlockCommandsTest() { Reset(); }

  void Reset() {
    model = MainModel{};
    model.work_dir = QStringLiteral("/nonexistent-cratemark-folder");
    SetStartValues(model);
    prompter.messages.clear();
  }

  // Types the carton range and pallet settings of the shown block.
  void Show(const char* start, const char* end, const char* pbox = "10",
            const char* p_start = nullptr) {
    model.l_start = QString::fromLatin1(start);
    model.l_end = QString::fromLatin1(end);
    model.l_pbox = QString::fromLatin1(pbox);
    if (p_start) model.l_p_start_text = QString::fromLatin1(p_start);
  }

  void Pick(const QString& entry) {
    model.l_block = entry;
    SelectBlock(model, prompter);
  }

  // Blocks of ten cartons each, 1–10, 11–20, …, each with its number in row 0; the last one shown
  // and stored.
  void MakeBlocks(int count) {
    for (int n = 1; n <= count; ++n) {
      if (n > 1) AddBlock(model, prompter);
      model.l_end = QString::number(n * 10);
      model.l_pbox = QStringLiteral("10");
      model.l_content[0] = QStringLiteral("block %1").arg(n);
    }
    ASSERT_TRUE(SaveBlock(model, prompter));
    ASSERT_EQ(model.block_count, count);
    ASSERT_TRUE(prompter.messages.isEmpty());
  }

  MainModel model;
  ScriptedPrompter prompter;
};

}  // namespace

TEST_F(BlockCommandsTest, SelectingTheShownBlockNormalisesItsFields) {
  Show(" 12abc", "20", "10.5", " 7 ");
  model.p_mix_box = QStringLiteral(" Yes ");
  Pick(QStringLiteral("1"));
  EXPECT_EQ(model.current_block, 1);
  EXPECT_EQ(model.l_start, QStringLiteral("12"));
  EXPECT_EQ(model.l_pbox, QStringLiteral("10"));
  EXPECT_EQ(model.l_p_start_text, QStringLiteral("7"));
  EXPECT_EQ(model.p_mix_box, QStringLiteral("Yes"));
  EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(BlockCommandsTest, ABlockWhoseEndIsBelowItsStartCannotBeLeft) {
  // A new block's end is empty, which counts as 0.
  MakeBlocks(1);
  AddBlock(model, prompter);
  ASSERT_EQ(model.l_end, QString());
  // The message names the field to mend and what it must hold.
  const struct {
    const char* end;
    const char* message;
  } cases[] = {
      {"", "編號欄位輸入有錯: 箱號編號 to 必須是數字 (這個區段最後一箱的箱號)。"},
      {"abc", "編號欄位輸入有錯: 箱號編號 to 必須是數字 (這個區段最後一箱的箱號)。"},
      {"10.5", "編號欄位輸入有錯: 箱號編號 to (10.5) 不能小於 from (11)。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.end);
    model.l_end = QString::fromUtf8(c.end);
    const MainModel before = model;
    prompter.messages.clear();
    Pick(QStringLiteral("1"));
    EXPECT_EQ(prompter.messages, QStringList{QString::fromUtf8(c.message)});
    ExpectSameModel(before, model);
  }
  model.l_end = QStringLiteral("11");  // an end equal to the start is fine
  Pick(QStringLiteral("1"));
  EXPECT_EQ(model.current_block, 1);
}

TEST_F(BlockCommandsTest, TheRemainderCartonFollowsTheLastBlock) {
  const struct {
    const char* end;
    QStringList messages;
    const char* carton;
    const char* pallet;
  } cases[] = {
      {"20", {OverfullPallet(2)}, "21", "2"},
      {"25", {}, "26", "3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.end);
    Reset();
    Show("1", c.end, "10", "1");
    model.l_content[4] = QStringLiteral("MADE IN TAIWAN");

    Pick(kRemainderEntry);
    EXPECT_EQ(prompter.messages, c.messages);
    EXPECT_EQ(model.current_block, 2);
    EXPECT_EQ(model.block_count, 1);
    EXPECT_EQ(model.remainder_edited, 1);
    EXPECT_EQ(model.l_start, QString::fromLatin1(c.carton));
    EXPECT_EQ(model.l_end, QStringLiteral("0"));
    EXPECT_EQ(model.l_p_start_text, QString::fromLatin1(c.pallet));
    EXPECT_EQ(model.l_pbox, QStringLiteral("10"));
    EXPECT_EQ(model.l_content[4], QStringLiteral("MADE IN TAIWAN"));
    EXPECT_EQ(model.blocks[1].blk_end, QString::fromLatin1(c.end).toInt()) << "block 1 stored";
    EXPECT_EQ(model.blocks[2].blk_start, QString::fromLatin1(c.carton).toInt());
  }
}

TEST_F(BlockCommandsTest, TheRemainderCartonIsSetUpOnlyOnce) {
  Show("1", "20");
  Pick(kRemainderEntry);
  model.l_start = QStringLiteral("99");
  model.l_content[0] = QStringLiteral("last one");
  Pick(QStringLiteral("1"));  // the remainder's end below its start does not hold it
  EXPECT_EQ(model.current_block, 1);
  prompter.messages.clear();
  Pick(kRemainderEntry);
  EXPECT_TRUE(prompter.messages.isEmpty());
  EXPECT_EQ(model.current_block, 2);
  EXPECT_EQ(model.l_start, QStringLiteral("99"));
  EXPECT_EQ(model.l_content[0], QStringLiteral("last one"));
}

TEST_F(BlockCommandsTest, AddProposesTheNextCartonAndPallet) {
  const struct {
    const char* end;
    const char* carton;
    const char* pallet;
  } cases[] = {
      {"25", "26", "4"},
      {"20", "21", "3"},
      {"20.5", "21", "3"},  // the carton the block is stored up to, 20
      {"2147483646", "2147483647", "214748366"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.end);
    Reset();
    Show("1", c.end, "10", "1");
    model.l_content[7] = QStringLiteral("SIZE : ");
    model.p_mix_box = QStringLiteral("Yes");
    AddBlock(model, prompter);

    EXPECT_EQ(model.block_count, 2);
    EXPECT_EQ(model.current_block, 2);
    EXPECT_EQ(model.l_block, QStringLiteral("2"));
    EXPECT_EQ(model.l_block_list,
              (QStringList{QStringLiteral("1"), QStringLiteral("2"), kRemainderEntry}));
    EXPECT_EQ(model.l_start, QString::fromLatin1(c.carton));
    EXPECT_EQ(model.l_end, QString());
    EXPECT_EQ(model.l_p_start_text, QString::fromLatin1(c.pallet));
    // The rest is a copy of the block shown before; the new entry is written only when it is left.
    EXPECT_EQ(model.l_pbox, QStringLiteral("10"));
    EXPECT_EQ(model.p_mix_box, QStringLiteral("Yes"));
    EXPECT_EQ(model.l_content[7], QStringLiteral("SIZE : "));
    EXPECT_EQ(model.blocks[1].blk_content[7], QStringLiteral("SIZE : "));
    EXPECT_EQ(model.blocks[2].blk_content[7], QString());
  }
  EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(BlockCommandsTest, AddWhileAnEarlierBlockIsShownMakesANewLastBlock) {
  MakeBlocks(5);
  Pick(QStringLiteral("2"));
  AddBlock(model, prompter);
  EXPECT_EQ(model.block_count, 6);
  EXPECT_EQ(model.current_block, 6);
  EXPECT_EQ(model.l_block, QStringLiteral("6"));
  EXPECT_EQ(model.l_start, QStringLiteral("21"));
  EXPECT_EQ(model.l_content[0], QStringLiteral("block 2"));
  EXPECT_EQ(model.l_p_start_text, QStringLiteral("6")) << "after the five blocks' pallets";
}

TEST_F(BlockCommandsTest, AddRefusesAnUnusableRange) {
  const struct {
    const char* start;
    const char* end;
    const char* why;  // after "請輸入正確箱數編號: "
  } cases[] = {
      {"0", "20", "箱號編號 from 不能是 0。"},
      {"", "20", "箱號編號 from 必須是數字。"},
      {"abc", "20", "箱號編號 from 必須是數字。"},
      {"1", "", "箱號編號 to 必須是數字。"},
      {"1", "0", "箱號編號 to 不能是 0。"},
      {"30", "20", "箱號編號 to (20) 不能小於 from (30)。"},
      {"-5", "0", "箱號編號 to 不能是 0。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.start) + " to " + c.end);
    Show(c.start, c.end);
    const MainModel before = model;
    prompter.messages.clear();
    AddBlock(model, prompter);
    EXPECT_EQ(prompter.messages,
              QStringList{QStringLiteral("請輸入正確箱數編號: ") + QString::fromUtf8(c.why)});
    ExpectSameModel(before, model);
  }
}

TEST_F(BlockCommandsTest, AddStopsAtTheTablesCapacity) {
  model.block_count = BlockTable::kMaxBlocks - 1;
  model.current_block = model.block_count;
  Show("1", "20");
  AddBlock(model, prompter);
  ASSERT_EQ(model.block_count, BlockTable::kMaxBlocks);
  ASSERT_TRUE(prompter.messages.isEmpty());

  Show("21", "30");
  const MainModel before = model;
  AddBlock(model, prompter);
  ASSERT_EQ(prompter.messages.size(), 1);
  EXPECT_TRUE(prompter.messages[0].contains(QStringLiteral("98")));
  ExpectSameModel(before, model);

  // The remainder carton still has its entry behind the last block.
  Pick(kRemainderEntry);
  EXPECT_EQ(model.current_block, BlockTable::kMaxBlocks + 1);
  EXPECT_EQ(model.l_start, QStringLiteral("31"));
}

TEST_F(BlockCommandsTest, RemoveShiftsTheBlocksBehindAndTheRemainder) {
  const struct {
    int shown;
    int shown_after;
    const char* start_after;
    const char* row_after;
  } cases[] = {
      {2, 2, "21", "block 3"},  // block 3 becomes block 2 and is shown
      {3, 2, "11", "block 2"},  // the last block goes; the one before it is shown
      {1, 1, "11", "block 2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    Reset();
    MakeBlocks(3);
    Pick(kRemainderEntry);
    model.l_content[0] = QStringLiteral("remainder");
    Pick(QString::number(c.shown));
    model.l_content[0] = QStringLiteral("unsaved edit");
    prompter.messages.clear();

    RemoveBlock(model, prompter);
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_EQ(model.block_count, 2);
    EXPECT_EQ(model.current_block, c.shown_after);
    EXPECT_EQ(model.l_block, QString::number(c.shown_after));
    EXPECT_EQ(model.l_block_list,
              (QStringList{QStringLiteral("1"), QStringLiteral("2"), kRemainderEntry}));
    EXPECT_EQ(model.l_start, QString::fromLatin1(c.start_after));
    EXPECT_EQ(model.l_content[0], QString::fromLatin1(c.row_after));

    // The remainder carton is still the entry after the last block.
    Pick(kRemainderEntry);
    EXPECT_EQ(model.current_block, 3);
    EXPECT_EQ(model.l_content[0], QStringLiteral("remainder"));
  }
}

TEST_F(BlockCommandsTest, TheRemainderCartonKeepsItsLabelWhenABlockIsAdded) {
  MakeBlocks(2);
  Pick(kRemainderEntry);
  model.l_content[0] = QStringLiteral("remainder");
  Pick(QStringLiteral("2"));
  AddBlock(model, prompter);
  model.l_end = QStringLiteral("30");
  model.l_content[0] = QStringLiteral("block 3");
  Pick(kRemainderEntry);
  EXPECT_EQ(model.current_block, 4);
  EXPECT_EQ(model.l_content[0], QStringLiteral("remainder"));
  Pick(QStringLiteral("3"));
  EXPECT_EQ(model.l_content[0], QStringLiteral("block 3"));
}

TEST_F(BlockCommandsTest, RemoveRefusals) {
  // The only block: nothing happens, nothing is said.
  Show("1", "20");
  MainModel before = model;
  RemoveBlock(model, prompter);
  EXPECT_TRUE(prompter.messages.isEmpty());
  ExpectSameModel(before, model);

  MakeBlocks(2);
  Pick(kRemainderEntry);
  prompter.messages.clear();
  before = model;
  RemoveBlock(model, prompter);
  EXPECT_EQ(prompter.messages, QStringList{kNoRemoving});
  ExpectSameModel(before, model, "尾數箱 chosen");

  // With l_last switched to No the box shows the last block's number while the remainder carton
  // is still on screen; removing would shift block 2 into the remainder's place.
  model.l_last = QStringLiteral("No");
  RebuildBlockList(model);
  ASSERT_EQ(model.l_block, QStringLiteral("2"));
  before = model;
  prompter.messages.clear();
  RemoveBlock(model, prompter);
  EXPECT_EQ(prompter.messages, QStringList{kNoRemoving});
  ExpectSameModel(before, model, "remainder shown under a number");
}

TEST_F(BlockCommandsTest, TheRemainderOptionOnlyChangesTheList) {
  MakeBlocks(3);
  Pick(kRemainderEntry);
  model.l_content[0] = QStringLiteral("remainder on screen");
  const MainModel shown = model;

  model.l_last = QStringLiteral("No");
  RebuildBlockList(model);
  EXPECT_EQ(model.l_block_list,
            (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
  EXPECT_EQ(model.l_block, QStringLiteral("3"));
  EXPECT_EQ(model.current_block, 4);
  EXPECT_EQ(model.l_content[0], QStringLiteral("remainder on screen"));
  EXPECT_EQ(model.l_start, shown.l_start);

  model.l_block = QStringLiteral("2");
  model.l_last = QStringLiteral("Yes");
  RebuildBlockList(model);
  EXPECT_EQ(model.l_block_list, shown.l_block_list);
  EXPECT_EQ(model.l_block, QStringLiteral("2")) << "the text stays as it was";
}

TEST_F(BlockCommandsTest, RefusedSaveStopsEveryCommandThatSaves) {
  const struct {
    const char* name;
    const char* end;
    const char* p_start;
    std::function<void(BlockCommandsTest&)> command;
  } cases[] = {
      {"select", "20", "abc", [](BlockCommandsTest& t) { t.Pick(QStringLiteral("1")); }},
      {"select the remainder", "20", "", [](BlockCommandsTest& t) { t.Pick(kRemainderEntry); }},
      {"add", "20", "1.2.3", [](BlockCommandsTest& t) { AddBlock(t.model, t.prompter); }},
      // The shown block is stored, but the remainder carton's number does not fit.
      {"remainder carton number", "2147483647", "1",
       [](BlockCommandsTest& t) { t.Pick(kRemainderEntry); }},
      // Nor does the pallet it would go on.
      {"remainder pallet", "25", "32767", [](BlockCommandsTest& t) { t.Pick(kRemainderEntry); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Reset();
    MakeBlocks(2);  // block 2 is shown
    Show("1", c.end, "10", c.p_start);
    model.l_content[0] = QStringLiteral("typed");
    MainModel before = model;
    // The remainder set-up stores the shown block before it finds it cannot go on.
    if (std::string(c.name).starts_with("remainder ")) {
      ASSERT_TRUE(SaveBlock(before, prompter));
    }
    prompter.messages.clear();

    c.command(*this);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].contains(QStringLiteral("請")) ||
                prompter.messages[0].contains(QStringLiteral("太大")))
        << prompter.messages[0].toStdString();
    ExpectSameModel(before, model);
  }
}
