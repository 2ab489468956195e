#pragma once

#include <QRectF>
#include <QSizeF>
#include <optional>
#include <string_view>

#include "model/lengths.h"

// Where the labels of each built-in stock are, worked out by hand from the stocks' measures: the
// oracle of the stock tests, and the places that printed labels are to be found at. A case may
// give the corner of a printer's printable area (none: a PDF file, which has no unprintable edge).
//
// A label printed in a place is the label as designed, 105 × 74.25 mm, scaled to fit the place
// and centred in it (PrintedLabel): on the sheets of eight it is the place; every roll is narrower
// than 105 mm and at least as tall as the scaled label, so there it takes the roll's width, centred
// from top to bottom.
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
  double scale;  // of the label as designed, as it is printed in the stock's places
};

inline const Page kPages[] = {
    {"a4-8", kA4Page, 8, false, 1},
    {"a4-8-74.25", kA4Page, 8, false, 1},
    {"roll-4x6in", {4 * kInch, 6 * kInch}, 1, true, 101.6 / 105},
    {"roll-4x3in", {4 * kInch, 3 * kInch}, 1, true, 101.6 / 105},
    {"roll-100x150", {100 * kMm, 150 * kMm}, 1, true, 100.0 / 105},
    {"roll-100x100", {100 * kMm, 100 * kMm}, 1, true, 100.0 / 105},
    {"roll-100x75", {100 * kMm, 75 * kMm}, 1, true, 100.0 / 105},
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

// The page of `stock`.
inline const Page& PageOf(const char* stock) {
  for (const Page& page : kPages) {
    if (std::string_view(page.stock) == stock) return page;
  }
  return kPages[0];
}

// The label as printed in `place`, twips from the page's top-left corner: where its first line and
// column 1 begin, and its size.
inline QRectF PrintedLabel(const Place& place) {
  if (!PageOf(place.stock).roll) return place.rect;
  const double height = 74.25 / 105 * place.rect.width();
  return QRectF(0, (place.rect.height() - height) / 2, place.rect.width(), height);
}

}  // namespace stock_places
