#pragma once

#include <QString>

// Which symbol goes on every label of a run.
enum class BarcodeKind {
  kNone,     // no symbol: the labels print exactly as without barcodes
  kCode128,  // the content template in Code 128
  kSscc,     // GS1-128 with the SSCC-18 (AI 00) built from the carton number
  kQrCode,   // the content template in a QR code
};

// The module width a kind starts with. An SSCC's is GS1's smallest narrow bar for a logistics
// label, 0.495 mm, which a dock's scanner reads from a distance; Code 128 keeps the 0.33 mm it
// always had. A QR code takes its module from its height and never reads it.
inline constexpr double kCode128ModuleMm = 0.33;
inline constexpr double kSsccModuleMm = 0.495;
constexpr double DefaultModuleMm(BarcodeKind kind) {
  return kind == BarcodeKind::kSscc ? kSsccModuleMm : kCode128ModuleMm;
}

// The barcode settings of a job, held by the model beside the picture fields. Millimetres are the
// user's: placement (left, top) goes onto the label with the label's own factor, like the picture;
// the symbol's height and module width are real millimetres, because a scanner and a verifier
// measure them (see barcode/barcode_symbol.h). What the settings mean, how they are checked, kept
// in a job file and turned into symbols lives in barcode/.
struct BarcodeSettings {
  BarcodeKind kind = BarcodeKind::kNone;
  // Code 128 and QR code: free text with {C} (carton), {P} (pallet) and {B} (block).
  QString content_template = QStringLiteral("{C}");
  // SSCC: the extension digit and the GS1 company prefix (7 to 10 digits, kept as typed).
  int sscc_extension = 0;
  QString company_prefix;
  // Top-left corner of the symbol (its quiet zones included) from the label's top-left corner.
  double left_mm = 2.0;
  double top_mm = 2.0;
  // Height of the bars (linear codes) or of the module square (QR code), without quiet zones and
  // without the human-readable line.
  double height_mm = 15.0;
  // Width of the narrow bar of a linear code; a QR code takes its module size from the height.
  double module_mm = kCode128ModuleMm;

  bool operator==(const BarcodeSettings&) const = default;
};
