#include "app/template_commands.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "app/startup.h"
#include "blocks/block_commands.h"
#include "model/main_model.h"
#include "model/row_choices.h"
#include "support/model_state.h"
#include "support/scripted_prompter.h"

namespace {

constexpr int kNone = MainModel::kNoRow;
const QString kP = QStringLiteral("P/NO.:");
const QString kC = QStringLiteral("C/NO.:");

MainModel FreshModel() {
  MainModel model;
  model.work_dir = QStringLiteral("/nonexistent-cratemark-folder");
  StartUp(model);
  return model;
}

// The first rows as given, the rest empty.
std::array<QString, MainModel::kRows> Rows(const std::vector<QString>& first) {
  std::array<QString, MainModel::kRows> rows{};
  for (size_t i = 0; i < first.size(); ++i) rows[i] = first[i];
  return rows;
}

// `empty` empty rows followed by `rows`.
std::vector<QString> Padded(int empty, const std::vector<QString>& rows) {
  std::vector<QString> padded(empty);
  padded.insert(padded.end(), rows.begin(), rows.end());
  return padded;
}

struct TemplateCase {
  const char* name;
  std::vector<QString> rows;  // rows from 0, the rest empty
  int pallet_row;
  int carton_row;
  std::function<void(MainModel&)> command;
  std::vector<QString> expected_rows;
  int expected_pallet_row;
  int expected_carton_row;
};

void RunCases(const std::vector<TemplateCase>& cases) {
  for (const TemplateCase& c : cases) {
    SCOPED_TRACE(c.name);
    MainModel model = FreshModel();
    model.l_content = Rows(c.rows);
    model.pallet_row = c.pallet_row;
    model.carton_row = c.carton_row;
    model.l_array[2] = QStringLiteral("靠右");
    c.command(model);
    EXPECT_EQ(model.l_content, Rows(c.expected_rows));
    EXPECT_EQ(model.pallet_row, c.expected_pallet_row);
    EXPECT_EQ(model.carton_row, c.expected_carton_row);
    EXPECT_EQ(model.l_array[2], QStringLiteral("靠右")) << "alignments stay on their rows";
  }
}

}  // namespace

TEST(RowChoices, WriteThePlaceholderAndKeepTheRowsApart) {
  const auto carton = [](int row) { return [row](MainModel& m) { ChooseCartonRow(m, row); }; };
  const auto pallet = [](int row) { return [row](MainModel& m) { ChoosePalletRow(m, row); }; };
  RunCases({
      {"the placeholder replaces the row's text; the old carton row is emptied",
       {"A", kC, "HELLO"},
       kNone,
       1,
       carton(2),
       {"A", "", kC},
       kNone,
       2},
      {"the pallet number chosen on the carton row takes the row over",
       {"A", kC},
       kNone,
       1,
       pallet(1),
       {"A", kP},
       1,
       kNone},
      {"the carton number chosen on the pallet row takes the row over",
       {kP, "B"},
       0,
       kNone,
       carton(0),
       {kC, "B"},
       kNone,
       0},
      {"of two rows holding the placeholder only the upper one is cleared",
       {"A", kP, "B", kP},
       3,
       kNone,
       pallet(5),
       {"A", "", "B", kP, "", kP},
       5,
       kNone},
      {"a placeholder the user typed after is no placeholder any more",
       {"P/NO.: 7", kP},
       1,
       kNone,
       pallet(3),
       {"P/NO.: 7", "", "", kP},
       3,
       kNone},
      {"choosing the chosen row again writes the placeholder back",
       {"A", "typed over"},
       kNone,
       1,
       carton(1),
       {"A", kC},
       kNone,
       1},
  });
}

