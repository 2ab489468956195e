#include "barcode/barcode_settings.h"

#include <QCoreApplication>
#include <QJsonValue>
#include <array>
#include <cmath>
#include <tuple>
#include <utility>

#include "model/number_fields.h"
#include "model/prompter.h"

namespace {

// The texts of this file's messages, translated under one context.
struct Text {
  Q_DECLARE_TR_FUNCTIONS(Barcode)
};

// The kinds by the names the job file uses for them.
constexpr std::array<std::pair<BarcodeKind, const char*>, 4> kKindNames{{
    {BarcodeKind::kNone, "none"},
    {BarcodeKind::kCode128, "code128"},
    {BarcodeKind::kSscc, "gs1-128-sscc"},
    {BarcodeKind::kQrCode, "qr"},
}};

QString KindName(BarcodeKind kind) {
  for (const auto& [k, name] : kKindNames) {
    if (k == kind) return QString::fromLatin1(name);
  }
  return QStringLiteral("none");
}

std::optional<BarcodeKind> KindFromName(const QString& name) {
  for (const auto& [k, kind_name] : kKindNames) {
    if (name == QLatin1String(kind_name)) return k;
  }
  return std::nullopt;
}

// One number of the settings: its field name, its place in the struct and its range.
struct NumberField {
  QString (*name)();
  double BarcodeSettings::*member;
  double min;
  double max;
  const char* json_key;
  QString BarcodeFields::*text;
};

const std::array<NumberField, 4>& NumberFields() {
  static const std::array<NumberField, 4> fields{{
      {LeftFieldName, &BarcodeSettings::left_mm, 0.0, kMaxPlacementMm, "left_mm",
       &BarcodeFields::left_mm},
      {TopFieldName, &BarcodeSettings::top_mm, 0.0, kMaxPlacementMm, "top_mm",
       &BarcodeFields::top_mm},
      {HeightFieldName, &BarcodeSettings::height_mm, kMinHeightMm, kMaxHeightMm, "height_mm",
       &BarcodeFields::height_mm},
      {ModuleFieldName, &BarcodeSettings::module_mm, kMinModuleMm, kMaxModuleMm, "module_mm",
       &BarcodeFields::module_mm},
  }};
  return fields;
}

// The module width means nothing to a QR code, so a value out of range there is no reason to
// refuse the settings.
bool Uses(const NumberField& field, BarcodeKind kind) {
  return field.member != &BarcodeSettings::module_mm || IsLinear(kind);
}

QString NumberText(double value) { return QString::number(value, 'g', 15); }

QString RangeMessage(const NumberField& field) {
  return Text::tr("「%1」要填 %2 到 %3 之間的數字 (公釐)。")
      .arg(field.name(), NumberText(field.min), NumberText(field.max));
}

bool InRange(double value, const NumberField& field) {
  return std::isfinite(value) && value >= field.min && value <= field.max;
}

QString ExtensionMessage() {
  return Text::tr("「%1」要填一位數字 (0 到 9)。").arg(ExtensionFieldName());
}

QString PrefixMessage(const QString& prefix) {
  return Text::tr("「%1」要填 %2 到 %3 位數字, 現在是「%4」。")
      .arg(PrefixFieldName())
      .arg(kMinPrefixDigits)
      .arg(kMaxPrefixDigits)
      .arg(prefix);
}

void SetError(QString* error, const QString& message) {
  if (error) *error = message;
}

// The job file's messages name a field as the dialog does and by its key, as the other job
// checks do: 條碼設定的「條碼內容」(template).
QString JsonField(QString (*name)(), const char* key) {
  return Text::tr("條碼設定的「%1」(%2)").arg(name(), QString::fromLatin1(key));
}

QString JsonFieldMessage(QString (*name)(), const char* key) {
  return Text::tr("%1不對。").arg(JsonField(name, key));
}

}  // namespace

bool IsLinear(BarcodeKind kind) {
  return kind == BarcodeKind::kCode128 || kind == BarcodeKind::kSscc;
}

double MinimumModuleMm(BarcodeKind kind) {
  switch (kind) {
    case BarcodeKind::kSscc:
      return kSsccModuleMm;
    case BarcodeKind::kCode128:
      return kMinModuleMm;
    case BarcodeKind::kNone:
    case BarcodeKind::kQrCode:
      break;
  }
  return 0;
}

QString KindDisplayName(BarcodeKind kind) {
  switch (kind) {
    case BarcodeKind::kNone:
      return Text::tr("不印條碼");
    case BarcodeKind::kCode128:
      return Text::tr("Code 128");
    case BarcodeKind::kSscc:
      return Text::tr("GS1-128 (SSCC)");
    case BarcodeKind::kQrCode:
      return Text::tr("QR 碼");
  }
  return QString();
}

bool IsCompanyPrefix(const QString& text) {
  if (text.size() < kMinPrefixDigits || text.size() > kMaxPrefixDigits) return false;
  for (QChar c : text) {
    if (c < u'0' || c > u'9') return false;
  }
  return true;
}

QString SettingsProblem(const BarcodeSettings& settings) {
  if (settings.kind == BarcodeKind::kNone) return QString();
  if (settings.kind == BarcodeKind::kSscc) {
    if (settings.sscc_extension < 0 || settings.sscc_extension > 9) return ExtensionMessage();
    if (!IsCompanyPrefix(settings.company_prefix)) return PrefixMessage(settings.company_prefix);
  } else if (settings.content_template.isEmpty()) {
    return Text::tr(
               "「%1」是空的: 請填入要印成條碼的文字, 可以用 {C} 代表箱號、{P} 代表墊板號、"
               "{B} 代表區段號。")
        .arg(ContentFieldName());
  }
  for (const NumberField& field : NumberFields()) {
    if (Uses(field, settings.kind) && !InRange(settings.*field.member, field)) {
      return RangeMessage(field);
    }
  }
  return QString();
}

