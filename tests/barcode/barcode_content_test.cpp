#include "barcode/barcode_content.h"

#include <gtest/gtest.h>

#include "support/qt_printers.h"

namespace {

BarcodeSettings Sscc(int extension, const char* prefix) {
  BarcodeSettings settings;
  settings.kind = BarcodeKind::kSscc;
  settings.sscc_extension = extension;
  settings.company_prefix = QString::fromLatin1(prefix);
  return settings;
}

}  // namespace

// Each expected digit below is worked by hand: weights 3, 1, 3, … from the rightmost digit, the
// check digit tops the sum up to a multiple of ten.
TEST(Gs1CheckDigit, PublishedAndWorkedExamples) {
  const struct {
    const char* digits;
    int check;
  } cases[] = {
      // GS1's SSCC example (00)106141411234567897. From the left, odd places weigh 3:
      // 1·3 + 0 + 6·3 + 1 + 4·3 + 1 + 4·3 + 1 + 1·3 + 2 + 3·3 + 4 + 5·3 + 6 + 7·3 + 8 + 9·3 = 143,
      // 150 − 143 = 7.
      {"10614141123456789", 7},
      // The same with extension digit 0: 143 − 3 = 140 → 0.
      {"00614141123456789", 0},
      // SSCC 0 0012345 555555555, from the left: 0·3 + 0 + 0·3 + 1 + 2·3 + 3 + 4·3 + 5 + 5·3 + 5
      // + 5·3 + 5 + 5·3 + 5 + 5·3 + 5 + 5·3 = 122 → 8.
      {"00012345555555555", 8},
      // GS1's check digit calculator example, the GTIN-13 629104150021 3: from the right
      // 1·3 + 2 + 0 + 0 + 5·3 + 1 + 4·3 + 0 + 1·3 + 9 + 2·3 + 6 = 57 → 3.
      {"629104150021", 3},
      // A sum that is already a multiple of ten gives 0, not 10: 5·3 + 5 = 20.
      {"55", 0},
      {"", -1},
      {"12a4", -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.digits);
    EXPECT_EQ(Gs1CheckDigit(QString::fromLatin1(c.digits)), c.check);
  }
}

TEST(ComposeSscc, FillsSeventeenDigitsAndAppendsTheCheckDigit) {
  const struct {
    int extension;
    const char* prefix;
    int64_t carton;
    const char* sscc;  // nullptr: refused
  } cases[] = {
      {1, "0614141", 123456789, "106141411234567897"},  // GS1's published example
      {0, "0614141", 123456789, "006141411234567890"},
      {0, "0012345", 555555555, "000123455555555558"},
      // 3·3 + 6·3 + 1 + 4·3 + 1 + 4·3 + 1 + 1·3 = 57 → 3
      {3, "0614141", 1, "306141410000000013"},
      // 9·3 + 4 + 7·3 + 1 + 2·3 + 3 + 4·3 + 5 + 6·3 + 7 + 8·3 + 4 + 2·3 = 138 → 2
      {9, "4712345678", 42, "947123456780000422"},
      // 4 + 7·3 + 1 + 2·3 + 3 + 4·3 + 5 + 6·3 + 7 + 8·3 + 9 + 9·3 + 9 + 9·3 + 9 + 9·3 = 209 → 1
      {0, "4712345678", 999999, "047123456789999991"},
      {0, "4712345678", 1000000, nullptr},  // a ten-digit prefix leaves six serial digits
      // 6·3 + 1 + 4·3 + 1 + 4·3 + 1 + 5·(9·3) + 4·9 = 216 → 4
      {0, "0614141", 999999999, "006141419999999994"},
      {0, "0614141", 1000000000, nullptr},
      {0, "0614141", -1, nullptr},
      {10, "0614141", 1, nullptr},
      {-1, "0614141", 1, nullptr},
      {0, "061414", 1, nullptr},       // six digits
      {0, "06141412345", 1, nullptr},  // eleven digits
      {0, "061414A", 1, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(
        QStringLiteral("%1 %2 %3").arg(c.extension).arg(c.prefix).arg(c.carton).toStdString());
    const std::optional<QString> sscc =
        ComposeSscc(c.extension, QString::fromLatin1(c.prefix), c.carton);
    if (!c.sscc) {
      EXPECT_FALSE(sscc.has_value());
      continue;
    }
    ASSERT_TRUE(sscc.has_value());
    EXPECT_EQ(*sscc, QString::fromLatin1(c.sscc));
    EXPECT_EQ(sscc->size(), 18);
  }
}

TEST(ExpandTemplate, ReplacesThePlaceholders) {
  const BarcodeLabel label{3, 12, 4711, false};
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"{C}", "4711"},
      {"PO4711-{C}", "PO4711-4711"},
      {"{B}/{P}/{C}", "3/12/4711"},
      {"{c}-{p}-{b}", "4711-12-3"},
      {"{C}{C}", "47114711"},
      {"{X} {} {C", "{X} {} {C"},
      {"{{C}}", "{4711}"},
      {"臺灣 {C} 箱", "臺灣 4711 箱"},
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(ExpandTemplate(QString::fromUtf8(c.in), label), QString::fromUtf8(c.out));
  }
}

TEST(ComposeContent, GivesTheElementStringOrNamesTheLabel) {
  BarcodeSettings code128;
  code128.kind = BarcodeKind::kCode128;
  code128.content_template = QStringLiteral("PO-{C}");
  EXPECT_EQ(ComposeContent(code128, {1, 1, 25, false}).text, QStringLiteral("PO-25"));
  EXPECT_EQ(ComposeContent(BarcodeSettings(), {1, 1, 25, false}).text, QString());

  EXPECT_EQ(ComposeContent(Sscc(1, "0614141"), {1, 1, 123456789, false}).text,
            QStringLiteral("(00)106141411234567897"));

  const BarcodeContent too_big = ComposeContent(Sscc(0, "4712345678"), {2, 1, 1000000, false});
  EXPECT_TRUE(too_big.text.isEmpty());
  EXPECT_TRUE(too_big.error.startsWith(QStringLiteral("第 2 區段第 1000000 箱的標籤")));
  EXPECT_TRUE(too_big.error.contains(QStringLiteral("0 到 999999")));

  const BarcodeContent bad_prefix = ComposeContent(Sscc(0, "12345"), {1, 1, 1, true});
  EXPECT_TRUE(bad_prefix.error.startsWith(QStringLiteral("尾數箱的標籤")));
  EXPECT_TRUE(bad_prefix.error.contains(QStringLiteral("「GS1 廠商代碼」")));
}
