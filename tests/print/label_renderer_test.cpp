#include "print/label_renderer.h"

#include <gtest/gtest.h>

#include <QImage>

#include "model/main_model.h"
#include "model/start_values.h"
#include "support/qt_printers.h"
#include "support/recording_surface.h"
#include "support/temp_folder.h"

namespace {

using Text = RecordingSurface::Text;

// A page row of two labels of block 1.
PageRow TwoLabels() {
  PageRow row(2);
  row.alignment_block = {1, 1};
  row.has_label = {true, true};
  return row;
}

class LabelRendererTest : public testing::Test {
 protected:
  LabelRendererTest() {
    model.work_dir = folder.path();
    SetStartValues(model);
    for (int row = 0; row < MainModel::kRows; ++row) {
      model.blocks[1].blk_array[row] = QStringLiteral("置中");
    }
    surface.SetFont(QStringLiteral("細明體"), 12);
  }

  void Fill(int row, const QString& left, const QString& right = {}) {
    page_row.texts[row][0] = left;
    page_row.texts[row][1] = right;
  }

  QString Logo(int width = 200, int height = 100) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    const QString path = folder.File(QStringLiteral("logo%1.png").arg(width));
    image.save(path);
    return path;
  }

  void Print() { PrintLabel(surface, model, page_row, pictures); }

  TempFolder folder;
  MainModel model;
  PageRow page_row = TwoLabels();
  PictureCache pictures;
  RecordingSurface surface{11520};
};

}  // namespace

TEST(StartColumn, ByAlignmentAndKeyword) {
  const QString kCentre = QStringLiteral("置中");
  const struct {
    QString text;
    QString alignment;
    int left;  // column on the left label; the right label's is 48 further
  } cases[] = {
      {QStringLiteral("MADE IN TAIWAN"), kCentre, 17},
      {QStringLiteral("P/NO. : 12345"), kCentre, 20},
      {QStringLiteral("C/NO. : 7"), kCentre, 20},
      {QStringLiteral("P/NO.:"), kCentre, 20},
      {QStringLiteral("p/no.:"), kCentre, 21},  // not a keyword: centred by its width
      {QStringLiteral("Q'TY :          PCS."), kCentre, 14},
      {QStringLiteral("SIZE : 40 x 30 x 25 CM"), kCentre, 14},
      {QStringLiteral("G.WT.:"), kCentre, 14},
      {QStringLiteral("N.WT.: 12.5 KGS."), kCentre, 14},
      {QStringLiteral("SIZE: 1"), kCentre, 21},  // the keyword needs its blank
      {QStringLiteral("台灣製造公"), kCentre, 19},
      {QString(), kCentre, 24},
      {QStringLiteral("R.O.C."), QString(), 21},  // any other word centres
      {QStringLiteral("R.O.C."), QStringLiteral(" 靠右"), 21},
      {QStringLiteral("R.O.C."), QStringLiteral("靠右"), 42},
      {QStringLiteral("台灣"), QStringLiteral("靠右"), 44},
      {QStringLiteral("P/NO. : 3"), QStringLiteral("靠右"), 39},
      {QStringLiteral("anything at all"), QStringLiteral("靠左"), 2},
      {QString(50, u'W'), QStringLiteral("靠右"), -2},  // printed at column 1
      {QString(52, u'W'), kCentre, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.toStdString() + " " + c.alignment.toStdString());
    EXPECT_EQ(StartColumn(c.text, c.alignment, 0, 48), c.left);
    EXPECT_EQ(StartColumn(c.text, c.alignment, 48, 48), c.left + 48);
  }
}

TEST_F(LabelRendererTest, SixteenRowsOnSixteenLinesAndTheBufferEmptied) {
  model.blocks[1].blk_array[2] = QStringLiteral("靠左");
  model.blocks[1].blk_array[15] = QStringLiteral("靠右");
  Fill(0, QStringLiteral("MADE IN TAIWAN"), QStringLiteral("MADE IN TAIWAN"));
  Fill(2, QStringLiteral("L"), QStringLiteral("R"));
  Fill(15, QStringLiteral("R.O.C."));  // the right half of this row stays empty
  Print();

  const QList<Text> expected{
      {1, 0, 17, QStringLiteral("MADE IN TAIWAN"), 1920, 0},
      {1, 0, 65, QStringLiteral("MADE IN TAIWAN"), 7680, 0},
      {1, 2, 2, QStringLiteral("L"), 120, 480},
      {1, 2, 50, QStringLiteral("R"), 5880, 480},
      {1, 15, 42, QStringLiteral("R.O.C."), 4920, 3600},
  };
  EXPECT_EQ(surface.texts(), expected);
  // The empty right-hand text of the last row still moved the position to its column.
  EXPECT_DOUBLE_EQ(surface.x(), (96 - 1) * 120);
  EXPECT_DOUBLE_EQ(surface.y(), 3600);
  for (const auto& row : page_row.texts) {
    EXPECT_TRUE(row[0].isEmpty() && row[1].isEmpty());
  }
}

