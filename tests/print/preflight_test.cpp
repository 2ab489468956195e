// The preflight's kinds as one table: each case a job (the worked example with a change), the
// printable area it is printed on, and the items the preflight lists, in their order and words.
// Then the claim the run's symbol cache rests on: a symbol's size depends only on its content's
// shape.

#include "print/preflight.h"

#include <gtest/gtest.h>

#include <QDir>
#include <functional>

#include "barcode/barcode_content.h"
#include "barcode/barcode_symbol.h"
#include "model/main_model.h"
#include "print/print_target.h"
#include "print/run_plan.h"
#include "print/symbol_shapes.h"
#include "support/temp_folder.h"
#include "support/test_barcodes.h"
#include "support/test_geometry.h"
#include "support/test_pictures.h"
#include "support/worked_example.h"

namespace {

// The generic PDF printer's A4 printable area, in twips.
const QSizeF kPdfArea(11186, 15398);

TEST(Preflight, EachKindIsOneItemWithItsPlaceAndAmount) {
  TempFolder folder;
  const QString logo = folder.File(QStringLiteral("logo.png"));
  ASSERT_TRUE(test_pictures::Write(logo, 40, 20));
  const QString not_a_picture = folder.File(QStringLiteral("notes.png"));
  folder.Write(QStringLiteral("notes.png"), "not a picture");
  const auto picture = [&](const QString& path, const char* left, const char* top) {
    return [=](MainModel& m) {
      m.pic_file_name = path;
      m.pic_size = QStringLiteral("10");
      m.pic_d_left = QString::fromLatin1(left);
      m.pic_d_top = QString::fromLatin1(top);
    };
  };
  const struct {
    const char* what;
    std::function<void(MainModel&)> job;
    QSizeF printable;
    QPointF offset;  // the printer's
    QStringList items;
    PrinterPaper printer = {};  // what the printer says of its paper
  } cases[] = {
      {"nothing wrong", [](MainModel&) {}, kPdfArea, {}, {}},
      {"a last line below the area, on every sheet",
       [](MainModel& m) {
         for (int block : {1, 2}) m.blocks[block].blk_content[15] = QStringLiteral("FRAGILE");
       },
       kPdfArea,
       {},
       {"第 4 排左邊的標籤的第 16 行, 全部 5 張都超出下緣 16.8 公釐",
        "第 4 排右邊的標籤的第 16 行, 全部 5 張都超出下緣 16.8 公釐"}},
      {"a printer's offset that moves the first lines above the area",
       [](MainModel&) {},
       kPdfArea,
       QPointF(0, -150),
       {"第 1 排左邊的標籤的第 1 行, 全部 5 張都超出上緣 2.6 公釐",
        "第 1 排右邊的標籤的第 1 行, 全部 5 張都超出上緣 2.6 公釐"}},
      {"a printer whose area is not known: nothing said about it",
       [](MainModel&) {},
       QSizeF(),
       QPointF(0, -150),
       {}},
      {"a picture that is not there",
       picture(folder.File(QStringLiteral("gone.png")), "0", "0"),
       kPdfArea,
       {},
       {QStringLiteral("圖片檔「%1」找不到, 標籤上不會印出圖片")
            .arg(folder.File(QStringLiteral("gone.png")))}},
      {"a picture that is a folder",
       picture(folder.path(), "0", "0"),
       kPdfArea,
       {},
       {QStringLiteral("圖片檔「%1」不是一般的檔案, 標籤上不會印出圖片").arg(folder.path())}},
      {"a picture file that is no picture",
       picture(not_a_picture, "0", "0"),
       kPdfArea,
       {},
       {QStringLiteral("圖片檔「%1」不是看得懂的圖片, 標籤上不會印出圖片").arg(not_a_picture)}},
      // 45 mm in and 17 mm down, 10 × 5 mm: over "NO. :" of the carton number's line, whose
      // blank before the number it reaches is left out.
      {"a picture over the characters of a line",
       picture(logo, "45", "17"),
       kPdfArea,
       {},
       {"每張標籤的圖片都蓋住第 5 行的「NO. :」"}},
      // The bars of "1", 2.2 mm past 38 mm, end just before the number of the lines they cover.
      {"a barcode over two lines and over the picture",
       [&](MainModel& m) {
         picture(logo, "45", "12")(m);
         m.barcode = TestBarcode(BarcodeKind::kCode128);
         m.barcode.left_mm = 38;
       },
       kPdfArea,
       {},
       {"每張標籤的圖片都蓋住第 4 行的「NO. :」", "每張標籤的圖片都蓋住第 5 行的「NO. :」",
        "每張標籤的條碼都蓋住第 4 行的「P/NO. :」", "每張標籤的條碼都蓋住第 5 行的「C/NO. :」",
        "每張標籤的圖片和條碼都疊在一起"}},
      // What the printer says of its paper, against the stock's A4 page. The print system gives A4
      // in whole points.
      {"a printer set up for A4 in whole points",
       [](MainModel&) {},
       kPdfArea,
       {},
       {},
       PrinterPaper{QSizeF(11900, 16840), std::nullopt}},
      {"a printer set up for 4 × 6 in labels",
       [](MainModel&) {},
       kPdfArea,
       {},
       {"標籤紙 a4-8 的一頁是 210.0 × 297.0 公釐, 但印表機設定的紙是 101.6 × 152.4 公釐"},
       PrinterPaper{QSizeF(5760, 8640), std::nullopt}},
      {"a printer 8 inches wide at most",
       [](MainModel&) {},
       kPdfArea,
       {},
       {"標籤紙 a4-8 的一頁是 210.0 × 297.0 公釐, 比印表機能印的最大的紙 203.2 × 1270.0 公釐還大, "
        "印出來會被切掉"},
       PrinterPaper{QSizeF(5760, 8640), QSizeF(11520, 72000)}},
      // Block 1's pallet number 放大 reaches over its carton number on every label of the block.
      {"a 放大 row over a row with text",
       [](MainModel& m) { m.blocks[1].blk_size[3] = RowSize::kLarge; },
       kPdfArea,
       {},
       {"第 1 區段第 4 行的放大字會蓋住第 5 行的「C/NO. : 1」 (共 25 張標籤)"}},
      // 29 columns of text take 58 of the label's 48 when 放大: printed from column 1, they end
      // 10 columns past its right edge. 粗體 keeps the text inside. (On a printer whose area
      // holds the whole run: the right-hand labels' rows would leave the A4 area too.)
      {"a 放大 row past its label's edge",
       [](MainModel& m) {
         m.blocks[2].blk_content[10] = QStringLiteral("台灣製造 MADE IN TAIWAN R.O.C");
         m.blocks[2].blk_size[10] = RowSize::kLarge;
         m.blocks[1].blk_content[10] = m.blocks[2].blk_content[10];
         m.blocks[1].blk_size[10] = RowSize::kBold;
       },
       QSizeF(20000, 30000),
       {},
       {"第 2 區段第 11 行的放大字超出標籤右邊 21.2 公釐 (共 15 張標籤)"}},
      {"overlapping carton ranges",
       [](MainModel& m) { m.blocks[2].blk_start = 20; },
       kPdfArea,
       {},
       {"第 1 區段和第 2 區段都有箱號 20–25, 這些箱子會印出兩張標籤"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MainModel model;
    model.work_dir = folder.path();
    SetUpWorkedExample(model);
    c.job(model);
    const RunPlan plan = RunPlan::Of(model);
    StockFit fit;
    fit.offset = c.offset;
    PaperSetup paper = test_geometry::Printer(QRectF(QPointF(), c.printable), fit);
    paper.printer = c.printer;
    const LabelGeometry geometry = test_geometry::On(paper);
    const PrintLayout layout(plan, PrintChoice{}, geometry.shape());
    SymbolShapes shapes;
    const Preflight preflight = RunPreflight(model, layout, geometry, shapes);
    EXPECT_EQ(preflight.Texts(), c.items) << preflight.Texts().join(u'\n').toStdString();
    for (const PreflightItem& item : preflight.items) {
      // What happens on a sheet points at its first place there, for the preview.
      EXPECT_EQ(item.sheet > 0, !item.spot.isEmpty()) << item.Text().toStdString();
    }
  }
}

// A symbol's size, and whether it can be encoded, follow from its content's shape: every ASCII
// digit may stand for any other. The run's checks and its preflight measure thousands of labels
// from a few encodings on this.
TEST(SymbolShapes, ASymbolIsAsBigAsTheSymbolOfItsShape) {
  const struct {
    BarcodeKind kind;
    const char* content_template;
  } kinds[] = {
      {BarcodeKind::kCode128, "{C}"},
      {BarcodeKind::kCode128, "PO4711-{C}/{P}"},
      {BarcodeKind::kCode128, "{P}{C}9"},
      {BarcodeKind::kSscc, "{C}"},
      {BarcodeKind::kQrCode, "臺灣製造 PO4711 C/NO. {C} P/NO. {P}"},
      {BarcodeKind::kQrCode, "{C}{P}{B}"},
  };
  const int64_t numbers[] = {0,   1,   7,    9,    10,   42,    99,    100,
                             123, 999, 1000, 4711, 9999, 10000, 12345, 32766};
  BarcodeEncoder encoder;
  for (const auto& k : kinds) {
    const BarcodeSettings settings = TestBarcode(k.kind, QString::fromUtf8(k.content_template));
    SymbolShapes shapes;
    for (const int64_t carton : numbers) {
      const BarcodeLabel label{3, carton / 10 + 1, carton, false};
      const QString content = ComposeContent(settings, label).text;
      SCOPED_TRACE(content.toStdString());
      const EncodedSymbol own = encoder.Encode(settings, content);
      const EncodedSymbol& shape = shapes.Of(settings, content);
      ASSERT_EQ(bool(own.symbol), bool(shape.symbol));
      EXPECT_EQ(own.failure, shape.failure);
      if (!own.symbol) continue;
      EXPECT_EQ(own.symbol->modules, shape.symbol->modules);
      EXPECT_DOUBLE_EQ(own.symbol->width, shape.symbol->width);
      EXPECT_DOUBLE_EQ(own.symbol->height, shape.symbol->height);
      QRectF dark;
      for (const QRectF& bar : own.symbol->Bars()) dark = dark.united(bar);
      const QRectF shape_dark = shapes.DarkArea(settings, content);
      EXPECT_DOUBLE_EQ(dark.left(), shape_dark.left());
      EXPECT_DOUBLE_EQ(dark.right(), shape_dark.right());
      EXPECT_DOUBLE_EQ(dark.top(), shape_dark.top());
    }
    // A handful of shapes stand for all of them.
    EXPECT_LE(shapes.encodings(), 12);
  }
}

}  // namespace
