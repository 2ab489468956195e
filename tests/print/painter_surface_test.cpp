#include "print/painter_surface.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

#include "model/display_width.h"
#include "model/fonts.h"
#include "model/main_model.h"
#include "model/start_values.h"
#include "print/label_renderer.h"
#include "print/paged_surface.h"
#include "support/temp_folder.h"

namespace {

constexpr int kDpi = 600;
constexpr double kDotsPerMeter = kDpi / 0.0254;

QImage Blank() {
  QImage image(80 * kDpi / 12, kDpi / 2, QImage::Format_RGB32);
  image.setDotsPerMeterX(qRound(kDotsPerMeter));
  image.setDotsPerMeterY(qRound(kDotsPerMeter));
  image.fill(Qt::white);
  return image;
}

// The text drawn one character at a time, each in its cells: what the surface must look like. A
// 放大 row's characters are the font at twice its size in cells twice as wide.
QImage CellByCell(const QString& family, const QString& text, RowSize size = RowSize::kNormal) {
  QImage image = Blank();
  QPainter painter(&image);
  QFont font(family);
  font.setPointSizeF(12 * Magnification(size));
  font.setBold(IsBold(size));
  font.setKerning(false);
  painter.setFont(font);
  const double cell = kDpi / 12.0 * Magnification(size);  // 120 twips a column
  const double baseline = QFontMetricsF(painter.font(), &image).ascent();
  double left = 0;
  for (const QChar c : text) {
    if (c != u' ') painter.drawText(QPointF(left, baseline), QString(c));
    left += cell * CharWidth(c.unicode());
  }
  return image;
}

QImage ThroughSurface(const QString& family, const QString& text, RowSize size = RowSize::kNormal) {
  QImage image = Blank();
  QPainter painter(&image);
  PainterSurface surface(painter, 5760);
  surface.SetFont(family, 12);
  surface.SetBold(IsBold(size));
  surface.SetMagnification(Magnification(size));
  surface.PrintAtColumn(1, text, false);
  return image;
}

int Count(const QByteArray& pdf, const char* pattern) {
  return int(QString::fromLatin1(pdf).count(QRegularExpression(QString::fromLatin1(pattern))));
}

}  // namespace

TEST(PainterSurface, RunsOfCharactersLandInTheirCells) {
  // The Ming font's characters fit their cells exactly and go out in runs; a proportional font's
  // do not and go out one by one. Either way every character stands in its own cells.
  const QString text = QStringLiteral("Q'TY :   1 PCS. 台灣製造 (R.O.C.) iiWW");
  for (const QString& family : {kMingFont, QStringLiteral("DejaVu Sans")}) {
    for (const RowSize size : kRowSizes) {
      SCOPED_TRACE(family.toStdString() + " " + RowSizeWord(size).toStdString());
      EXPECT_EQ(ThroughSurface(family, text, size), CellByCell(family, text, size));
    }
  }
}

TEST(PainterSurface, AFontTakenUpAgainDrawsAsTheFirstTime) {
  const QString text = QStringLiteral("C/NO. : 12 台灣");
  QImage image = Blank();
  {
    QPainter painter(&image);
    PainterSurface surface(painter, 5760);
    // The grid font, the small font of a barcode's text, the grid font again; the first two far
    // below the image.
    surface.SetFont(kMingFont, 12);
    surface.DrawTextAt(0, 5000, QStringLiteral("X"));
    surface.SetFont(kMingFont, 8, true);
    surface.DrawTextAt(0, 5000, QStringLiteral("1234"));
    surface.SetFont(kMingFont, 12);
    surface.DrawTextAt(0, 0, text);
  }
  EXPECT_EQ(image, ThroughSurface(kMingFont, text));
}

TEST(PagedSurface, PdfGetsNoEmptyPageAndThePictureOnce) {
  TempFolder folder;
  QImage logo(200, 100, QImage::Format_RGB32);
  logo.fill(Qt::darkGreen);
  ASSERT_TRUE(logo.save(folder.File(QStringLiteral("logo.png"))));
  MainModel model;
  model.work_dir = folder.path();
  SetStartValues(model);
  model.pic_file_name = folder.File(QStringLiteral("logo.png"));
  model.pic_size = QStringLiteral("20");

  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(1200);
    writer.setPageSize(QPageSize(QPageSize::A4));
    PagedSurface surface(writer);
    surface.SetFont(kMingFont, 12);
    PageRow row(2);
    row.alignment_block = {1, 1};
    row.has_label = {true, true};
    PictureCache pictures;
    // Two sheets of four page rows, with the new page after the last one the run asks for.
    for (int page_row = 0; page_row < 8; ++page_row) {
      row.texts[0][0] = QStringLiteral("ROW %1").arg(page_row);
      PrintLabel(surface, model, row, pictures);
      if (page_row % 4 == 3) {
        surface.NewPage();
      } else {
        surface.SetY(surface.y() + 330);
      }
    }
    surface.EndDocument();
    EXPECT_FALSE(surface.failed());
  }
  const QByteArray pdf = buffer.data();
  EXPECT_EQ(Count(pdf, "/Type\\s*/Page\\b"), 2);
  EXPECT_EQ(Count(pdf, "/Subtype\\s*/Image"), 1);
}

TEST(PagedSurface, NothingDrawnOpensNoDocument) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  PagedSurface surface(writer);
  surface.NewPage();
  surface.PrintAtColumn(5, QString(), true);
  surface.EndDocument();
  EXPECT_FALSE(surface.begun());
  EXPECT_TRUE(buffer.data().isEmpty());
}

TEST(PainterSurface, ShapesAndFreeTextLandWhereTheirTwipsSay) {
  QImage image = Blank();  // 600 dpi: 1 twip = 600/1440 pixel
  {
    QPainter painter(&image);
    PainterSurface surface(painter, 5760);
    surface.SetFont(kMingFont, 12);
    surface.SetX(240);
    surface.SetY(480);
    // A bar 1440 × 72 twips from (144, 0) and a hair line across the bottom third.
    surface.FillRect(QRectF(144, 0, 1440, 72));
    surface.DrawLine(QLineF(0, 300, 2880, 300), 24);
    // Bars in one go, right of the digit; the digit after them still has its pen.
    surface.FillRects({QRectF(3600, 0, 72, 240), QRectF(3744, 0, 144, 240)});
    surface.DrawTextAt(2880, 0, QStringLiteral("8"));
    EXPECT_EQ(surface.x(), 240);  // free text and shapes leave the print position alone
    EXPECT_EQ(surface.y(), 480);
  }
  const auto dark = [&](double x_twips, double y_twips) {
    return qGray(image.pixel(int(x_twips * kDpi / 1440), int(y_twips * kDpi / 1440))) < 128;
  };
  EXPECT_TRUE(dark(150, 10));
  EXPECT_TRUE(dark(1570, 60));
  EXPECT_FALSE(dark(130, 10));
  EXPECT_FALSE(dark(1600, 10));
  EXPECT_FALSE(dark(150, 90));
  EXPECT_TRUE(dark(2000, 300));
  EXPECT_FALSE(dark(2000, 330));
  EXPECT_TRUE(dark(3636, 120));
  EXPECT_FALSE(dark(3708, 120));
  EXPECT_TRUE(dark(3870, 200));
  EXPECT_FALSE(dark(3910, 120));
  bool digit_drawn = false;
  for (int x = 2880; x < 3000 && !digit_drawn; x += 4) {
    for (int y = 0; y < 240 && !digit_drawn; y += 4) digit_drawn = dark(x, y);
  }
  EXPECT_TRUE(digit_drawn);
}