TEST_F(LabelRendererTest, EachHalfTakesTheAlignmentsOfItsOwnBlock) {
  model.blocks[2].blk_array[0] = QStringLiteral("靠右");
  page_row.alignment_block = {1, 2};
  Fill(0, QStringLiteral("R.O.C."), QStringLiteral("R.O.C."));
  Print();
  ASSERT_EQ(surface.texts().size(), 2);
  EXPECT_EQ(surface.texts()[0].column, 21);
  EXPECT_EQ(surface.texts()[1].column, 90);
}

TEST_F(LabelRendererTest, LongLeftTextPushesTheRestOfThePageRowOneLineDown) {
  model.blocks[1].blk_array[4] = QStringLiteral("靠左");
  Fill(4, QString(49, u'X'), QStringLiteral("right"));  // left ends in column 51, past 50
  Fill(5, QStringLiteral("five"), QStringLiteral("five"));
  Print();
  ASSERT_EQ(surface.texts().size(), 4);
  EXPECT_EQ(surface.texts()[0].line, 4);
  EXPECT_EQ(surface.texts()[1].line, 5);
  EXPECT_EQ(surface.texts()[1].column, 50);
  EXPECT_EQ(surface.texts()[2].line, 6);
  EXPECT_EQ(surface.texts()[3].line, 6);
  EXPECT_DOUBLE_EQ(surface.y(), 16 * 240);
}

// Row 5 of both labels in a size, and "five" on the left label's row 6 after it: where and how
// each prints. A 放大 row is aligned by its doubled width, keeps a keyword's fixed column, starts
// on its own line and leaves the next row on the next line, over which it reaches; running past
// its label it pushes the rest of the page row down.
TEST_F(LabelRendererTest, EachRowPrintsInItsSizeWhereItsAlignmentPutsIt) {
  const QString kCentre = QStringLiteral("置中");
  const struct {
    QString text;
    QString alignment;
    RowSize size;
    int left_column;  // the right label's is 48 further
    int right_line;
    int five_line;
  } cases[] = {
      {QStringLiteral("MADE IN TAIWAN"), kCentre, RowSize::kNormal, 17, 4, 5},
      {QStringLiteral("MADE IN TAIWAN"), kCentre, RowSize::kBold, 17, 4, 5},
      {QStringLiteral("MADE IN TAIWAN"), kCentre, RowSize::kLarge, 10, 4, 5},
      {QStringLiteral("P/NO. : 12"), kCentre, RowSize::kLarge, 20, 4, 5},
      {QStringLiteral("Q'TY : 50 PCS."), kCentre, RowSize::kLarge, 14, 4, 5},
      {QStringLiteral("R.O.C."), QStringLiteral("靠右"), RowSize::kLarge, 36, 4, 5},
      {QStringLiteral("台灣製造"), QStringLiteral("靠右"), RowSize::kBold, 40, 4, 5},
      {QStringLiteral("台灣製造"), QStringLiteral("靠左"), RowSize::kLarge, 2, 4, 5},
      // 48 columns from column 2 end on the right label's first column: nothing moves.
      {QString(24, u'X'), QStringLiteral("靠左"), RowSize::kLarge, 2, 4, 5},
      {QString(25, u'X'), QStringLiteral("靠左"), RowSize::kLarge, 2, 5, 6},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.toStdString() + " " + RowSizeWord(c.size).toStdString());
    RecordingSurface surface{11520};
    surface.SetFont(QStringLiteral("細明體"), 12);
    model.blocks[1].blk_array[4] = c.alignment;
    model.blocks[1].blk_size[4] = c.size;
    page_row.size_block = {1, 1};
    Fill(4, c.text, c.text);
    Fill(5, QStringLiteral("five"));
    PrintLabel(surface, model, page_row, pictures);

    const bool bold = c.size == RowSize::kBold;
    const int magnification = c.size == RowSize::kLarge ? 2 : 1;
    const QList<Text> expected{
        {1, 4, c.left_column, c.text, (c.left_column - 1) * 120.0, 960, 1, bold, magnification},
        {1, c.right_line, c.left_column + 48, c.text, (c.left_column + 47) * 120.0,
         c.right_line * 240.0, 1, bold, magnification},
        {1, c.five_line, 22, QStringLiteral("five"), 21 * 120, c.five_line * 240.0},
    };
    EXPECT_EQ(surface.texts(), expected);
    // The rows after it print in the grid's own size again.
    EXPECT_FALSE(surface.font_bold());
    EXPECT_EQ(surface.magnification(), 1);
  }
}

