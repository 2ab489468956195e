#include "barcode/barcode_settings.h"

#include <gtest/gtest.h>

#include <QJsonDocument>

#include "support/qt_printers.h"
#include "support/scripted_prompter.h"

namespace {

BarcodeSettings SsccSettings() {
  BarcodeSettings settings;
  settings.kind = BarcodeKind::kSscc;
  settings.sscc_extension = 3;
  settings.company_prefix = QStringLiteral("4712345");
  settings.left_mm = 12.5;
  settings.top_mm = 40;
  settings.height_mm = 18;
  settings.module_mm = 0.5;
  return settings;
}

QJsonObject Json(const char* text) { return QJsonDocument::fromJson(QByteArray(text)).object(); }

BarcodeFields GoodFields() {
  BarcodeFields fields = FieldsFromSettings(SsccSettings());
  return fields;
}

}  // namespace

TEST(BarcodeSettingsJson, KeepsEveryFieldAndReadsOldJobsAsNoBarcode) {
  for (BarcodeKind kind :
       {BarcodeKind::kNone, BarcodeKind::kCode128, BarcodeKind::kSscc, BarcodeKind::kQrCode}) {
    BarcodeSettings settings = SsccSettings();
    settings.kind = kind;
    settings.content_template = QStringLiteral("臺灣-{C}");
    QString error;
    const auto read = BarcodeSettingsFromJson(BarcodeSettingsToJson(settings), &error);
    ASSERT_TRUE(read.has_value()) << error.toStdString();
    EXPECT_EQ(*read, settings);
  }
  const auto empty = BarcodeSettingsFromJson(QJsonObject(), nullptr);
  ASSERT_TRUE(empty.has_value());
  EXPECT_EQ(*empty, BarcodeSettings());
}

TEST(BarcodeSettingsJson, RefusesWhatItCannotUse) {
  const struct {
    const char* json;
    const char* message_part;
  } cases[] = {
      {R"({"kind": "ean13"})", "條碼設定的「條碼種類」(kind)「ean13」看不懂"},
      {R"({"kind": 3})", "(kind)「3」"},
      {R"({"template": 42})", "條碼設定的「條碼內容」(template)不對"},
      {R"({"sscc_extension": 10})", "「擴充碼」(sscc_extension)"},
      {R"({"sscc_extension": 1.5})", "「擴充碼」(sscc_extension)"},
      {R"({"sscc_extension": "1"})", "「擴充碼」(sscc_extension)"},
      {R"({"left_mm": "3"})", "「左邊距」(left_mm)"},
      {R"({"kind": "gs1-128-sscc", "company_prefix": "123456"})",
       "條碼設定的「GS1 廠商代碼」要填 7 到 10 位數字"},
      {R"({"kind": "code128", "template": ""})", "「條碼內容」是空的"},
      {R"({"kind": "code128", "module_mm": 0.05})", "「模組寬度」要填 0.1 到 2 之間"},
      {R"({"kind": "qr", "height_mm": 80})", "「條碼高度」要填 2 到 70 之間"},
      {R"({"kind": "qr", "left_mm": -1})", "「左邊距」要填 0 到 100 之間"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.json);
    QString error;
    EXPECT_FALSE(BarcodeSettingsFromJson(Json(c.json), &error).has_value());
    EXPECT_TRUE(error.contains(QString::fromUtf8(c.message_part))) << error.toStdString();
  }
  // A module width means nothing to a QR code, and no barcode needs a prefix.
  EXPECT_TRUE(BarcodeSettingsFromJson(Json(R"({"kind": "qr", "module_mm": 0})"), nullptr));
  EXPECT_TRUE(BarcodeSettingsFromJson(Json(R"({"kind": "none", "company_prefix": "x"})"), nullptr));
}

TEST(BarcodeFields, ShowTheSettingsAndReadThemBack) {
  const BarcodeFields fields = GoodFields();
  EXPECT_EQ(fields.sscc_extension, QStringLiteral("3"));
  EXPECT_EQ(fields.left_mm, QStringLiteral("12.5"));
  EXPECT_EQ(fields.module_mm, QStringLiteral("0.5"));
  const auto read = ParseBarcodeFields(fields, nullptr);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(*read, SsccSettings());

  BarcodeFields blanks = fields;
  blanks.left_mm = QStringLiteral(" 7 ");
  blanks.company_prefix = QStringLiteral(" 4712345 ");
  const auto trimmed = ParseBarcodeFields(blanks, nullptr);
  ASSERT_TRUE(trimmed.has_value());
  EXPECT_EQ(trimmed->left_mm, 7);
  EXPECT_EQ(trimmed->company_prefix, QStringLiteral("4712345"));
}

