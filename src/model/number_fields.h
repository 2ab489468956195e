#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "model/units.h"

// How the number fields of the main window are read. A field keeps the text the user typed; the
// number is taken from it where it is used.

// The value of the number the text begins with: blanks are skipped, reading stops at the first
// character that cannot continue the number, no number gives 0 ("12abc" → 12, "" → 0). Full-width
// digits, signs and point count as their ASCII forms ("１２" → 12). A number too large for a
// double is ±infinity, so it fits no integer type and is refused as too big wherever it is
// stored; one too small is 0.
double LeadingNumber(const QString& text);

// True when the text begins with a number that LeadingNumber reads (after blanks).
bool BeginsWithNumber(const QString& text);

// The whole text as a number, blanks around it allowed ("7 " → 7, "3a" and "" → nothing).
std::optional<double> WholeNumber(const QString& text);

// Rounds to the nearest integer, halves to the even neighbour (10.5 → 10, 11.5 → 12); nothing when
// the result does not fit.
std::optional<int32_t> RoundToInt32(double value);
std::optional<int16_t> RoundToInt16(double value);

// Truncation toward zero, as the label arithmetic uses it (Fix(-5.5) is -5).
double Fix(double value);

// Millimetres become twips by kTwipsPerMm (model/units.h), also for the barcode's place on the
// label.
