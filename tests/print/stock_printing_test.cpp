// Runs printed on every stock: each label the label as designed, scaled and centred in its place
// as the table of stocks (support/stock_places.h) has it, and a page row of three places that
// carries a row which runs over, as the A4 sheet's page row of two does.

#include <gtest/gtest.h>

#include <QImage>

#include "print/print_run_fixture.h"
#include "stock/stock_input.h"
#include "support/stock_places.h"
#include "support/test_geometry.h"

namespace {

using namespace stock_places;

void ExpectAt(const Text& text, const QPointF& expected) {
  EXPECT_NEAR(text.x, expected.x(), 1e-6) << text.text.toStdString();
  EXPECT_NEAR(text.y, expected.y(), 1e-6) << text.text.toStdString();
}

}  // namespace

// The worked example's forty labels with a picture, on each stock of the table, on a printer or
// into a PDF file: the carton number and the picture of the table's label stand where that label
// is printed, at the stock's scale, on its sheet; nothing lies outside.
TEST_F(PrintRunTest, EveryStockPrintsTheSameLabelScaledInItsPlaces) {
  SetBlocks({{1, 25, 10, 1}, {26, 40, 10, 4, "Yes"}});
  model.pic_file_name = folder.File(QStringLiteral("logo.png"));
  QImage(40, 20, QImage::Format_RGB32).save(model.pic_file_name);
  model.pic_size = QStringLiteral("10");
  model.pic_d_left = QStringLiteral("30");
  const MainModel job = model;
  // On the label grid: the carton number's keyword row 5 at column 20, and the picture 10 mm wide
  // (57.6 twips a millimetre) 30 mm and 1 mm in.
  const QPointF carton_row(19 * 120, 4 * 240);
  const QRectF picture(1728, 57, 576, 288);

  for (const Place& c : kPlaces) {
    SCOPED_TRACE(std::string(c.stock) + " place " + std::to_string(c.place) +
                 (c.printable_corner ? " printer" : " pdf"));
    Reset();
    model = job;
    StockFit fit;
    fit.stock = test_geometry::Stock(c.stock);
    fits = PrinterFits{{{QStringLiteral("LABELS"), fit}}, fit};
    QPointF origin;  // the print's (0, 0) on the paper
    if (c.printable_corner) {
      origin = c.printable_corner->ToPointF();
      target.printable = QRectF(origin, fit.stock->page.ToSizeF() - QSizeF(2 * origin.x(), 0));
    } else {
      target.has_printer = false;
      target.pdf_answer = QStringLiteral("labels.pdf");
      prompter.answers = {true};
    }
    ASSERT_TRUE(Print()) << prompter.messages.join(u'\n').toStdString();
    EXPECT_TRUE(prompter.warnings.isEmpty());

    const Page& page = PageOf(c.stock);
    EXPECT_EQ(target.surface.sheets(), (40 + page.places - 1) / page.places);
    // Label n of the run is carton n: on sheet 1 of a sheet stock, on page n of a roll.
    const int sheet = page.places == 1 ? c.place : 1;
    const QPointF corner = PrintedLabel(c).topLeft() - origin;
    const QString carton = QStringLiteral("C/NO. : %1").arg(c.place);
    const QList<Text> printed = Printed(carton);
    const auto found = std::find_if(printed.begin(), printed.end(),
                                    [&](const Text& t) { return t.text == carton; });
    ASSERT_NE(found, printed.end());
    EXPECT_EQ(found->page, sheet);
    EXPECT_NEAR(found->scale, page.scale, 1e-12);
    ExpectAt(*found, corner + carton_row * page.scale);
    const QRectF drawn(corner + picture.topLeft() * page.scale, picture.size() * page.scale);
    EXPECT_EQ(std::count_if(target.surface.images().begin(), target.surface.images().end(),
                            [&](const RecordingSurface::Image& image) {
                              return image.page == sheet && image.rect == drawn;
                            }),
              1);
  }
}

// A stock of the clerk's own, three across and two down, whose page row is one row of three
// places: a row text that runs past its label's edge pushes the next label's text of that row one
// line down, and the rest of the page row and the page rows after it; the last label alone takes
// the first place of a page row, the remainder label the place beside it.
TEST_F(PrintRunTest, APageRowOfThreePlacesCarriesARowThatRunsOver) {
  const StockReading three = ReadStockTexts(
      {QStringLiteral("three"), false, "70", "37", "3", "2", "70", "37", "0", "0"}, {});
  ASSERT_TRUE(three.stock) << three.message.toStdString();
  fits.printers[QStringLiteral("LABELS")].stock = three.stock;
  target.printable = QRectF(QPointF(), kA4Page);
  SetBlocks({{1, 7, 10, 1}});
  for (QString& alignment : model.blocks[1].blk_array) alignment = QStringLiteral("靠左");
  model.blocks[1].blk_content[12] = QString(49, u'W');
  LoadBlock(model, 1);  // the run stores the block on screen first
  SetRemainder(99, 5);
  ASSERT_TRUE(Print()) << prompter.messages.join(u'\n').toStdString();
  EXPECT_EQ(target.surface.sheets(), 2);

  // A label 37 mm high: 37/74.25 of the designed one, centred across its 70 mm place.
  const double scale = 37 / 74.25;
  const auto at = [&](int place, int column, int line) {
    return QPointF((place - 1) % 3 * 70 * kMm + (70 - 105 * scale) / 2 * kMm,
                   (place - 1) / 3 * 37 * kMm) +
           QPointF((column - 1) * 120, line * 240) * scale;
  };
  const QList<Text> ws = Printed(QString(49, u'W'));
  ASSERT_EQ(ws.size(), 7);  // the remainder's row 13 is empty
  for (int place = 1; place <= 3; ++place) ExpectAt(ws[place - 1], at(place, 2, 11 + place));
  // The second page row begins two lines lower.
  ExpectAt(Printed(QStringLiteral("C/NO. : 2"))[0], at(2, 2, 4));
  ExpectAt(Printed(QStringLiteral("C/NO. : 6"))[0], at(6, 2, 6));
  // Label 7 alone, the remainder label beside it: the remainder completes their page row, which
  // takes its alignments (none: centred, the keyword rows in column 20).
  for (const auto& [text, place] : {std::pair{u"C/NO. : 7"_qs, 1}, std::pair{u"C/NO. 99"_qs, 2}}) {
    const Text printed = Printed(text)[0];
    EXPECT_EQ(printed.page, 2);
    ExpectAt(printed, at(place, 20, 4));
  }
}