TEST(BarcodeFields, NameTheFirstBadField) {
  const struct {
    const char* name;
    BarcodeKind kind;
    QString BarcodeFields::*field;
    const char* text;
    const char* message;  // nullptr: accepted
  } cases[] = {
      {"prefix too short", BarcodeKind::kSscc, &BarcodeFields::company_prefix, "123456",
       "「GS1 廠商代碼」要填 7 到 10 位數字, 現在是「123456」。"},
      {"prefix with a letter", BarcodeKind::kSscc, &BarcodeFields::company_prefix, "471234X",
       "「GS1 廠商代碼」要填 7 到 10 位數字, 現在是「471234X」。"},
      {"prefix of another kind is kept", BarcodeKind::kCode128, &BarcodeFields::company_prefix,
       "12", nullptr},
      {"extension two digits", BarcodeKind::kSscc, &BarcodeFields::sscc_extension, "12",
       "「擴充碼」要填一位數字 (0 到 9)。"},
      {"extension empty", BarcodeKind::kSscc, &BarcodeFields::sscc_extension, "",
       "「擴充碼」要填一位數字 (0 到 9)。"},
      {"left not a number", BarcodeKind::kCode128, &BarcodeFields::left_mm, "3mm",
       "「左邊距」要填 0 到 100 之間的數字 (公釐)。"},
      {"top empty", BarcodeKind::kQrCode, &BarcodeFields::top_mm, "",
       "「上邊距」要填 0 到 100 之間的數字 (公釐)。"},
      {"height too small", BarcodeKind::kSscc, &BarcodeFields::height_mm, "1.5",
       "「條碼高度」要填 2 到 70 之間的數字 (公釐)。"},
      {"module too wide", BarcodeKind::kCode128, &BarcodeFields::module_mm, "2.5",
       "「模組寬度」要填 0.1 到 2 之間的數字 (公釐)。"},
      {"module unused by QR", BarcodeKind::kQrCode, &BarcodeFields::module_mm, "x", nullptr},
      {"template empty", BarcodeKind::kQrCode, &BarcodeFields::content_template, "",
       "「條碼內容」是空的"},
      {"no barcode takes anything", BarcodeKind::kNone, &BarcodeFields::height_mm, "x", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    BarcodeFields fields = GoodFields();
    fields.kind = c.kind;
    fields.*c.field = QString::fromUtf8(c.text);
    ScriptedPrompter prompter;
    const auto settings = AcceptBarcodeFields(fields, prompter);
    if (!c.message) {
      EXPECT_TRUE(settings.has_value());
      EXPECT_TRUE(prompter.messages.isEmpty());
      continue;
    }
    EXPECT_FALSE(settings.has_value());
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].startsWith(QString::fromUtf8(c.message)))
        << prompter.messages[0].toStdString();
  }
}

// A newly chosen SSCC starts at GS1's 0.495 mm and Code 128 at 0.33 mm, in the dialog (until the
// clerk types another width) and in a job file that does not name one; a width named is kept.
TEST(BarcodeFields, TheModuleWidthFollowsANewlyChosenKind) {
  const struct {
    BarcodeKind before, chosen;
    const char* typed;
    const char* shown;
  } choices[] = {
      {BarcodeKind::kNone, BarcodeKind::kSscc, "0.33", "0.495"},
      {BarcodeKind::kCode128, BarcodeKind::kSscc, "0.33", "0.495"},
      {BarcodeKind::kSscc, BarcodeKind::kCode128, "0.495", "0.33"},
      {BarcodeKind::kSscc, BarcodeKind::kQrCode, "0.495", "0.33"},
      {BarcodeKind::kCode128, BarcodeKind::kSscc, "0.4", "0.4"},
      {BarcodeKind::kCode128, BarcodeKind::kSscc, "abc", "abc"},
  };
  for (const auto& c : choices) {
    SCOPED_TRACE(std::string(c.typed) + " to " + KindDisplayName(c.chosen).toStdString());
    BarcodeFields fields;
    fields.kind = c.chosen;
    fields.module_mm = QString::fromLatin1(c.typed);
    EXPECT_EQ(WithKindChosen(fields, c.before).module_mm, QString::fromLatin1(c.shown));
  }
  const struct {
    const char* json;
    double module_mm;
  } files[] = {
      {R"({"kind": "gs1-128-sscc", "company_prefix": "4712345"})", 0.495},
      {R"({"kind": "gs1-128-sscc", "company_prefix": "4712345", "module_mm": 0.33})", 0.33},
      {R"({"kind": "code128", "template": "{C}"})", 0.33},
  };
  for (const auto& f : files) {
    SCOPED_TRACE(f.json);
    const auto read = BarcodeSettingsFromJson(Json(f.json), nullptr);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->module_mm, f.module_mm);
  }
}
