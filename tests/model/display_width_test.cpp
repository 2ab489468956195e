#include "model/display_width.h"

#include <gtest/gtest.h>

TEST(DisplayWidth, CountsColumnsAsTheLabelPrintsThem) {
  const struct {
    const char* text;
    int width;
  } cases[] = {
      {"", 0},
      {"MADE IN TAIWAN", 14},
      {"   ", 3},
      {"台灣製造", 8},          // Big5 double-byte characters
      {"ｱ", 1},                 // half-width katakana: not in Big5, not wide
      {"あ", 2},                // hiragana: in Big5
      {"\xEA\xB0\x80", 2},      // Hangul syllable: outside Big5, wide
      {"\xF0\xA0\x80\x80", 2},  // CJK extension B, a surrogate pair: outside Big5, wide
      {"é", 1},                 // Latin-1: single byte
      {"Ａ", 2},                // full-width A, stored in two bytes
      {"─", 2},                 // box drawing, in Big5
      {"P/NO. : 3", 9},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DisplayWidth(QString::fromUtf8(c.text)), c.width) << c.text;
  }
}
