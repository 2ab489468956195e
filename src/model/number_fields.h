#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// How the number fields of the main window are read. A field keeps the text the user typed; the
// number is taken from it where it is used.

// The value of the number the text begins with: blanks are skipped, reading stops at the first
// character that cannot continue the number, no number gives 0 ("12abc" → 12, "" → 0).
double LeadingNumber(const QString& text);

// The whole text as a number, blanks around it allowed ("7 " → 7, "3a" and "" → nothing).
std::optional<double> WholeNumber(const QString& text);

// Rounds to the nearest integer, halves to the even neighbour (10.5 → 10, 11.5 → 12); nothing when
// the result does not fit.
std::optional<int32_t> RoundToInt32(double value);
std::optional<int16_t> RoundToInt16(double value);

// Truncation toward zero, as the label arithmetic uses it (Fix(-5.5) is -5).
double Fix(double value);

// Millimetres typed by the user become twips by this rounded factor (not 1440/25.4); the printed
// label, the preview, the pic_size proposal and the barcode's place on the label all use it.
inline constexpr double kTwipsPerMm = 57.6;