QJsonObject BarcodeSettingsToJson(const BarcodeSettings& settings) {
  QJsonObject json{
      {QStringLiteral("kind"), KindName(settings.kind)},
      {QStringLiteral("template"), settings.content_template},
      {QStringLiteral("sscc_extension"), settings.sscc_extension},
      {QStringLiteral("company_prefix"), settings.company_prefix},
  };
  for (const NumberField& field : NumberFields()) {
    json.insert(QLatin1String(field.json_key), settings.*field.member);
  }
  return json;
}

std::optional<BarcodeSettings> BarcodeSettingsFromJson(const QJsonObject& json, QString* error) {
  BarcodeSettings settings;
  const QJsonValue kind = json.value(QLatin1String("kind"));
  if (!kind.isUndefined()) {
    const std::optional<BarcodeKind> known = KindFromName(kind.toString());
    if (!kind.isString() || !known) {
      SetError(error, Text::tr("%1「%2」看不懂。")
                          .arg(JsonField(KindFieldName, "kind"), kind.toVariant().toString()));
      return std::nullopt;
    }
    settings.kind = *known;
    settings.module_mm = DefaultModuleMm(settings.kind);
  }
  for (const auto& [key, name, member] :
       {std::tuple{"template", &ContentFieldName, &BarcodeSettings::content_template},
        std::tuple{"company_prefix", &PrefixFieldName, &BarcodeSettings::company_prefix}}) {
    const QJsonValue value = json.value(QLatin1String(key));
    if (value.isUndefined()) continue;
    if (!value.isString()) {
      SetError(error, JsonFieldMessage(name, key));
      return std::nullopt;
    }
    settings.*member = value.toString();
  }
  const QJsonValue extension = json.value(QLatin1String("sscc_extension"));
  if (!extension.isUndefined()) {
    const double digit = extension.toDouble(-1);
    if (!extension.isDouble() || digit != std::floor(digit) || digit < 0 || digit > 9) {
      SetError(error, JsonFieldMessage(ExtensionFieldName, "sscc_extension"));
      return std::nullopt;
    }
    settings.sscc_extension = int(digit);
  }
  for (const NumberField& field : NumberFields()) {
    const QJsonValue value = json.value(QLatin1String(field.json_key));
    if (value.isUndefined()) continue;
    if (!value.isDouble()) {
      SetError(error, JsonFieldMessage(field.name, field.json_key));
      return std::nullopt;
    }
    settings.*field.member = value.toDouble();
  }
  const QString problem = SettingsProblem(settings);
  if (!problem.isEmpty()) {
    SetError(error, Text::tr("條碼設定的%1").arg(problem));
    return std::nullopt;
  }
  return settings;
}

BarcodeFields FieldsFromSettings(const BarcodeSettings& settings) {
  BarcodeFields fields;
  fields.kind = settings.kind;
  fields.content_template = settings.content_template;
  fields.sscc_extension = QString::number(settings.sscc_extension);
  fields.company_prefix = settings.company_prefix;
  for (const NumberField& field : NumberFields()) {
    fields.*field.text = NumberText(settings.*field.member);
  }
  return fields;
}

BarcodeFields WithKindChosen(BarcodeFields fields, BarcodeKind before) {
  const std::optional<double> module = WholeNumber(fields.module_mm);
  if (module && *module == DefaultModuleMm(before)) {
    fields.module_mm = NumberText(DefaultModuleMm(fields.kind));
  }
  return fields;
}

std::optional<BarcodeSettings> ParseBarcodeFields(const BarcodeFields& fields, QString* error) {
  BarcodeSettings settings;
  settings.kind = fields.kind;
  settings.content_template = fields.content_template;
  settings.company_prefix = fields.company_prefix.trimmed();
  // Fields the kind does not use keep their text but need not be numbers; they get the default.
  const QString extension = fields.sscc_extension.trimmed();
  if (extension.size() == 1 && extension[0] >= u'0' && extension[0] <= u'9') {
    settings.sscc_extension = extension[0].unicode() - u'0';
  } else if (fields.kind == BarcodeKind::kSscc) {
    SetError(error, ExtensionMessage());
    return std::nullopt;
  }
  for (const NumberField& field : NumberFields()) {
    const std::optional<double> value = WholeNumber(fields.*field.text);
    if (value && InRange(*value, field)) {
      settings.*field.member = *value;
    } else if (fields.kind != BarcodeKind::kNone && Uses(field, fields.kind)) {
      SetError(error, RangeMessage(field));
      return std::nullopt;
    }
  }
  const QString problem = SettingsProblem(settings);
  if (!problem.isEmpty()) {
    SetError(error, problem);
    return std::nullopt;
  }
  return settings;
}

std::optional<BarcodeSettings> AcceptBarcodeFields(const BarcodeFields& fields,
                                                   Prompter& prompter) {
  QString error;
  std::optional<BarcodeSettings> settings = ParseBarcodeFields(fields, &error);
  if (!settings) prompter.Message(error);
  return settings;
}

QString KindFieldName() { return Text::tr("條碼種類"); }
QString ContentFieldName() { return Text::tr("條碼內容"); }
QString ExtensionFieldName() { return Text::tr("擴充碼"); }
QString PrefixFieldName() { return Text::tr("GS1 廠商代碼"); }
QString LeftFieldName() { return Text::tr("左邊距"); }
QString TopFieldName() { return Text::tr("上邊距"); }
QString HeightFieldName() { return Text::tr("條碼高度"); }
QString ModuleFieldName() { return Text::tr("模組寬度"); }
