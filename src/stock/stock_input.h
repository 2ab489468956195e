#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "model/label_stock.h"

// A stock of the clerk's own as typed, and as the settings keep it: lengths in paper millimetres
// with at most two decimals, places as whole numbers. A roll has one label a page, so only its
// label size is read.
struct LabelStockTexts {
  QString name;
  bool roll = false;
  QString label_width;
  QString label_height;
  // A sheet's places; a roll has none.
  QString columns{};
  QString rows{};
  QString pitch_x{};
  QString pitch_y{};
  QString margin_left{};
  QString margin_top{};

  static LabelStockTexts Of(const LabelStock& stock);

  bool operator==(const LabelStockTexts&) const = default;
};

// The fields, in the order they are read and shown.
enum class StockField {
  kName,
  kLabelWidth,
  kLabelHeight,
  kColumns,
  kRows,
  kPitchX,
  kPitchY,
  kMarginLeft,
  kMarginTop,
};

// The field's caption as the stock dialog shows it, and as a message about it begins.
QString StockFieldName(StockField field);

// A stock read from its fields, or the first field that keeps it from being one.
struct StockReading {
  std::optional<LabelStock> stock;
  StockField field = StockField::kName;
  QString message;  // begins with the field's name; empty when read
};

// Reads typed fields field by field: a name of letters, digits, "-", "_" and "." that is not one of
// `taken` (in any case) and does not begin with "-", as it has to stand in the settings file and
// as one word on the command line; each length a number of at most two decimals in its range
// (a label from 10 mm to the A4 sheet, or to 1000 mm on a roll; pitches at least the label's
// size); at most 100 places, all of them on the sheet.
StockReading ReadStockTexts(const LabelStockTexts& texts, const QStringList& taken);
