#include "model/label_stock.h"

#include <QCoreApplication>
#include <cmath>

#include "model/label_grid.h"

namespace {

// Where an office laser printer's printable area begins: 12 points from the edges.
constexpr TwipPoint kLaserCorner{Twips(240), Twips(240)};

LabelStock A4Eight(const QString& name, Twips pitch_y, const QString& description) {
  LabelStock stock;
  stock.name = name;
  stock.description = description;
  stock.page = kA4;
  // Two labels side by side make a page row, the template's page rows fill a sheet.
  stock.columns = 2;
  stock.rows = kStartGrid.page_rows_per_page;
  stock.label = kDesignedLabel;
  // The label grid's steps: a label's columns across.
  stock.pitch_x = kStartGrid.width();
  stock.pitch_y = pitch_y;
  stock.margins = kLaserCorner;
  stock.anchor = LabelStock::Anchor::kPrintableArea;
  return stock;
}

// A roll of one label a page, the page the label's size.
LabelStock Roll(const QString& name, TwipSize label, const QString& description) {
  LabelStock stock;
  stock.name = name;
  stock.description = description;
  stock.roll = true;
  stock.page = label;
  stock.label = label;
  stock.pitch_x = label.width;
  stock.pitch_y = label.height;
  return stock;
}

LabelStock InchRoll(int width, int height) {
  return Roll(QStringLiteral("roll-%1x%2in").arg(width).arg(height),
              {Inches(width).ToTwips(), Inches(height).ToTwips()},
              QCoreApplication::translate("LabelStock", "捲筒標籤 %1 × %2 英吋, 每頁一張")
                  .arg(width)
                  .arg(height));
}

LabelStock MmRoll(int width, int height) {
  return Roll(QStringLiteral("roll-%1x%2").arg(width).arg(height),
              {PaperMm(width).ToTwips(), PaperMm(height).ToTwips()},
              QCoreApplication::translate("LabelStock", "捲筒標籤 %1 × %2 公釐, 每頁一張")
                  .arg(width)
                  .arg(height));
}

QString MmText(Twips twips) { return QString::number(PaperHundredths(twips) / 100.0, 'f', 2); }

}  // namespace

TwipPoint LabelStock::FirstPlace(std::optional<TwipPoint> printable_corner) const {
  if (anchor == Anchor::kPrintableArea && printable_corner) return *printable_corner;
  return margins;
}

QRectF LabelStock::Place(int n, std::optional<TwipPoint> printable_corner) const {
  Q_ASSERT(n >= 1 && n <= PlaceCount());
  const TwipPoint first = FirstPlace(printable_corner);
  const int index = n - 1;
  const Twips x = first.x + pitch_x * (index % columns);
  const Twips y = first.y + pitch_y * (index / columns);
  return QRectF(QPointF(x.value(), y.value()), label.ToSizeF());
}

QString DefaultStockName() { return QStringLiteral("a4-8"); }

QList<LabelStock> BuiltInStocks() {
  return {
      A4Eight(DefaultStockName(), kStartGrid.page_row_pitch(),
              QCoreApplication::translate("LabelStock",
                                          "A4 紙 8 格 (2 × 4), 和以往印的位置完全一樣 (預設)")),
      A4Eight(QStringLiteral("a4-8-74.25"), PaperMm(74.25).ToTwips(),
              QCoreApplication::translate(
                  "LabelStock", "A4 紙 8 格 (2 × 4), 每排相距 74.25 公釐, 和標籤紙的格子一樣")),
      InchRoll(4, 6),
      InchRoll(4, 3),
      MmRoll(100, 150),
      MmRoll(100, 100),
      MmRoll(100, 75),
  };
}

std::optional<LabelStock> FindStock(const QList<LabelStock>& stocks, const QString& name) {
  for (const LabelStock& stock : stocks) {
    if (stock.name == name) return stock;
  }
  return std::nullopt;
}

QStringList StockNames(const QList<LabelStock>& stocks) {
  QStringList names;
  for (const LabelStock& stock : stocks) names << stock.name;
  return names;
}

QString CustomStockDescription(const LabelStock& stock) {
  if (stock.roll) {
    return QCoreApplication::translate("LabelStock", "自訂: 捲筒標籤 %1 × %2 公釐, 每頁一張")
        .arg(MmText(stock.label.width), MmText(stock.label.height));
  }
  return QCoreApplication::translate("LabelStock", "自訂: A4 紙 %1 格 (%2 × %3), 每格 %4 × %5 公釐")
      .arg(stock.PlaceCount())
      .arg(stock.columns)
      .arg(stock.rows)
      .arg(MmText(stock.label.width), MmText(stock.label.height));
}

int PaperHundredths(Twips twips) { return int(std::lround(PaperMm::Of(twips).value() * 100)); }

Twips FromPaperHundredths(int hundredths) { return PaperMm(hundredths / 100.0).ToTwips(); }
