#include "model/number_fields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

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

TEST(NumberFields, FullWidthDigitsSignsAndPointReadAsTheirAsciiForms) {
  // What a Chinese input method types in full-width mode.
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"１２", 12},   {"１２箱", 12}, {"－３．５", -3.5}, {"＋７", 7},
      {"1２", 12},    {"．５", 0.5},  {" ９ ", 9},        {"１ｅ３", 1},  // no full-width exponent
      {"１２-3", 12},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(LeadingNumber(QString::fromUtf8(c.text)), c.value) << c.text;
    EXPECT_TRUE(BeginsWithNumber(QString::fromUtf8(c.text))) << c.text;
  }
  EXPECT_EQ(WholeNumber(QStringLiteral("　－１２　")), -12.0);
  EXPECT_FALSE(WholeNumber(QStringLiteral("１２箱")));
  for (const char* none : {"", " ", "abc", "＋", "．", "ｘ１"}) {
    EXPECT_FALSE(BeginsWithNumber(QString::fromUtf8(none))) << none;
  }
}

TEST(NumberFields, NumbersBeyondADoubleAreInfiniteNeverZero) {
  const double inf = std::numeric_limits<double>::infinity();
  const QString nines(400, u'9');
  const struct {
    QString text;
    double value;
  } cases[] = {
      {nines, inf},
      {QStringLiteral("-") + nines, -inf},
      {QStringLiteral("  ") + nines + QStringLiteral("箱"), inf},
      {QString(400, u'９'), inf},
      {QStringLiteral("0.") + QString(400, u'0') + nines, 0},  // too small: nothing left of it
      {QStringLiteral("1e400"), inf},
      {QStringLiteral("-1e99999999999999999999"), -inf},
      {QStringLiteral("1e-400"), 0},
      {QStringLiteral("0.001e312"), inf},
      {QStringLiteral("1000e-330"), 0},
      {QString(400, u'0') + QStringLiteral("5"), 5},  // many digits, a small number
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.left(20).toStdString());
    EXPECT_EQ(LeadingNumber(c.text), c.value);
  }
  // Every integer type refuses it, so a field that stores it gets its "too big" message.
  EXPECT_FALSE(RoundToInt32(LeadingNumber(nines)));
  EXPECT_FALSE(RoundToInt16(LeadingNumber(QStringLiteral("-") + nines)));
  EXPECT_EQ(WholeNumber(nines), inf);
}
