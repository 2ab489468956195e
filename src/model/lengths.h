#pragma once

#include <QPointF>
#include <QSizeF>
#include <compare>

#include "model/units.h"

// Lengths as types. Everything is drawn in twips; two different millimetres are typed:
// - the label's millimetre, 57.6 twips, in which the picture and barcode places have always been
//   given and which the printed labels stay held to;
// - the paper's millimetre, 1440/25.4 twips, as a ruler reads it: printer offsets, the label
//   stocks, the paper itself.
// A millimetre of either kind becomes twips only through ToTwips(), and twips become millimetres
// only through Of(): a value of one kind never passes for the other, nor for bare twips.

class Twips {
 public:
  constexpr Twips() = default;
  constexpr explicit Twips(double value) : value_(value) {}

  constexpr double value() const { return value_; }

  constexpr auto operator<=>(const Twips&) const = default;
  constexpr Twips operator+(Twips other) const { return Twips(value_ + other.value_); }
  constexpr Twips operator-(Twips other) const { return Twips(value_ - other.value_); }
  constexpr Twips operator-() const { return Twips(-value_); }
  constexpr Twips operator*(double factor) const { return Twips(value_ * factor); }
  constexpr Twips operator/(double divisor) const { return Twips(value_ / divisor); }
  constexpr double operator/(Twips other) const { return value_ / other.value_; }

 private:
  double value_ = 0;
};

constexpr Twips operator*(double factor, Twips twips) { return twips * factor; }

// A length in a unit of `Unit::kTwips` twips.
template <typename Unit>
class Length {
 public:
  constexpr explicit Length(double value) : value_(value) {}

  static constexpr Length Of(Twips twips) { return Length(twips.value() / Unit::kTwips); }

  constexpr double value() const { return value_; }
  constexpr Twips ToTwips() const { return Twips(value_ * Unit::kTwips); }

  constexpr auto operator<=>(const Length&) const = default;

 private:
  double value_;
};

struct LabelMmUnit {
  static constexpr double kTwips = kTwipsPerMm;
};
struct PaperMmUnit {
  static constexpr double kTwips = kTwipsPerPaperMm;
};
struct InchUnit {
  static constexpr double kTwips = kTwipsPerInch;
};
using LabelMm = Length<LabelMmUnit>;
using PaperMm = Length<PaperMmUnit>;
using Inches = Length<InchUnit>;

// A width and a height in twips.
struct TwipSize {
  Twips width;
  Twips height;

  constexpr bool operator==(const TwipSize&) const = default;
  QSizeF ToSizeF() const { return {width.value(), height.value()}; }
};

// A point in twips from a page's or a label's top-left corner.
struct TwipPoint {
  Twips x;
  Twips y;

  constexpr bool operator==(const TwipPoint&) const = default;
  QPointF ToPointF() const { return {x.value(), y.value()}; }
};

// A4 paper, 210 × 297 mm as a ruler reads them.
inline constexpr TwipSize kA4{PaperMm(210).ToTwips(), PaperMm(297).ToTwips()};
