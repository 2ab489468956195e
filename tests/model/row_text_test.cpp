#include "model/row_text.h"

#include <gtest/gtest.h>

#include "support/qt_printers.h"

TEST(RowText, ControlCharactersBecomeBlanks) {
  const struct {
    QString text;
    QString clean;
  } cases[] = {
      {QStringLiteral("LINE1\r\nLINE2\nLINE3"), QStringLiteral("LINE1  LINE2 LINE3")},
      {QStringLiteral("Q'TY :\t\tPCS."), QStringLiteral("Q'TY :  PCS.")},
      {QStringLiteral("\uFEFFa\u2028b\u2029c\u0085d\x7F"
                      "e\x01"),
       QStringLiteral(" a b c d e ")},
      // Everything else stays, blanks and wide characters included.
      {QStringLiteral(" 台灣製造　MADE IN TAIWAN "), QStringLiteral(" 台灣製造　MADE IN TAIWAN ")},
      {QString(), QString()},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WithoutControlCharacters(c.text), c.clean) << c.text.toStdString();
    EXPECT_EQ(WithoutControlCharacters(c.text).size(), c.text.size());
  }
}
