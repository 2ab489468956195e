#include "preview/preview_drawing.h"

#include <gtest/gtest.h>

#include "model/main_model.h"
#include "model/start_values.h"
#include "print/barcode_painter.h"
#include "support/qt_printers.h"
#include "support/recording_surface.h"
#include "support/temp_folder.h"
#include "support/test_barcodes.h"
#include "support/test_pictures.h"

namespace {

const QString kCentre = QStringLiteral("置中");
const QString kLeft = QStringLiteral("靠左");
const QString kRight = QStringLiteral("靠右");
const QString kOther = QStringLiteral("其他");
const QString kNone;

PreviewLabel EmptyLabel() {
  PreviewLabel label;
  label.l_array.fill(kCentre);
  label.pic_d_left = QStringLiteral("1");
  label.pic_d_top = QStringLiteral("1");
  return label;
}

TEST(DrawPreviewTest, AnEmptyTemplateTakesSixteenLines) {
  RecordingSurface surface;
  surface.SetY(9999);  // a drawing always starts from the top
  DrawPreview(EmptyLabel(), surface);
  EXPECT_TRUE(surface.texts().isEmpty());
  EXPECT_TRUE(surface.images().isEmpty());
  EXPECT_EQ(surface.y(), 16 * 240);
  EXPECT_EQ(surface.x(), 0);
  EXPECT_EQ(surface.font_name(), QStringLiteral("細明體"));
  EXPECT_EQ(surface.font_points(), 12);
  EXPECT_FALSE(surface.font_bold());
}

TEST(DrawPreviewTest, EveryRowStandsOnItsLineAtItsColumn) {
  const struct {
    const char16_t* text;
    const QString& alignment;
    int column;
    RowSize size = RowSize::kNormal;
  } rows[] = {
      {u"LEFT", kLeft, 2},
      {u"ABCDEFGHIJ", kRight, 38},
      {u"R.O.C.", kRight, 42},
      {u"ABCDEFGHIJ", kCentre, 19},
      {u"ABCDEFGHI", kCentre, 20},
      {u"中文中文", kCentre, 16, RowSize::kLarge},  // centred by its doubled width, 16
      {u"MADE IN TAIWAN", kCentre, 17, RowSize::kBold},
      {u"0123456789012345678901234567890123456789012345", kCentre, 1},  // width 46
      {u"P/NO.:", kCentre, 20, RowSize::kLarge},  // the keyword's column whatever its size
      {u"   C/NO.:   ", kCentre, 20},             // still a marked row; its blanks are printed
      {u"p/no.:", kCentre, 21},                   // the markers are upper case only
      {u"Q'TY :          PCS.", kCentre, 14},
      {u"SIZE : 1 x 2", kOther, 14},  // any other word centres
      {u"    ", kCentre, 22},         // blanks count one column each
      {u"G.WT.:", kNone, 14},
      {u"中文中文中文中文中文中文中文中文中文中文中文中文中文", kRight, 1},  // width 52
  };
  static_assert(std::size(rows) == 16);
  PreviewLabel label = EmptyLabel();
  for (int r = 0; r < 16; ++r) {
    label.l_content[r] = QString::fromUtf16(rows[r].text);
    label.l_array[r] = rows[r].alignment;
    label.l_size[r] = rows[r].size;
  }
  RecordingSurface surface;
  DrawPreview(label, surface);
  ASSERT_EQ(surface.texts().size(), 16);
  for (int r = 0; r < 16; ++r) {
    const RecordingSurface::Text& text = surface.texts()[r];
    EXPECT_EQ(text.text, label.l_content[r]) << "row " << r;
    EXPECT_EQ(text.line, r) << "row " << r;
    EXPECT_EQ(text.column, rows[r].column) << "row " << r;
    EXPECT_EQ(text.bold, rows[r].size == RowSize::kBold) << "row " << r;
    EXPECT_EQ(text.magnification, rows[r].size == RowSize::kLarge ? 2 : 1) << "row " << r;
  }
  EXPECT_EQ(surface.y(), 16 * 240);
  EXPECT_EQ(PreviewDepth(label), 16 * 240);
  // A 放大 last row reaches a line below the sixteen.
  label.l_size[15] = RowSize::kLarge;
  EXPECT_EQ(PreviewDepth(label), 17 * 240);
}

TEST(PreviewColumnTest, AlignmentWordsAreTrimmedAndTooWideRowsGoBelowOne) {
  EXPECT_EQ(PreviewColumn(QStringLiteral("X"), QStringLiteral(" 靠左 ")), 2);
  EXPECT_EQ(PreviewColumn(QString(50, u'X'), kRight), -2);
  EXPECT_EQ(PreviewColumn(QString(50, u'X'), kCentre), 0);
  EXPECT_EQ(PreviewColumn(QString(), kCentre), 24);
}

TEST(PreviewPictureRectTest, MillimetresBecomeTwips) {
  const struct {
    const char* size;
    const char* left;
    const char* top;
    int natural_width, natural_height;
    bool drawn;
    QRectF rect;
  } cases[] = {
      {"50", "1", "1", 2000, 1000, true, {57, 57, 2880, 1440}},
      {"10.5", "1", "1", 2000, 1000, true, {57, 57, 605, 302}},
      {"50mm", " 2.5", "0", 1000, 1000, true, {144, 0, 2880, 2880}},
      {"20", "-1", "", 1000, 1000, true, {-57, 0, 1152, 1152}},
      {"", "1", "1", 2000, 1000, false, {}},       // no width
      {"-5", "1", "1", 2000, 1000, false, {}},     // no sensible width
      {"600", "1", "1", 2000, 1000, false, {}},    // 34560 twips
      {"50", "1000", "1", 2000, 1000, false, {}},  // 57600 twips
      {"50", "1", "-600", 2000, 1000, false, {}},
      {"50", "1", "1", 0, 1000, false, {}},      // a picture without width
      {"50", "1", "1", 40000, 1000, false, {}},  // natural size beyond 16 bits
      {"50", "1", "1", 1000, 40000, false, {}},
  };
  for (const auto& c : cases) {
    PreviewLabel label = EmptyLabel();
    label.pic_size = QLatin1String(c.size);
    label.pic_d_left = QLatin1String(c.left);
    label.pic_d_top = QLatin1String(c.top);
    const auto rect = PreviewPictureRect(label, c.natural_width, c.natural_height);
    ASSERT_EQ(rect.has_value(), c.drawn) << c.size << " " << c.left << " " << c.top;
    if (!c.drawn) continue;
    EXPECT_EQ(*rect, c.rect) << c.size << " " << c.left << " " << c.top;
  }
}

TEST(DrawPreviewTest, DrawsThePictureFromItsFileAfterTheRows) {
  TempFolder folder;
  const QString path = folder.File(QStringLiteral("logo.bmp"));
  ASSERT_TRUE(test_pictures::Write(path, 100, 50));  // 2646 × 1323
  PreviewLabel label = EmptyLabel();
  label.l_content[0] = QStringLiteral("MADE IN TAIWAN");
  label.pic_file_name = path;
  label.pic_size = QStringLiteral("50");

  RecordingSurface surface;
  DrawPreview(label, surface);
  ASSERT_EQ(surface.images().size(), 1);
  EXPECT_EQ(surface.images()[0].rect, QRectF(57, 57, 2880, 1440));
  EXPECT_EQ(surface.texts().size(), 1);
  EXPECT_EQ(surface.y(), 16 * 240);

  // A picture that cannot be loaded is left out; the rows stay.
  for (const QString& bad : {folder.File(QStringLiteral("gone.png")), folder.path()}) {
    label.pic_file_name = bad;
    RecordingSurface again;
    DrawPreview(label, again);
    EXPECT_TRUE(again.images().isEmpty());
    EXPECT_EQ(again.texts().size(), 1);
  }
}

TEST(DrawPreviewTest, DrawsTheBarcodeOfASampleLabelFromTheFieldsOnScreen) {
  MainModel model;
  SetStartValues(model);
  model.l_start = QStringLiteral("17");
  model.l_p_start_text = QStringLiteral("3");
  model.barcode = TestBarcode(BarcodeKind::kCode128, QStringLiteral("B{B} P{P} C{C}"));
  const PreviewLabel label = PreviewLabel::Of(model);
  EXPECT_EQ(label.barcode_content, QStringLiteral("B1 P3 C17"));

  RecordingSurface surface;
  DrawPreview(label, surface);
  RecordingSurface expected;
  ASSERT_TRUE(DrawBarcode(expected, model.barcode, QStringLiteral("B1 P3 C17"), 0, 0));
  EXPECT_EQ(surface.shapes(), expected.shapes());
  EXPECT_EQ(surface.texts(), expected.texts());  // the human-readable line

  // A carton the SSCC cannot hold: nothing to draw, without a word.
  model.l_start = QStringLiteral("-1");
  model.barcode.kind = BarcodeKind::kSscc;
  EXPECT_EQ(PreviewLabel::Of(model).barcode_content, QString());
}

}  // namespace
