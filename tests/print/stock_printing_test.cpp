// Runs printed on every stock: each label the label as designed, scaled and centred in its place
// as the table of stocks (support/stock_places.h) has it, and a page row of three places that
// carries a row which runs over, as the A4 sheet's page row of two does.

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <optional>

#include "print/label_geometry.h"
#include "print/print_run_fixture.h"
#include "stock/stock_input.h"
#include "support/stock_places.h"
#include "support/test_geometry.h"

namespace {

using namespace stock_places;

// Where a label's carton number begins on the label grid: the centred keyword row 5 at column 20.
const QPointF kCartonRow(19 * 120, 4 * 240);

void ExpectNear(const QPointF& actual, const QPointF& expected, const std::string& what) {
  EXPECT_NEAR(actual.x(), expected.x(), 1e-6) << what;
  EXPECT_NEAR(actual.y(), expected.y(), 1e-6) << what;
}

void ExpectNear(const QRectF& actual, const QRectF& expected, const std::string& what) {
  ExpectNear(actual.topLeft(), expected.topLeft(), what);
  ExpectNear(actual.bottomRight(), expected.bottomRight(), what);
}

// The paper of a printer whose printable area begins at `corner` (none: a PDF file).
PaperSetup PaperOf(const char* stock, const std::optional<TwipPoint>& corner) {
  StockFit fit;
  fit.stock = test_geometry::Stock(stock);
  if (!corner) return test_geometry::Pdf(fit);
  const QPointF at = corner->ToPointF();
  return test_geometry::Printer(QRectF(at, fit.stock->page.ToSizeF() - QSizeF(2 * at.x(), 0)), fit);
}

}  // namespace

TEST(LabelGeometry, EachStockPrintsItsLabelsWhereTheTableHasThem) {
  for (const Page& c : kPages) {
    const LabelGeometry geometry = test_geometry::On(PaperOf(c.stock, std::nullopt));
    EXPECT_EQ(geometry.shape().places(), c.places) << c.stock;
    EXPECT_NEAR(geometry.scale(), c.scale, 1e-12) << c.stock;
  }
  for (const Place& c : kPlaces) {
    const std::string name = std::string(c.stock) + " place " + std::to_string(c.place) +
                             (c.printable_corner ? " printer" : " pdf");
    const LabelGeometry geometry = test_geometry::On(PaperOf(c.stock, c.printable_corner));
    const int columns = geometry.shape().places_per_row;
    const int row = (c.place - 1) / columns;
    const int column = (c.place - 1) % columns;
    ExpectNear(geometry.OnPaper().Place(row, column), c.rect, name);
    ExpectNear(geometry.OnPaper().LabelRect(row, column), c.printed, name);
    // The print's (0, 0) is the printable area's corner, a PDF file's the paper's.
    const QPointF origin = c.printable_corner ? c.printable_corner->ToPointF() : QPointF();
    ExpectNear(geometry.LabelRect(row, column), c.printed.translated(-origin), name);
  }
}

// The worked example's forty labels with a picture, printed on each stock of the table on a
// printer or into a PDF file: the carton number and the picture of each label of the table stand
// where its label is printed, at the stock's scale, on its sheet.
TEST_F(PrintRunTest, EveryStockPrintsTheSameLabelScaledInItsPlaces) {
  SetBlocks({{1, 25, 10, 1}, {26, 40, 10, 4, "Yes"}});
  model.pic_file_name = folder.File(QStringLiteral("logo.png"));
  QImage(40, 20, QImage::Format_RGB32).save(model.pic_file_name);
  model.pic_size = QStringLiteral("10");
  model.pic_d_left = QStringLiteral("30");
  const MainModel job = model;
  // The picture on the label grid: 10 mm wide at the label's 57.6 twips, 30 mm and 1 mm in.
  const QRectF picture(1728, 57, 576, 288);

  for (const Place& c : kPlaces) {
    const std::string name = std::string(c.stock) + " place " + std::to_string(c.place) +
                             (c.printable_corner ? " printer" : " pdf");
    SCOPED_TRACE(name);
    Reset();
    model = job;
    const PaperSetup paper = PaperOf(c.stock, c.printable_corner);
    fits = PrinterFits{{{QStringLiteral("LABELS"), paper.fit}}, paper.fit};
    if (c.printable_corner) {
      target.printable = paper.printable;
    } else {
      target.has_printer = false;
      target.pdf_answer = QStringLiteral("labels.pdf");
      prompter.answers = {true};
    }
    ASSERT_TRUE(Print()) << prompter.messages.join(u'\n').toStdString();
    EXPECT_EQ(prompter.warnings, QList<QStringList>{}) << "nothing outside, nothing to ask";

    const Page& page = *std::find_if(std::begin(kPages), std::end(kPages),
                                     [&](const Page& p) { return qstrcmp(p.stock, c.stock) == 0; });
    EXPECT_EQ(target.surface.sheets(), (40 + page.places - 1) / page.places);
    // Label n of the run is carton n, on sheet 1 of a sheet stock, on page n of a roll.
    const int sheet = page.places == 1 ? c.place : 1;
    const QPointF corner =
        c.printed.topLeft() - (c.printable_corner ? c.printable_corner->ToPointF() : QPointF());
    QList<Text> cartons = Printed(QStringLiteral("C/NO. : %1").arg(c.place));
    cartons.removeIf(
        [&](const Text& t) { return t.text != QStringLiteral("C/NO. : %1").arg(c.place); });
    ASSERT_EQ(cartons.size(), 1);
    EXPECT_EQ(cartons[0].page, sheet);
    EXPECT_NEAR(cartons[0].scale, page.scale, 1e-12);
    ExpectNear(QPointF(cartons[0].x, cartons[0].y), corner + kCartonRow * page.scale, name);

    const QRectF expected(corner + picture.topLeft() * page.scale, picture.size() * page.scale);
    int found = 0;
    for (const RecordingSurface::Image& image : target.surface.images()) {
      found += image.page == sheet &&
               (image.rect.topLeft() - expected.topLeft()).manhattanLength() < 1e-6 &&
               (image.rect.size() - expected.size()).isEmpty();
    }
    EXPECT_EQ(found, 1);
  }
}

