#include "stock/stock_input.h"

#include <gtest/gtest.h>

#include "support/stock_places.h"

namespace {

using namespace stock_places;

// Two columns of five labels of 100 × 50 mm, 105 and 55 mm apart, 2.5 mm from the left edge and
// 11 mm from the top: 5 mm to spare at the right, 27 mm at the bottom.
LabelStockTexts Shelf() {
  return {"shelf-2x5", false, "100", "50", "2", "5", "105", "55", "2.5", "11"};
}

const QStringList kBuiltIn = StockNames(BuiltInStocks());

}  // namespace

TEST(StockInput, RefusedStocksNameTheFirstWrongField) {
  const struct {
    void (*change)(LabelStockTexts&);
    StockField field;
  } cases[] = {
      {[](LabelStockTexts& t) { t.name = " "; }, StockField::kName},
      {[](LabelStockTexts& t) { t.name = "a4-8"; }, StockField::kName},
      {[](LabelStockTexts& t) { t.name = "ROLL-4x6IN"; }, StockField::kName},
      {[](LabelStockTexts& t) { t.name = "my stock"; }, StockField::kName},
      {[](LabelStockTexts& t) { t.name = "-shelf"; }, StockField::kName},
      {[](LabelStockTexts& t) { t.name = "a/b"; }, StockField::kName},
      {[](LabelStockTexts& t) { t.name = "shelf=1"; }, StockField::kName},
      {[](LabelStockTexts& t) { t.name = QString(33, u'x'); }, StockField::kName},
      {[](LabelStockTexts& t) { t.label_width = "0"; }, StockField::kLabelWidth},
      {[](LabelStockTexts& t) { t.label_width = "-100"; }, StockField::kLabelWidth},
      {[](LabelStockTexts& t) { t.label_width = "abc"; }, StockField::kLabelWidth},
      {[](LabelStockTexts& t) { t.label_width = "100.005"; }, StockField::kLabelWidth},
      {[](LabelStockTexts& t) { t.label_width = "210.01"; }, StockField::kLabelWidth},
      {[](LabelStockTexts& t) { t.label_height = "297.01"; }, StockField::kLabelHeight},
      {[](LabelStockTexts& t) { t.columns = "0"; }, StockField::kColumns},
      {[](LabelStockTexts& t) { t.columns = "1.5"; }, StockField::kColumns},
      {[](LabelStockTexts& t) { t.rows = "101"; }, StockField::kRows},
      {[](LabelStockTexts& t) { t.columns = "10", t.rows = "11"; }, StockField::kRows},
      {[](LabelStockTexts& t) { t.pitch_x = "99.99"; }, StockField::kPitchX},
      {[](LabelStockTexts& t) { t.pitch_y = "0"; }, StockField::kPitchY},
      {[](LabelStockTexts& t) { t.columns = "3"; }, StockField::kColumns},
      {[](LabelStockTexts& t) { t.rows = "6"; }, StockField::kRows},
      {[](LabelStockTexts& t) { t.margin_left = "5.01"; }, StockField::kMarginLeft},
      {[](LabelStockTexts& t) { t.margin_left = "-0.01"; }, StockField::kMarginLeft},
      {[](LabelStockTexts& t) { t.margin_top = "27.01"; }, StockField::kMarginTop},
      {[](LabelStockTexts& t) { t.roll = true, t.label_width = "1000.01"; },
       StockField::kLabelWidth},
      {[](LabelStockTexts& t) { t.roll = true, t.label_height = ""; }, StockField::kLabelHeight},
  };
  for (const auto& c : cases) {
    LabelStockTexts texts = Shelf();
    c.change(texts);
    const StockReading reading = ReadStockTexts(texts, kBuiltIn);
    const std::string name = StockFieldName(c.field).toStdString() + " " + texts.name.toStdString();
    EXPECT_FALSE(reading.stock) << name;
    EXPECT_EQ(reading.field, c.field) << name << ": " << reading.message.toStdString();
    EXPECT_TRUE(reading.message.startsWith(StockFieldName(c.field)))
        << reading.message.toStdString();
  }
}

TEST(StockInput, TypedStocksArePlacedFromThePapersEdgeAndShownAsTyped) {
  // The last place of each row and column only just fits.
  LabelStockTexts texts = Shelf();
  texts.margin_left = "5";
  texts.margin_top = "27.00";
  const StockReading reading = ReadStockTexts(texts, kBuiltIn);
  ASSERT_TRUE(reading.stock) << reading.message.toStdString();
  const LabelStock& shelf = *reading.stock;
  EXPECT_EQ(shelf.PlaceCount(), 10);
  EXPECT_FALSE(shelf.roll);
  EXPECT_EQ(shelf.page, kA4);
  const QRectF last = shelf.Place(10, kLaser);  // a printer's unprintable edge does not move it
  EXPECT_NEAR(last.right(), 210 * kMm, 1e-6);
  EXPECT_NEAR(last.bottom(), 297 * kMm, 1e-6);
  EXPECT_NEAR(shelf.Place(3, std::nullopt).top(), 82 * kMm, 1e-6);
  EXPECT_EQ(LabelStockTexts::Of(shelf), (LabelStockTexts{"shelf-2x5", false, "100.00", "50.00", "2",
                                                         "5", "105.00", "55.00", "5.00", "27.00"}));

  // A roll is its label; what the sheet's fields hold does not matter.
  const StockReading roll =
      ReadStockTexts({"zebra", true, "100", "150", "", "x", "-1", "", "", ""}, kBuiltIn);
  ASSERT_TRUE(roll.stock) << roll.message.toStdString();
  LabelStock built_in = *FindStock(BuiltInStocks(), QStringLiteral("roll-100x150"));
  built_in.name = QStringLiteral("zebra");
  built_in.description = roll.stock->description;
  EXPECT_EQ(*roll.stock, built_in);
}
