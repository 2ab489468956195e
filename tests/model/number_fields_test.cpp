#include "model/number_fields.h"

#include <gtest/gtest.h>

TEST(NumberFields, LeadingNumberReadsTheNumberATextBeginsWith) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"12abc", 12}, {" 12abc", 12}, {"", 0},      {"abc", 0},     {"-7", -7},  {"10.5", 10.5},
      {"1 2", 12},   {".5", 0.5},    {"3.", 3},    {"1e3", 1000},  {"1e", 1},   {"2d2x", 200},
      {"- 4", -4},   {"+", 0},       {"12-3", 12}, {"  \t8  ", 8}, {"0x10", 0}, {"1.2.3", 1.2},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(LeadingNumber(QString::fromUtf8(c.text)), c.value) << c.text;
  }
}

TEST(NumberFields, WholeNumberNeedsTheWholeText) {
  EXPECT_EQ(WholeNumber(QStringLiteral(" 7 ")), 7.0);
  EXPECT_EQ(WholeNumber(QStringLiteral("6.5")), 6.5);
  EXPECT_EQ(WholeNumber(QStringLiteral("-3")), -3.0);
  for (const char* bad : {"", "  ", "3a", "a3", "1 2", "Text1", "-"}) {
    EXPECT_FALSE(WholeNumber(QString::fromUtf8(bad))) << bad;
  }
}

TEST(NumberFields, RoundingHalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundToInt32(10.5), 10);
  EXPECT_EQ(RoundToInt32(11.5), 12);
  EXPECT_EQ(RoundToInt32(2.5), 2);
  EXPECT_EQ(RoundToInt32(-2.5), -2);
  EXPECT_EQ(RoundToInt32(2.6), 3);
  EXPECT_EQ(RoundToInt32(2147483647.4), 2147483647);
  EXPECT_FALSE(RoundToInt32(2147483647.5));
  EXPECT_FALSE(RoundToInt32(-2147483649.0));
  EXPECT_EQ(RoundToInt16(32767.0), 32767);
  EXPECT_EQ(RoundToInt16(-32768.0), -32768);
  EXPECT_FALSE(RoundToInt16(32768.0));
  EXPECT_FALSE(RoundToInt16(-32769.0));
}

TEST(NumberFields, FixTruncatesTowardZero) {
  EXPECT_EQ(Fix(-5.5), -5);
  EXPECT_EQ(Fix(17.5), 17);
}