// A stock of the clerk's own, three across and two down: its page row is one row of three places.
// A row text that runs past its label's edge pushes the next label's text of that row, and the
// rest of the page row, one line down, and the page rows after it on the sheet too; the last label
// alone takes the first place of a page row, the remainder label the place beside it.
TEST_F(PrintRunTest, APageRowOfThreePlacesCarriesARowThatRunsOver) {
  LabelStockTexts texts{QStringLiteral("three"), false, "70", "37", "3", "2", "70", "37", "0", "0"};
  const StockReading reading = ReadStockTexts(texts, {});
  ASSERT_TRUE(reading.stock) << reading.message.toStdString();
  StockFit fit;
  fit.stock = reading.stock;
  fits.printers[QStringLiteral("LABELS")] = fit;
  target.printable = QRectF(0, 0, kA4Page.width(), kA4Page.height());
  SetBlocks({{1, 7, 10, 1}});
  for (int row = 0; row <= model.max_line; ++row) model.blocks[1].blk_array[row] = u"靠左"_qs;
  model.blocks[1].blk_content[12] = QString(49, u'W');
  LoadBlock(model, 1);  // the run stores the block on screen first
  SetRemainder(99, 5);
  ASSERT_TRUE(Print()) << prompter.messages.join(u'\n').toStdString();
  EXPECT_EQ(target.surface.sheets(), 2);

  // The label is 37 mm high and so 37/74.25 of the designed one, centred across its 70 mm place.
  const double scale = 37 / 74.25;
  const double left = (70 - 105 * scale) / 2 * kMm;
  const auto at = [&](int place, double x, int line) {
    const int index = place - 1;
    return QPointF(left + index % 3 * 70 * kMm, index / 3 % 2 * 37 * kMm) +
           QPointF(x, line * 240) * scale;
  };
  const struct {
    QString text;
    int page;
    QPointF where;
  } cases[] = {
      // Labels 1 to 3: each W row begins in column 2 of its label, each one line lower than the
      // one before it.
      {QString(49, u'W'), 1, at(1, 120, 12)},
      {QStringLiteral("C/NO. : 2"), 1, at(2, 120, 4)},
      // The next page row begins two lines lower.
      {QStringLiteral("C/NO. : 4"), 1, at(4, 120, 6)},
      {QStringLiteral("C/NO. : 6"), 1, at(6, 120, 6)},
      // Label 7 alone, then the remainder label beside it: the remainder completes the page row,
      // whose labels take its alignments (none: centred, the keyword rows in column 20).
      {QStringLiteral("C/NO. : 7"), 2, at(1, 19 * 120, 4)},
      {QStringLiteral("C/NO. 99"), 2, at(2, 19 * 120, 4)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.toStdString());
    const QList<Text> printed = Printed(c.text);
    ASSERT_FALSE(printed.isEmpty());
    EXPECT_EQ(printed[0].page, c.page);
    ExpectNear(QPointF(printed[0].x, printed[0].y), c.where, c.text.toStdString());
  }
  const QList<Text> ws = Printed(QString(49, u'W'));
  ASSERT_EQ(ws.size(), 7);  // the remainder's row 13 is empty
  for (int place = 1; place <= 3; ++place) {
    ExpectNear(QPointF(ws[place - 1].x, ws[place - 1].y), at(place, 120, 11 + place), "W");
  }
}
