#pragma once

#include <QRectF>
#include <QSizeF>
#include <optional>

#include "model/lengths.h"

// Where the labels of each built-in stock are, worked out by hand from the stocks' measures: the
// oracle of the stock tests, and the places that printed labels are to be found at. A case may
// give the corner of a printer's printable area (none: a PDF file, which has no unprintable edge).
namespace stock_places {

inline constexpr double kMm = 1440 / 25.4;  // twips in a millimetre of the paper
inline constexpr double kInch = 1440;
inline constexpr QSizeF kA4Page(210 * kMm, 297 * kMm);
// The label as designed: 105 × 74.25 mm.
inline constexpr QSizeF kLabel(105 * kMm, 74.25 * kMm);
// A laser printer whose printable area begins 300 twips in and 250 down.
inline constexpr TwipPoint kLaser{Twips(300), Twips(250)};

struct Page {
  const char* stock;
  QSizeF page;
  int places;
  bool roll;
};

inline const Page kPages[] = {
    {"a4-8", kA4Page, 8, false},
    {"a4-8-74.25", kA4Page, 8, false},
    {"roll-4x6in", {4 * kInch, 6 * kInch}, 1, true},
    {"roll-4x3in", {4 * kInch, 3 * kInch}, 1, true},
    {"roll-100x150", {100 * kMm, 150 * kMm}, 1, true},
    {"roll-100x100", {100 * kMm, 100 * kMm}, 1, true},
    {"roll-100x75", {100 * kMm, 75 * kMm}, 1, true},
};

struct Place {
  const char* stock;
  std::optional<TwipPoint> printable_corner;
  int place;
  QRectF rect;  // twips from the page's top-left corner
};

// a4-8 steps 5760 twips across (48 columns) and 4170 down (sixteen lines and label_gap) from the
// printable area's corner, or from 12 points in on a PDF file.
inline const Place kPlaces[] = {
    {"a4-8", kLaser, 1, {{300, 250}, kLabel}},
    {"a4-8", kLaser, 2, {{300 + 5760, 250}, kLabel}},
    {"a4-8", kLaser, 5, {{300, 250 + 2 * 4170}, kLabel}},
    {"a4-8", kLaser, 8, {{300 + 5760, 250 + 3 * 4170}, kLabel}},
    {"a4-8", std::nullopt, 1, {{240, 240}, kLabel}},
    {"a4-8", std::nullopt, 8, {{240 + 5760, 240 + 3 * 4170}, kLabel}},
    {"a4-8-74.25", kLaser, 4, {{300 + 5760, 250 + 74.25 * kMm}, kLabel}},
    {"a4-8-74.25", std::nullopt, 7, {{240, 240 + 3 * 74.25 * kMm}, kLabel}},
    {"roll-4x6in", kLaser, 1, {{0, 0}, QSizeF(4 * kInch, 6 * kInch)}},
    {"roll-4x3in", std::nullopt, 1, {{0, 0}, QSizeF(4 * kInch, 3 * kInch)}},
    {"roll-100x150", kLaser, 1, {{0, 0}, QSizeF(100 * kMm, 150 * kMm)}},
    {"roll-100x100", kLaser, 1, {{0, 0}, QSizeF(100 * kMm, 100 * kMm)}},
    {"roll-100x75", std::nullopt, 1, {{0, 0}, QSizeF(100 * kMm, 75 * kMm)}},
};

}  // namespace stock_places
