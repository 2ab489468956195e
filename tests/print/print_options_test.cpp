#include "print/print_options.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"
#include "support/test_geometry.h"
#include "support/worked_example.h"

namespace {

class PrintOptionsTest : public testing::Test {
 protected:
  PrintOptionsTest() {
    model.work_dir = folder.path();
    SetUpWorkedExample(model);  // 40 labels, 5 sheets from place 1
  }

  TempFolder folder;
  MainModel model;
};

}  // namespace

TEST_F(PrintOptionsTest, TextsBecomeAChoiceOrAMessageNamingTheField) {
  const RunPlan plan = RunPlan::Of(model);
  using K = PrintChoice;
  const struct {
    const char* name;
    PrintOptionTexts texts;
    std::optional<PrintOptions> expected;
    const char* field;  // what the message names when the texts are refused
  } cases[] = {
      {"whole run", {}, PrintOptions{}, ""},
      {"whole run from place 8, 99 copies",
       {K::kWholeRun, "8", "", "", "99"},
       PrintOptions{{K::kWholeRun, 0, 0, 8}, 99},
       ""},
      {"full-width digits and blanks",
       {K::kWholeRun, " ３ ", "", "", "２"},
       PrintOptions{{K::kWholeRun, 0, 0, 3}, 2},
       ""},
      {"start place 0", {K::kWholeRun, "0", "", "", "1"}, std::nullopt, "起始位置"},
      {"start place 9", {K::kWholeRun, "9", "", "", "1"}, std::nullopt, "起始位置"},
      {"start place not a number", {K::kWholeRun, "3a", "", "", "1"}, std::nullopt, "起始位置"},
      {"no copies", {K::kWholeRun, "1", "", "", "0"}, std::nullopt, "份數"},
      {"100 copies", {K::kWholeRun, "1", "", "", "100"}, std::nullopt, "份數"},
      {"copies empty", {K::kWholeRun, "1", "", "", ""}, std::nullopt, "份數"},
      {"sheets 2 to 3",
       {K::kSheets, "1", "2", "3", "1"},
       PrintOptions{{K::kSheets, 2, 3, 1}, 1},
       ""},
      {"the last sheet",
       {K::kSheets, "1", "5", "5", "1"},
       PrintOptions{{K::kSheets, 5, 5, 1}, 1},
       ""},
      {"sheet 0", {K::kSheets, "1", "0", "2", "1"}, std::nullopt, "第 … 到 … 張"},
      {"a sheet past the last", {K::kSheets, "1", "4", "6", "1"}, std::nullopt, "第 … 到 … 張"},
      // From place 3 the run takes a sixth sheet.
      {"sheet 6 from place 3",
       {K::kSheets, "3", "6", "6", "1"},
       PrintOptions{{K::kSheets, 6, 6, 3}, 1},
       ""},
      {"sheets reversed", {K::kSheets, "1", "3", "2", "1"}, std::nullopt, "第 … 到 … 張"},
      {"sheets left empty", {K::kSheets, "1", "", "", "1"}, std::nullopt, "第 … 到 … 張"},
      {"cartons 17 to 18 from place 3",
       {K::kCartons, "3", "17", "18", "1"},
       PrintOptions{{K::kCartons, 17, 18, 3}, 1},
       ""},
      {"cartons across both blocks",
       {K::kCartons, "1", "24", "27", "1"},
       PrintOptions{{K::kCartons, 24, 27, 1}, 1},
       ""},
      {"cartons partly past the run",
       {K::kCartons, "1", "39", "90", "1"},
       PrintOptions{{K::kCartons, 39, 90, 1}, 1},
       ""},
      {"cartons reversed", {K::kCartons, "1", "18", "17", "1"}, std::nullopt, "箱號 … 到 …"},
      {"cartons not numbers", {K::kCartons, "1", "a", "b", "1"}, std::nullopt, "箱號 … 到 …"},
      {"cartons outside the run",
       {K::kCartons, "1", "41", "60", "1"},
       std::nullopt,
       "沒有任何標籤"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const PrintOptionsRead read = ReadPrintOptions(c.texts, plan, test_geometry::kA4Eight);
    EXPECT_EQ(read.options, c.expected);
    if (c.expected) {
      EXPECT_TRUE(read.message.isEmpty()) << read.message.toStdString();
    } else {
      EXPECT_TRUE(read.message.contains(QString::fromUtf8(c.field))) << read.message.toStdString();
    }
  }
  // The messages say what the field may hold.
  EXPECT_TRUE(ReadPrintOptions({K::kSheets, "3", "9", "9", "1"}, plan, test_geometry::kA4Eight)
                  .message.contains(u"1 到 6"));
  EXPECT_TRUE(ReadPrintOptions({K::kCartons, "1", "41", "60", "1"}, plan, test_geometry::kA4Eight)
                  .message.contains(u"1 到 40"));
}

TEST_F(PrintOptionsTest, ARunWithoutLabelsPrintsNothing) {
  model.blocks[1].blk_start = 30;  // both blocks now end before they begin
  model.blocks[1].blk_end = 20;
  model.blocks[2].blk_start = 50;
  model.blocks[2].blk_end = 49;
  const PrintOptionsRead read = ReadPrintOptions({}, RunPlan::Of(model), test_geometry::kA4Eight);
  EXPECT_FALSE(read.options.has_value());
  EXPECT_FALSE(read.message.isEmpty());
}

TEST(SplitRange, OneTextForARangeOfCartons) {
  const struct {
    const char* text;
    const char* from;
    const char* to;
  } ranges[] = {
      {"17-18", "17", "18"},      {" 17 – 18 ", "17", "18"}, {"17到18", "17", "18"},
      {"１７－１８", "17", "18"}, {"5", "5", "5"},           {"-3--1", "-3", "-1"},
  };
  for (const auto& r : ranges) {
    SCOPED_TRACE(r.text);
    const std::optional<RangeTexts> split = SplitRange(QString::fromUtf8(r.text));
    ASSERT_TRUE(split.has_value());
    EXPECT_EQ(split->from, QString::fromUtf8(r.from));
    EXPECT_EQ(split->to, QString::fromUtf8(r.to));
  }
  for (const char* bad : {"", "a-b", "1-2-3", "17-"}) {
    EXPECT_FALSE(SplitRange(QString::fromUtf8(bad)).has_value()) << bad;
  }
}
