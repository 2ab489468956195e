#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

#include "barcode/barcode_settings.h"

// The label a symbol belongs to: its numbers fill the placeholders and the SSCC, and name the
// label in a message.
struct BarcodeLabel {
  int block = 1;  // from 1, as the block table shows it
  int64_t pallet = 0;
  int64_t carton = 0;
  bool remainder = false;  // the remainder label, after the last block

  bool operator==(const BarcodeLabel&) const = default;
};

// "第 2 區段第 15 箱" or "尾數箱", for messages.
QString LabelName(const BarcodeLabel& label);

// `content_template` with {C} as the carton, {P} as the pallet and {B} as the block number.
// Lower-case placeholders count too: a clerk who types {c} means the carton. Any other brace is
// kept as it stands.
QString ExpandTemplate(const QString& content_template, const BarcodeLabel& label);

// The GS1 mod-10 check digit of `digits` (the number without its check digit): from the right,
// digits are weighted 3, 1, 3, 1 …; the check digit brings the sum up to a multiple of ten. -1
// when `digits` is empty or holds anything but digits.
int Gs1CheckDigit(QStringView digits);

// Digits of the serial reference in an SSCC with a company prefix of `prefix_digits` digits: the
// extension digit, the prefix and the serial reference together are 17 digits.
int SerialDigits(int prefix_digits);

// The 18-digit SSCC: extension digit, company prefix, the carton number zero-padded to fill the
// 17 digits, check digit. Nothing when the extension is not a digit, the prefix is not 7 to 10
// digits, or the carton is negative or has more digits than the serial reference holds.
std::optional<QString> ComposeSscc(int extension, const QString& company_prefix, int64_t carton);

// What one label's symbol encodes, and the message naming the field and the label when it
// cannot be composed.
struct BarcodeContent {
  QString text;   // the expanded template, or "(00)" and the SSCC for GS1-128
  QString error;  // empty when `text` is good
};

// The label's content for `settings`; an empty text for no barcode.
BarcodeContent ComposeContent(const BarcodeSettings& settings, const BarcodeLabel& label);
