#include "barcode/barcode_check.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/number_fields.h"
#include "support/qt_printers.h"
#include "support/test_barcodes.h"

namespace {

class BarcodeCheckTest : public testing::Test {
 protected:
  static BarcodeSettings Settings(BarcodeKind kind, const QString& content_template = u"{C}"_qs) {
    return TestBarcode(kind, content_template);
  }

  // Places the symbol's top-left corner `twips` from the label's left edge.
  static double LeftMmFor(double twips) { return (twips + 0.5) / kTwipsPerMm; }

  BarcodeEncoder encoder_;
};

TEST_F(BarcodeCheckTest, ChecksEveryLabelBeforePrinting) {
  BarcodeSettings wide = Settings(BarcodeKind::kCode128, u"PO-2024-ABCDEFGHIJ-{C}"_qs);
  wide.module_mm = 0.5;
  BarcodeSettings low = Settings(BarcodeKind::kQrCode);
  low.top_mm = 60;
  low.height_mm = 20;
  BarcodeSettings short_prefix = Settings(BarcodeKind::kSscc);
  short_prefix.company_prefix = u"614141"_qs;
  BarcodeSettings long_prefix = Settings(BarcodeKind::kSscc);
  long_prefix.company_prefix = u"4712345678"_qs;
  BarcodeSettings empty = Settings(BarcodeKind::kCode128, QString());
  BarcodeSettings blank_content = Settings(BarcodeKind::kCode128, u"{X}"_qs);
  const struct {
    const char* name;
    BarcodeSettings settings;
    BarcodeLabel label;
    const char* message;  // nullptr: the label prints
  } cases[] = {
      {"Code 128 of the carton", Settings(BarcodeKind::kCode128), {1, 1, 25, false}, nullptr},
      {"Chinese in Code 128",
       Settings(BarcodeKind::kCode128, u"箱 {C}"_qs),
       {2, 3, 25, false},
       "第 2 區段第 25 箱的標籤: 「條碼內容」的「箱 25」裡有 Code 128 不能印的字「箱」。Code 128 "
       "只能印英文字母、數字和符號; 要印中文請改用 QR 碼。"},
      {"Chinese in a QR code",
       Settings(BarcodeKind::kQrCode, u"箱 {C}"_qs),
       {2, 3, 25, false},
       nullptr},
      {"empty template", empty, {1, 1, 1, false}, "第 1 區段第 1 箱的標籤: 「條碼內容」是空的"},
      {"too long for Code 128",
       Settings(BarcodeKind::kCode128, QString(200, u'9')),
       {1, 1, 1, true},
       "尾數箱的標籤: 「條碼內容」太長了, Code 128 放不下"},
      {"SSCC of the carton", Settings(BarcodeKind::kSscc), {1, 1, 123456789, false}, nullptr},
      {"prefix of six digits",
       short_prefix,
       {3, 1, 7, false},
       "第 3 區段第 7 箱的標籤: 「GS1 廠商代碼」要填 7 到 10 位數字, 現在是「614141」。"},
      {"negative carton",
       Settings(BarcodeKind::kSscc),
       {1, 1, -1, false},
       "第 1 區段第 -1 箱的標籤: 箱號 -1 放不進 SSCC 的序號。"},
      {"serial reference too long",
       long_prefix,
       {1, 1, 1000000, false},
       "第 1 區段第 1000000 箱的標籤: 箱號 1000000 放不進 SSCC 的序號。「GS1 廠商代碼」是 10 "
       "位數字時, 序號只有 6 位, 箱號要在 0 到 999999 之間。"},
      {"past the right edge",
       wide,
       {1, 1, 8, false},
       "第 1 區段第 8 箱的標籤: 條碼 (連同兩旁的空白區) 超出標籤右邊"},
      {"below the page row",
       low,
       {4, 2, 30, false},
       "第 4 區段第 30 箱的標籤: 條碼超出這一列標籤的下邊"},
      {"no barcode", Settings(BarcodeKind::kNone, QString()), {1, 1, -5, false}, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<QString> message =
        CheckLabelBarcode(c.settings, c.label, kStartGrid, encoder_);
    if (!c.message) {
      EXPECT_FALSE(message.has_value()) << message->toStdString();
      continue;
    }
    ASSERT_TRUE(message.has_value());
    EXPECT_TRUE(message->startsWith(QString::fromUtf8(c.message))) << message->toStdString();
  }
  // A template that expands to text is fine even when its braces are no placeholders.
  EXPECT_FALSE(
      CheckLabelBarcode(blank_content, {1, 1, 1, false}, kStartGrid, encoder_).has_value());
}

TEST_F(BarcodeCheckTest, TheSymbolMayReachTheLabelEdgesButNotPassThem) {
  BarcodeSettings settings = Settings(BarcodeKind::kCode128);
  const BarcodeLabel label{1, 1, 42, false};
  const auto kept = encoder_.Encode(settings, u"42"_qs).symbol;
  ASSERT_TRUE(kept);
  const BarcodeSymbol& symbol = *kept;
  const double last_left = std::floor(kStartGrid.width().value() - symbol.width);
  settings.left_mm = LeftMmFor(last_left);
  EXPECT_FALSE(CheckBarcode(settings, u"42"_qs, label, kStartGrid, encoder_).has_value());
  settings.left_mm = LeftMmFor(last_left + 1);
  const std::optional<QString> right =
      CheckBarcode(settings, u"42"_qs, label, kStartGrid, encoder_);
  ASSERT_TRUE(right.has_value());
  // Less than a twip past the edge is asked of the user as a tenth of a millimetre.
  EXPECT_TRUE(right->contains(u"超出標籤右邊 0.1 公釐。請把「左邊距」或「模組寬度」調小"_qs))
      << right->toStdString();

  settings.left_mm = 0;
  const double last_top = std::floor(kStartGrid.page_row_pitch().value() - symbol.height);
  settings.top_mm = LeftMmFor(last_top);
  EXPECT_FALSE(CheckBarcode(settings, u"42"_qs, label, kStartGrid, encoder_).has_value());
  settings.top_mm = LeftMmFor(last_top + 1);
  EXPECT_TRUE(CheckBarcode(settings, u"42"_qs, label, kStartGrid, encoder_).has_value());
}

}  // namespace
