#include "model/label_stock.h"

#include <gtest/gtest.h>

#include <type_traits>

#include "support/stock_places.h"

namespace {

using namespace stock_places;

// The two millimetres and twips never pass for each other.
static_assert(!std::is_convertible_v<LabelMm, PaperMm> && !std::is_convertible_v<PaperMm, LabelMm>);
static_assert(!std::is_convertible_v<LabelMm, Twips> && !std::is_convertible_v<double, Twips>);
static_assert(LabelMm(100).ToTwips() == Twips(5760));
static_assert(Inches(4).ToTwips() == Twips(5760));

void ExpectNear(const QRectF& actual, const QRectF& expected, const std::string& name) {
  constexpr double kTwip = 1e-6;
  EXPECT_NEAR(actual.left(), expected.left(), kTwip) << name;
  EXPECT_NEAR(actual.top(), expected.top(), kTwip) << name;
  EXPECT_NEAR(actual.width(), expected.width(), kTwip) << name;
  EXPECT_NEAR(actual.height(), expected.height(), kTwip) << name;
}

}  // namespace

TEST(LabelStock, EachBuiltInStockHasItsPageAndItsPlaces) {
  const QList<LabelStock> stocks = BuiltInStocks();
  QStringList names;
  for (const Page& c : kPages) names << QString::fromLatin1(c.stock);
  ASSERT_EQ(StockNames(stocks), names);
  EXPECT_EQ(stocks.first().name, DefaultStockName());

  for (const Page& c : kPages) {
    const LabelStock stock = *FindStock(stocks, QString::fromLatin1(c.stock));
    ExpectNear(QRectF({}, stock.page.ToSizeF()), QRectF({}, c.page), c.stock);
    EXPECT_EQ(stock.PlaceCount(), c.places) << c.stock;
    EXPECT_EQ(stock.roll, c.roll) << c.stock;
    // One line each in the list of stocks.
    EXPECT_FALSE(stock.description.isEmpty()) << c.stock;
    EXPECT_FALSE(stock.description.contains(u'\t') || stock.description.contains(u'\n'));
  }
  for (const Place& c : kPlaces) {
    const LabelStock stock = *FindStock(stocks, QString::fromLatin1(c.stock));
    const std::string name = std::string(c.stock) + " place " + std::to_string(c.place) +
                             (c.printable_corner ? " printer" : " pdf");
    ExpectNear(stock.Place(c.place, c.printable_corner), c.rect, name);
  }
  EXPECT_FALSE(FindStock(stocks, QStringLiteral("A4-8")));
}
