#pragma once

#include <QJsonObject>
#include <QString>
#include <optional>

#include "model/label_barcode.h"

class Prompter;

// Limits of the numbers; the dialog, the job file and the checks share them.
inline constexpr int kMinPrefixDigits = 7;
inline constexpr int kMaxPrefixDigits = 10;
inline constexpr double kMaxPlacementMm = 100.0;
inline constexpr double kMinHeightMm = 2.0;
inline constexpr double kMaxHeightMm = 70.0;
inline constexpr double kMinModuleMm = 0.1;
inline constexpr double kMaxModuleMm = 2.0;

// A linear code (Code 128, GS1-128): bars of a module width and a human-readable line.
bool IsLinear(BarcodeKind kind);

// The narrowest module a kind's symbols may print with, which a rounding to a printer's dots never
// goes below: GS1's 0.495 mm for the SSCC on a logistics label, the settings' smallest for Code
// 128, none for a QR code (its module follows from its height).
double MinimumModuleMm(BarcodeKind kind);

// The kind as the dialog's list and the messages name it.
QString KindDisplayName(BarcodeKind kind);

// True for 7 to 10 digits and nothing else.
bool IsCompanyPrefix(const QString& text);

// What is wrong with `settings` for their kind, as a message naming the field, or an empty text.
// Fields the kind does not use are not looked at, so a prefix typed for an SSCC stays even when
// the kind is switched to Code 128 for a while.
QString SettingsProblem(const BarcodeSettings& settings);

// The settings as the job file keeps them. Every field is written, also those the kind does not
// use, so nothing the user typed is lost:
//   {"kind": "none" | "code128" | "gs1-128-sscc" | "qr", "template": "PO4711-{C}",
//    "sscc_extension": 0, "company_prefix": "4712345",
//    "left_mm": 2, "top_mm": 2, "height_mm": 15, "module_mm": 0.33}
QJsonObject BarcodeSettingsToJson(const BarcodeSettings& settings);

// Settings from a job file. A missing field keeps its default (an object without "kind" is no
// barcode, as in a job written before barcodes existed), the module width its kind's (a job
// file has always named it; one written by hand without it gets what a newly chosen kind gets); a
// field of the wrong type, an unknown
// kind or a value out of range gives nothing, with the message in `error` (may be null).
std::optional<BarcodeSettings> BarcodeSettingsFromJson(const QJsonObject& json, QString* error);

// The settings dialog's fields as the user typed them. The kind comes from a list, not typed.
struct BarcodeFields {
  BarcodeKind kind = BarcodeKind::kNone;
  QString content_template;
  QString sscc_extension;
  QString company_prefix;
  QString left_mm;
  QString top_mm;
  QString height_mm;
  QString module_mm;

  bool operator==(const BarcodeFields&) const = default;
};

// The fields that show `settings`.
BarcodeFields FieldsFromSettings(const BarcodeSettings& settings);

// The fields once the clerk chooses the kind `fields.kind` in place of `before`: a module width
// that still shows the old kind's default becomes the new kind's (0.33 mm for Code 128, 0.495 mm
// for an SSCC); one the clerk typed stays as typed.
BarcodeFields WithKindChosen(BarcodeFields fields, BarcodeKind before);

// The settings the fields give, or nothing with the message naming the first bad field in
// `error` (may be null).
std::optional<BarcodeSettings> ParseBarcodeFields(const BarcodeFields& fields, QString* error);

// The dialog's OK: the settings, or the message box for the first bad field and nothing (the
// dialog stays open with what the user typed).
std::optional<BarcodeSettings> AcceptBarcodeFields(const BarcodeFields& fields, Prompter& prompter);

// The names of the dialog's fields, as the messages use them.
QString KindFieldName();
QString ContentFieldName();
QString ExtensionFieldName();
QString PrefixFieldName();
QString LeftFieldName();
QString TopFieldName();
QString HeightFieldName();
QString ModuleFieldName();