TEST_F(LabelRendererTest, PictureOnEachLabel) {
  // 200 × 100 pixels: 5292 × 2646 hundredths of a millimetre.
  const QString logo = Logo();
  const struct {
    const char* size;
    const char* left;
    const char* top;
    double y_before;  // the print position's y before the page row
    QList<QRectF> rects;
    bool right_label = true;
  } cases[] = {
      // W = 30 × 57.6 = 1728; H = Fix(1728 / 5292 × 2646), just below 864 in floating point.
      {"30", "5", "2", 0, {{288, 115, 1728, 863}, {6048, 115, 1728, 863}}},
      {"30mm", " 5 ", "2.0x", 0, {{288, 115, 1728, 863}, {6048, 115, 1728, 863}}},
      // 10.5 × 57.6 = 604.8 rounds to 605; H = Fix(302.5) = 302.
      {"10.5", "", "", 4170, {{0, 4170, 605, 302}, {5760, 4170, 605, 302}}},
      // A picture of no width has nothing to show; one of negative width would come out mirrored.
      {"", "1", "1", 0, {}},
      {"-10", "-1", "-1", 0, {}},
      // A half without a label gets no picture.
      {"30", "5", "2", 0, {{288, 115, 1728, 863}}, false},
      // Picture steps that cannot finish end quietly, keeping what was drawn.
      {"600", "0", "0", 0, {}},                        // W beyond 16 bits
      {"30", "500", "0", 0, {{28800, 0, 1728, 863}}},  // X2 beyond 16 bits
      {"30", "600", "0", 0, {}},                       // X1 beyond 16 bits
      {"30", "0", "520", 3000, {}},                    // Y beyond 16 bits
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.size) + " " + c.left + " " + c.top);
    surface = RecordingSurface(11520);
    surface.SetY(c.y_before);
    model.pic_file_name = logo;
    model.pic_size = QString::fromLatin1(c.size);
    model.pic_d_left = QString::fromLatin1(c.left);
    model.pic_d_top = QString::fromLatin1(c.top);
    page_row.has_label = {true, c.right_label};
    Fill(0, QStringLiteral("A"));
    Print();
    QList<QRectF> rects;
    for (const auto& image : surface.images()) rects << image.rect;
    EXPECT_EQ(rects, c.rects);
    EXPECT_EQ(surface.texts().size(), 1);
  }
  EXPECT_EQ(pictures.decoded(), 1);
}

TEST_F(LabelRendererTest, PicturesThatCannotBeDrawnAreLeftOut) {
  folder.Write(QStringLiteral("broken.png"), "not a picture");
  const QString cases[] = {
      folder.File(QStringLiteral("missing.png")),
      folder.File(QStringLiteral("broken.png")),
      Logo(1239, 10),  // 32782 hundredths of a millimetre: beyond 16 bits
      QString(),
  };
  model.pic_size = QStringLiteral("30");
  for (const QString& file : cases) {
    SCOPED_TRACE(file.toStdString());
    surface = RecordingSurface(11520);
    model.pic_file_name = file;
    Fill(0, QStringLiteral("A"));
    Print();
    Fill(0, QStringLiteral("A"));
    Print();
    EXPECT_TRUE(surface.images().isEmpty());
    EXPECT_EQ(surface.texts().size(), 2);
  }
  // Each file was read once, however often it was asked for.
  EXPECT_EQ(pictures.decoded(), 3);
}