TEST(TemplateMoves, EveryContentAndBothChoicesMoveOneRow) {
  const std::vector<QString> example{"A", "B", kP, kC, "Z"};
  RunCases({
      {"up: the first row is lost", example, 2, 3, MoveRowsUp, {"B", kP, kC, "Z"}, 1, 2},
      {"down: the first row empties",
       example,
       2,
       3,
       MoveRowsDown,
       {"", "A", "B", kP, kC, "Z"},
       3,
       4},
      {"up: the carton number lands on the pallet number that cannot move",
       {kP, kC},
       0,
       1,
       MoveRowsUp,
       {kC},
       kNone,
       0},
      {"down: the pallet number lands on the carton number that cannot move",
       Padded(13, {"X", kP, kC}), 14, 15, MoveRowsDown, Padded(14, {"X", kP}), 15, kNone},
      {"all rows empty, no choice", {}, kNone, kNone, MoveRowsUp, {}, kNone, kNone},
      {"up: the last row's text moves, the last row empties", Padded(15, {"R.O.C."}), kNone, kNone,
       MoveRowsUp, Padded(14, {"R.O.C."}), kNone, kNone},
      {"down: the last row's text is lost", Padded(14, {"Y", "lost"}), kNone, kNone, MoveRowsDown,
       Padded(15, {"Y"}), kNone, kNone},
  });
  // A row's size goes with its text; the row left empty is 一般.
  MainModel model = FreshModel();
  model.l_size[0] = RowSize::kLarge;
  model.l_size[15] = RowSize::kBold;
  MoveRowsDown(model);
  std::array<RowSize, MainModel::kRows> sizes{};
  sizes[1] = RowSize::kLarge;
  EXPECT_EQ(model.l_size, sizes);
  MoveRowsUp(model);
  sizes = {};
  sizes[0] = RowSize::kLarge;
  EXPECT_EQ(model.l_size, sizes);
}

class RefreshTest : public testing::Test {
 protected:
  // Three blocks and the remainder carton, choices on, picture settings and the mixed flag set.
  RefreshTest() : model(FreshModel()) {
    model.l_pbox = QStringLiteral("10");
    model.l_content[0] = QStringLiteral("MADE IN TAIWAN");
    model.l_array[0] = QStringLiteral("靠左");
    ChoosePalletRow(model, 2);
    ChooseCartonRow(model, 3);
    for (const char* end : {"20", "40", "60"}) {
      model.l_end = QString::fromLatin1(end);
      if (model.block_count < 3) AddBlock(model, prompter);
    }
    model.l_block = kRemainderEntry;
    SelectBlock(model, prompter);
    model.p_mix_box = QStringLiteral("Yes");
    model.pic_file_name = QStringLiteral("/tmp/logo.png");
    model.pic_size = QStringLiteral("30");
    model.pic_d_left = QStringLiteral("5");
    model.pic_d_top = QStringLiteral("6");
    prompter.messages.clear();
  }

  MainModel model;
  ScriptedPrompter prompter;
};

TEST_F(RefreshTest, NoChangesNothing) {
  ASSERT_EQ(model.block_count, 3);
  ASSERT_EQ(model.current_block, 4);
  const MainModel before = model;
  prompter.answers = {false};
  Refresh(model, prompter);
  EXPECT_EQ(prompter.questions,
            QStringList{QStringLiteral("真的要Refresh? 這樣做會讓您剛剛設的資料全部重來ㄛ..")});
  ExpectSameModel(before, model);
}

TEST_F(RefreshTest, YesStartsTheJobAgain) {
  prompter.answers = {true};
  Refresh(model, prompter);

  EXPECT_EQ(model.l_block_list, (QStringList{QStringLiteral("1"), kRemainderEntry}));
  EXPECT_EQ(model.l_block, QStringLiteral("1"));
  EXPECT_EQ(model.l_start, QStringLiteral("1"));
  EXPECT_EQ(model.l_end, QString());
  EXPECT_EQ(model.l_last, QStringLiteral("Yes"));
  EXPECT_EQ(model.l_pbox, QString());
  EXPECT_EQ(model.l_p_start_text, QStringLiteral("1"));
  for (int row = 0; row < MainModel::kRows; ++row) {
    EXPECT_EQ(model.l_content[row], QString()) << row;
    EXPECT_EQ(model.l_array[row], QStringLiteral("置中")) << row;
  }
  EXPECT_EQ(model.pallet_row, kNone);
  EXPECT_EQ(model.carton_row, kNone);
  EXPECT_EQ(model.block_count, 1);
  EXPECT_EQ(model.current_block, 1);
  EXPECT_EQ(model.remainder_edited, 0);
  for (int entry = 0; entry <= 3; ++entry) {
    EXPECT_EQ(model.blocks[entry].blk_end, 0) << entry;
    EXPECT_EQ(model.blocks[entry].blk_content[0], QString()) << entry;
  }

  EXPECT_EQ(model.p_mix_box, QStringLiteral("Yes"));
  EXPECT_EQ(model.pic_file_name, QStringLiteral("/tmp/logo.png"));
  EXPECT_EQ(model.pic_size, QStringLiteral("30"));
  EXPECT_EQ(model.pic_d_left, QStringLiteral("5"));
  EXPECT_EQ(model.pic_d_top, QStringLiteral("6"));
  EXPECT_TRUE(prompter.messages.isEmpty());
}
