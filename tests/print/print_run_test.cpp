#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <functional>
#include <vector>

#include "app/print_button.h"
#include "blocks/block_store.h"
#include "model/main_model.h"
#include "print/barcode_painter.h"
#include "print/layout_printing.h"
#include "print/print_run_fixture.h"
#include "print/printer_fits.h"
#include "print/run_checks.h"
#include "print/run_plan.h"
#include "print/run_sequence.h"
#include "print/symbol_shapes.h"
#include "stock/printer_fit.h"
#include "support/model_state.h"
#include "support/recording_target.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"
#include "support/test_barcodes.h"
#include "support/test_geometry.h"

namespace {

QString Range(int from, int to) {
  QStringList numbers;
  for (int i = from; i <= to; ++i) numbers << QString::number(i);
  return numbers.join(u' ');
}

QString Repeat(const char* word, int times) {
  return QStringList(times, QString::fromLatin1(word)).join(u' ');
}

}  // namespace

TEST_F(PrintRunTest, TwoBlocksWithAMixedOnePrintTheirPalletsAndPairs) {
  SetBlocks({{1, 25, 10, 1}, {26, 40, 10, 4, "Yes"}});
  // The blocks align their first row differently: a page row follows the block it completes.
  model.blocks[1].blk_array[0] = QStringLiteral("靠左");
  model.blocks[2].blk_array[0] = QStringLiteral("靠右");
  LoadBlock(model, 1);

  ASSERT_TRUE(Print());
  EXPECT_TRUE(prompter.messages.isEmpty());

  EXPECT_EQ(Cartons(), Range(1, 40));
  EXPECT_EQ(Pallets(), Repeat("1", 10) + u' ' + Repeat("2", 10) + u' ' + Repeat("3", 10) + u' ' +
                           Repeat("4", 10));

  // Pairs (1, 2) … (39, 40): odd cartons on the left label, even ones on the right; four page rows
  // a sheet, each 16 lines and a gap below the one before.
  const QList<Text> cartons = Printed(QStringLiteral("C/NO. : "));
  ASSERT_EQ(cartons.size(), 40);
  for (int i = 0; i < 40; ++i) {
    SCOPED_TRACE(i + 1);
    const int page_row = i / 2;
    EXPECT_EQ(cartons[i].column, i % 2 == 0 ? 20 : 68);
    EXPECT_EQ(cartons[i].page, page_row / 4 + 1);
    EXPECT_DOUBLE_EQ(cartons[i].y, (page_row % 4) * kPageRow + 4 * 240);
  }
  EXPECT_EQ(target.surface.sheets(), 5);
  EXPECT_EQ(target.surface.finished_documents(), 1);

  // Row 0 of each page row: the pair (25, 26) is the first page row of sheet 4 and takes block 2's
  // right alignment; the pair before it block 1's left one.
  const QList<Text> marks = Printed(QStringLiteral("MARK"));
  ASSERT_EQ(marks.size(), 40);
  EXPECT_EQ(marks[22].page, 3);
  EXPECT_EQ(marks[22].column, 2);
  EXPECT_EQ(marks[23].column, 50);
  EXPECT_EQ(marks[24].page, 4);
  EXPECT_EQ(marks[24].column, 44);
  EXPECT_EQ(marks[25].column, 92);
}

TEST_F(PrintRunTest, PalletNumbering) {
  const struct {
    const char* name;
    std::vector<Block> blocks;
    QString pallets;
  } cases[] = {
      {"the second block unmixed starts on its own pallets",
       {{1, 25, 10, 1}, {26, 40, 10, 4}},
       Repeat("1", 10) + u' ' + Repeat("2", 10) + u' ' + Repeat("3", 5) + u' ' + Repeat("4", 10) +
           u' ' + Repeat("5", 5)},
      {"a mixed first block has nothing to fill", {{1, 3, 2, 5, "Yes"}}, "5 5 6"},
      {"a block ending on a full pallet leaves nothing to fill",
       {{1, 4, 2, 1}, {5, 6, 2, 7, "Yes"}},
       "1 1 2 2 7 7"},
      {"a mixed block shorter than the places left passes the rest on to the next mixed block",
       {{1, 3, 5, 1}, {4, 4, 5, 10, "Yes"}, {5, 7, 5, 20, "Yes"}},
       "1 1 1 1 1 20 20"},
      {"the rest of the places is not passed on to an unmixed block",
       {{1, 3, 5, 1}, {4, 4, 5, 10, "Yes"}, {5, 7, 5, 20}},
       "1 1 1 1 20 20 20"},
      {"a block without cartons leaves the places to fill as they were",
       {{1, 3, 5, 1}, {9, 8, 5, 10, "Yes"}, {4, 5, 5, 20, "Yes"}},
       "1 1 1 1 1"},
      {"0 cartons a pallet gives every carton a pallet of its own",
       {{1, 1, 1, 1}, {2, 5, 0, 3}},
       "1 3 4 5 6"},
      {"a block whose first carton is above its last prints nothing",
       {{1, 2, 1, 1}, {7, 3, 2, 9}, {8, 8, 1, 12}},
       "1 2 12"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Reset();
    SetBlocks(c.blocks);
    ASSERT_TRUE(Print()) << prompter.messages.join(u'\n').toStdString();
    EXPECT_EQ(Pallets(), c.pallets);
  }
}

TEST_F(PrintRunTest, OddLabelStandsAloneInTheLeftHalf) {
  SetBlocks({{1, 25, 10, 1}});
  ASSERT_TRUE(Print());
  const QList<Text> cartons = Printed(QStringLiteral("C/NO. : "));
  ASSERT_EQ(cartons.size(), 25);
  EXPECT_EQ(cartons.last().text, QStringLiteral("C/NO. : 25"));
  EXPECT_EQ(cartons.last().page, 4);
  EXPECT_EQ(cartons.last().column, 20);
  EXPECT_DOUBLE_EQ(cartons.last().y, 4 * 240);
  // Its right half is empty: nothing but the 25 labels' texts came out.
  EXPECT_EQ(Printed(QStringLiteral("MARK")).size(), 25);
  EXPECT_EQ(target.surface.sheets(), 4);
}

TEST_F(PrintRunTest, RemainderLabelTakesTheNextHalf) {
  // Next to a waiting odd label: the right half of its page row.
  SetBlocks({{1, 3, 10, 1}});
  SetRemainder(99, 7);
  ASSERT_TRUE(Print());
  EXPECT_EQ(Cartons(), QStringLiteral("1 2 3"));
  QList<Text> last = Printed(QStringLiteral("C/NO. 9"));
  ASSERT_EQ(last.size(), 1);
  EXPECT_EQ(last[0].text, QStringLiteral("C/NO. 99"));
  EXPECT_EQ(last[0].column, 68);
  EXPECT_DOUBLE_EQ(last[0].y, kPageRow + 4 * 240);
  EXPECT_EQ(Printed(QStringLiteral("P/NO. 7")).size(), 1);
  EXPECT_EQ(Printed(QStringLiteral("LAST")).size(), 1);

  // After a complete page row: the left half of a new one.
  Reset();
  SetBlocks({{1, 8, 10, 1}});
  SetRemainder(99, 7);
  ASSERT_TRUE(Print());
  last = Printed(QStringLiteral("C/NO. 9"));
  ASSERT_EQ(last.size(), 1);
  EXPECT_EQ(last[0].column, 20);
  EXPECT_EQ(last[0].page, 2);
  EXPECT_DOUBLE_EQ(last[0].y, 4 * 240);
  EXPECT_EQ(target.surface.sheets(), 2);
}

TEST_F(PrintRunTest, RemainderOptionWithATrailingBlankPrintsTheEntryAfterTheBlocks) {
  // "Yes " is not "Yes" for the first check, but it is once trimmed: the remainder entry prints
  // although it was never set up.
  SetBlocks({{1, 2, 10, 1}});
  model.l_last = QStringLiteral("Yes ");
  ASSERT_TRUE(Print());
  EXPECT_TRUE(prompter.messages.isEmpty());
  EXPECT_EQ(Numbers(QStringLiteral("C/NO. ")), QStringLiteral(": 1 : 2 0"));
}

TEST_F(PrintRunTest, RowMarkedForBothNumbersCarriesThePalletNumber) {
  SetBlocks({{5, 6, 10, 3}});
  model.carton_row = 3;
  ASSERT_TRUE(Print());
  EXPECT_EQ(Pallets(), QStringLiteral("3 3"));
  EXPECT_EQ(Cartons(), QString());
}

TEST_F(PrintRunTest, FullSheetsPutOutNoEmptySheet) {
  for (const int labels : {8, 16, 17}) {
    SCOPED_TRACE(labels);
    Reset();
    SetBlocks({{1, labels, 10, 1}});
    ASSERT_TRUE(Print());
    EXPECT_EQ(target.surface.sheets(), (labels + 7) / 8);
  }
}

TEST_F(PrintRunTest, ChecksStopTheRunInTheirOrder) {
  const QString kRemainder = QStringLiteral("你還沒有編輯尾數頁ㄛ! 請編輯之或將尾數頁選項改成No");
  const QString kRange = QStringLiteral("編號欄位輸入有錯: 箱號編號 to (4x) 不能小於 from (5)。");
  const QString kPerPallet = QStringLiteral("每P的箱數輸入錯誤: 每墊板的箱數必須是 1 以上的數字。");
  const QString kPalletRow = QStringLiteral("請選擇P/NO要印在那一行");
  const QString kCartonRow = QStringLiteral("請選擇C/NO要印在那一行");
  const struct {
    const char* name;
    void (*change)(MainModel&);
    QString message;  // empty: SaveBlock's own message
    bool stored;      // the block on screen is in the table afterwards
    const char* focus = "";
  } cases[] = {
      {"remainder asked for but not set up",
       [](MainModel& m) {
         m.l_last = QStringLiteral("Yes");
         m.l_end = QStringLiteral("0");  // would fail the next check too
       },
       kRemainder, false},
      {"last carton below the first",
       [](MainModel& m) {
         m.l_end = QStringLiteral(" 4x");
         m.l_pbox = QStringLiteral("0");
       },
       kRange, false},
      {"a field SaveBlock refuses",
       [](MainModel& m) { m.l_p_start_text = QStringLiteral("x"); },
       {},
       false,
       "l_p_start_text"},
      {"no carton a pallet",
       [](MainModel& m) {
         m.l_pbox = QStringLiteral("0.4");
         m.pallet_row = MainModel::kNoRow;
       },
       kPerPallet, true, "l_pbox"},
      {"no pallet-number row",
       [](MainModel& m) {
         m.pallet_row = MainModel::kNoRow;
         m.carton_row = MainModel::kNoRow;
       },
       kPalletRow, true},
      {"no carton-number row", [](MainModel& m) { m.carton_row = MainModel::kNoRow; }, kCartonRow,
       true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Reset();
    SetBlocks({{1, 4, 2, 1}});
    model.l_start = QStringLiteral("5");
    model.l_end = QStringLiteral("9");
    c.change(model);

    EXPECT_FALSE(Print());
    ASSERT_EQ(prompter.messages.size(), 1);
    if (!c.message.isEmpty()) {
      EXPECT_EQ(prompter.messages[0], c.message);
    }
    EXPECT_EQ(model.blocks[1].blk_start, c.stored ? 5 : 1);
    EXPECT_EQ(model.focus_request, QString::fromLatin1(c.focus));
    EXPECT_TRUE(target.opened.isEmpty());
    EXPECT_TRUE(target.surface.texts().isEmpty());
    EXPECT_FALSE(HistoryWritten());
  }
}

TEST_F(PrintRunTest, CartonNumbersOutsideSixteenBitsStopTheRunBeforePrinting) {
  const struct {
    std::vector<Block> blocks;
    int32_t remainder;  // 0: no remainder label
    QString message;    // empty: the run prints
  } cases[] = {
      {{{1, 2, 5, 1}, {3, 32767, 5, 2}},
       0,
       QStringLiteral("第 2 區段的箱號超出 -32768 到 32766 的範圍, 請修改後再印")},
      {{{-32769, -32767, 5, 1}},
       0,
       QStringLiteral("第 1 區段的箱號超出 -32768 到 32766 的範圍, 請修改後再印")},
      // A block without cartons is refused all the same: its numbers are not 16-bit numbers.
      {{{1, 2, 5, 1}, {70000, 3, 5, 2}},
       0,
       QStringLiteral("第 2 區段的箱號超出 -32768 到 32766 的範圍, 請修改後再印")},
      {{{1, 2, 5, 1}},
       40000,
       QStringLiteral("尾數箱的箱號超出 -32768 到 32766 的範圍, 請修改後再印")},
      {{{32764, 32766, 5, 1}, {-32768, -32767, 5, 1}}, 32766, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message.toStdString());
    Reset();
    SetBlocks(c.blocks);
    if (c.remainder != 0) SetRemainder(c.remainder, 1);
    EXPECT_EQ(Print(), c.message.isEmpty());
    EXPECT_EQ(prompter.messages, c.message.isEmpty() ? QStringList() : QStringList{c.message});
    if (!c.message.isEmpty()) {
      EXPECT_TRUE(target.opened.isEmpty());
      EXPECT_FALSE(HistoryWritten());
    }
  }
  EXPECT_EQ(Cartons(), QStringLiteral("32764 32765 32766 -32768 -32767"));
}

TEST_F(PrintRunTest, WithoutAPrinterTheRunCanGoIntoAPdfFile) {
  const struct {
    bool yes;
    QString path;
    bool printed;
  } cases[] = {{false, {}, false}, {true, {}, false}, {true, QStringLiteral("/tmp/x.pdf"), true}};
  for (const auto& c : cases) {
    Reset();
    SetBlocks({{1, 2, 5, 1}});
    target.has_printer = false;
    target.pdf_answer = c.path;
    prompter.answers = {c.yes};

    EXPECT_EQ(Print(), c.printed);
    EXPECT_EQ(prompter.questions.size(), 1);
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_EQ(target.pdf_questions, c.yes ? 1 : 0);
    EXPECT_EQ(target.opened, c.printed ? QStringList{c.path} : QStringList());
    EXPECT_EQ(HistoryWritten(), c.printed);
  }
}

TEST_F(PrintRunTest, FailingPrinterAbortsWithAMessageAndNoHistory) {
  for (const bool at_close : {false, true}) {
    SCOPED_TRACE(at_close);
    Reset();
    SetBlocks({{1, 40, 10, 1}});
    const QString screen_end = model.l_end;
    target.fail_at_sheet = at_close ? 0 : 2;
    target.close_fails = at_close;
    // The progress dialog must be gone before the error box comes, not stuck beside it.
    qsizetype messages_at_progress_end = -1;
    target.on_progress_end = [&] { messages_at_progress_end = prompter.messages.size(); };

    EXPECT_FALSE(Print());
    EXPECT_TRUE(target.aborted);
    EXPECT_EQ(target.progress_sheets, 5);
    EXPECT_EQ(messages_at_progress_end, 0);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].contains(QStringLiteral("印表機發生錯誤")));
    EXPECT_FALSE(HistoryWritten());
    EXPECT_EQ(model.l_end, screen_end);
    if (!at_close) {
      // The run stopped with the page row that failed.
      EXPECT_FALSE(target.closed);
      EXPECT_EQ(Printed(QStringLiteral("C/NO. : ")).size(), 10);
    }
  }
}

TEST_F(PrintRunTest, LongRunsShowTheirProgressAndCanBeCancelled) {
  SetBlocks({{1, 24, 10, 1}});
  ASSERT_TRUE(Print());
  EXPECT_EQ(target.progress_sheets, -1);  // three sheets: over too soon to show

  Reset();
  SetBlocks({{1, 33, 10, 1}});
  ASSERT_TRUE(Print());
  EXPECT_EQ(target.progress_sheets, 5);
  EXPECT_EQ(target.sheets_done, (QList<int>{1, 2, 3, 4, 5}));
  EXPECT_TRUE(target.progress_ended);

  Reset();
  SetBlocks({{1, 40, 10, 1}});
  target.cancel_at_sheet = 2;
  EXPECT_FALSE(Print());
  EXPECT_TRUE(target.aborted);
  EXPECT_FALSE(target.closed);
  EXPECT_TRUE(target.progress_ended);
  EXPECT_TRUE(prompter.messages.isEmpty());
  EXPECT_FALSE(HistoryWritten());
  EXPECT_EQ(Printed(QStringLiteral("C/NO. : ")).size(), 16);
}

TEST_F(PrintRunTest, NumbersAsTheClerkTypesThemPrintOrAreRefused) {
  // Full-width digits print as the numbers they are; a first carton of 400 nines, once read as 0,
  // is refused as too big before anything is printed.
  SetBlocks({{1, 1, 10, 1}});
  model.l_start = QStringLiteral("１２");
  model.l_end = QStringLiteral("１３");
  model.l_pbox = QStringLiteral("１０");
  ASSERT_TRUE(Print()) << prompter.messages.join(u'\n').toStdString();
  EXPECT_EQ(Cartons(), QStringLiteral("12 13"));

  Reset();
  SetBlocks({{1, 1, 10, 1}});
  model.l_start = QString(400, u'9');
  model.l_end = QString(400, u'9');
  EXPECT_FALSE(Print());
  EXPECT_EQ(prompter.messages,
            QStringList{QStringLiteral(
                "「箱號編號 from」的數字太大了, 請輸入 -2147483648 到 2147483647 之間的數字")});
  EXPECT_TRUE(target.opened.isEmpty());
}

TEST_F(PrintRunTest, OverlappingBlocksAskFirstAndNoChangesNothing) {
  SetBlocks({{1, 30, 10, 1}, {26, 40, 10, 4}});
  // The block on screen has an edit that a No must not leave stored.
  model.l_end = QStringLiteral("31");
  const MainModel before = model;
  prompter.answers = {false};
  EXPECT_FALSE(Print());
  ASSERT_EQ(prompter.questions.size(), 1);
  EXPECT_TRUE(prompter.questions[0].contains(QStringLiteral("第 1 區段和第 2 區段都有箱號 26–31")));
  EXPECT_TRUE(target.opened.isEmpty());
  EXPECT_FALSE(HistoryWritten());
  ExpectSameModel(before, model);

  prompter.answers = {true};
  EXPECT_TRUE(Print());
  EXPECT_EQ(Printed(QStringLiteral("C/NO. : 26")).size(), 2);
}

TEST_F(PrintRunTest, AChosenPrinterThatHasGoneAwayPrintsNothing) {
  SetBlocks({{1, 40, 10, 1}});
  ASSERT_TRUE(CheckRun(model, prompter));
  const RunPlan plan = RunPlan::Of(model);
  const PrintLayout layout(plan, PrintChoice{}, test_geometry::kA4Eight);
  PrintDestination destination{QStringLiteral("GONE"), QString(), 2, {}};
  SymbolShapes shapes;
  const LabelGeometry geometry = test_geometry::On();
  EXPECT_FALSE(
      PrintLayoutTo(model, layout, geometry, destination, prompter, target, target, shapes));
  ASSERT_EQ(prompter.messages.size(), 1);
  EXPECT_TRUE(prompter.messages[0].contains(QStringLiteral("找不到印表機「GONE」")));
  EXPECT_TRUE(target.destinations.isEmpty());

  destination.printer = QStringLiteral("LABELS");
  EXPECT_TRUE(
      PrintLayoutTo(model, layout, geometry, destination, prompter, target, target, shapes));
  EXPECT_EQ(target.destinations, QList<PrintDestination>{destination});
  EXPECT_FALSE(HistoryWritten()) << "only the print button stores a record";
}

TEST_F(PrintRunTest, AStockFitMovesEveryMarkAndSpacesThePageRows) {
  SetBlocks({{1, 10, 10, 1}});
  model.pic_file_name = folder.File(QStringLiteral("logo.png"));
  QImage(40, 20, QImage::Format_RGB32).save(model.pic_file_name);
  model.pic_size = QStringLiteral("10");
  model.barcode = TestBarcode(BarcodeKind::kCode128);
  ASSERT_TRUE(CheckRun(model, prompter));
  const RunPlan plan = RunPlan::Of(model);
  const PrintLayout layout(plan, PrintChoice{}, test_geometry::kA4Eight);
  const auto print = [&](const StockFit& fit) {
    RecordingTarget fitted;
    SymbolShapes shapes;
    const LabelGeometry geometry = test_geometry::On(test_geometry::Printer(fitted.printable, fit));
    EXPECT_TRUE(PrintLayoutTo(model, layout, geometry, PrintDestination{{}, {}, 1, fit}, prompter,
                              fitted, fitted, shapes));
    return fitted;
  };
  const RecordingTarget plain = print(StockFit{});
  const RecordingTarget moved = print(StockFit{QPointF(-57, 113), 5000});
  ASSERT_EQ(moved.surface.texts().size(), plain.surface.texts().size());
  ASSERT_EQ(moved.surface.images().size(), plain.surface.images().size());
  for (qsizetype i = 0; i < plain.surface.texts().size(); ++i) {
    const Text& a = plain.surface.texts()[i];
    const Text& b = moved.surface.texts()[i];
    const int page_row = int(a.y / kPageRow);  // sixteen lines, no row runs over here
    EXPECT_EQ(b.text, a.text);
    EXPECT_DOUBLE_EQ(b.x, a.x - 57);
    EXPECT_DOUBLE_EQ(b.y, a.y + 113 + page_row * (5000 - kPageRow));
  }
  for (qsizetype i = 0; i < plain.surface.images().size(); ++i) {
    const QRectF a = plain.surface.images()[i].rect;
    const QRectF b = moved.surface.images()[i].rect;
    const int page_row = int(a.y() / kPageRow);
    EXPECT_EQ(b, a.translated(-57, 113 + page_row * (5000 - kPageRow)));
  }
  ASSERT_FALSE(plain.surface.shapes().isEmpty());
  ASSERT_EQ(moved.surface.shapes().size(), plain.surface.shapes().size());
  for (qsizetype i = 0; i < plain.surface.shapes().size(); ++i) {
    const QRectF a = plain.surface.shapes()[i].rect;
    const int page_row = int(a.y() / kPageRow);
    EXPECT_EQ(moved.surface.shapes()[i].rect,
              a.translated(-57, 113 + page_row * (5000 - kPageRow)));
  }
}

TEST_F(PrintRunTest, EachLabelGetsItsSymbolAtItsCornerAndAnEmptyHalfNone) {
  // Three labels: the second page row holds carton 3 alone.
  SetBlocks({{1, 3, 10, 1}});
  model.barcode = TestBarcode(BarcodeKind::kCode128, QStringLiteral("PO-{C}"));
  ASSERT_TRUE(Print());
  RecordingSurface expected;
  for (int i = 0; i < 3; ++i) {
    DrawBarcode(expected, model.barcode, QStringLiteral("PO-%1").arg(i + 1), (i % 2) * 5760,
                (i / 2) * kPageRow);
  }
  EXPECT_EQ(target.surface.shapes(), expected.shapes());
  for (const Text& text : expected.texts()) {
    EXPECT_EQ(Printed(text.text).size(), 1) << text.text.toStdString();
  }
  // The template's rows are where they are without barcodes.
  EXPECT_EQ(Cartons(), QStringLiteral("1 2 3"));
  EXPECT_DOUBLE_EQ(Printed(QStringLiteral("C/NO. : 3"))[0].y, kPageRow + 4 * 240);
}

TEST_F(PrintRunTest, ALabelThatCannotCarryItsSymbolStopsTheRunBeforeAnythingPrints) {
  const struct {
    const char* name;
    BarcodeSettings settings;
    int32_t remainder;    // 0: none
    const char* message;  // how the first refusal begins
  } cases[] = {
      {"a QR code past the label's right edge",
       [] {
         BarcodeSettings qr = TestBarcode(BarcodeKind::kQrCode);
         qr.left_mm = 80;  // 80 mm, 15 mm of modules and the quiet zones are past 100 mm
         return qr;
       }(),
       0, "第 1 區段第 1 箱的標籤: 條碼 (連同兩旁的空白區) 超出標籤右邊"},
      {"an SSCC of a negative carton in the second block", TestBarcode(BarcodeKind::kSscc), 0,
       "第 2 區段第 -3 箱的標籤: 箱號 -3 放不進 SSCC 的序號。"},
      {"Chinese in Code 128 on the remainder label",
       TestBarcode(BarcodeKind::kCode128, QStringLiteral("{C}號")), 500,
       "第 1 區段第 1 箱的標籤: 「條碼內容」的「1號」裡有 Code 128 不能印的字「號」。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Reset();
    SetBlocks({{1, 10, 10, 1}, {-3, 1, 10, 2}});
    if (c.remainder != 0) SetRemainder(c.remainder, 3);
    model.barcode = c.settings;
    EXPECT_FALSE(Print());
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].startsWith(QString::fromUtf8(c.message)))
        << prompter.messages[0].toStdString();
    EXPECT_TRUE(target.opened.isEmpty());
    EXPECT_FALSE(HistoryWritten());
    EXPECT_EQ(model.barcode, c.settings);
  }
}

namespace {

constexpr double kMm = 1440 / 25.4;  // physical millimetres, as the printer settings give them

}  // namespace

TEST_F(PrintRunTest, PrinterSettingsMoveEveryTextAndPictureByExactlyTheOffsets) {
  SetBlocks({{1, 19, 10, 1}});
  model.pic_file_name = folder.File(QStringLiteral("logo.png"));
  QImage(40, 20, QImage::Format_RGB32).save(model.pic_file_name);
  model.pic_size = QStringLiteral("10");
  const MainModel start = model;
  ASSERT_TRUE(Print());
  const RecordingSurface plain = target.surface;

  // As the printer settings hold them: tenths of a millimetre, hundredths for the pitch.
  const PrinterFit cases[] = {{-15, 23, {}}, {200, -200, {}}, {0, 0, 7425}, {1, -7, 7425}};
  for (const PrinterFit& c : cases) {
    SCOPED_TRACE(c.offset_x_tenths);
    Reset();
    model = start;
    const StockFit fit = c.ToStockFit();
    fits.printers[QStringLiteral("LABELS")] = fit;
    ASSERT_TRUE(Print());
    const QPointF offset = QPointF(c.offset_x_tenths, c.offset_y_tenths) / 10 * kMm;
    EXPECT_EQ(fit.offset, offset);
    // The step from one page row to the next is the pitch; nothing else about a mark changes.
    const double step = c.pitch_hundredths ? std::round(74.25 * kMm) - kPageRow : 0;
    const QList<Text>& texts = target.surface.texts();
    ASSERT_EQ(texts.size(), plain.texts().size());
    for (qsizetype i = 0; i < texts.size(); ++i) {
      const Text& a = plain.texts()[i];
      const int page_row = int(a.y / kPageRow);
      EXPECT_EQ(texts[i].text, a.text);
      EXPECT_EQ(texts[i].page, a.page);
      EXPECT_DOUBLE_EQ(texts[i].x, a.x + offset.x());
      EXPECT_DOUBLE_EQ(texts[i].y, a.y + offset.y() + page_row * step);
    }
    const QList<RecordingSurface::Image>& images = target.surface.images();
    ASSERT_EQ(images.size(), plain.images().size());
    ASSERT_EQ(images.size(), 19);
    for (qsizetype i = 0; i < images.size(); ++i) {
      const QRectF a = plain.images()[i].rect;
      const int page_row = int(a.y() / kPageRow);
      EXPECT_EQ(images[i].page, plain.images()[i].page);
      EXPECT_EQ(images[i].rect, a.translated(offset.x(), offset.y() + page_row * step));
    }
    EXPECT_EQ(target.surface.sheets(), plain.sheets());
  }
}

TEST_F(PrintRunTest, SettingsOfOtherPrintersAndUnsetSettingsChangeNothing) {
  SetBlocks({{1, 11, 10, 1}});
  const MainModel start = model;
  ASSERT_TRUE(Print());
  const QList<Text> plain = target.surface.texts();
  const StockFit moved{QPointF(100, 200), 4300};

  const struct {
    const char* name;
    QString default_printer;  // empty: no printer, the run goes into a PDF file
    QHash<QString, StockFit> printers;
    StockFit pdf;
    bool applies;
  } cases[] = {
      {"nothing stored", "LABELS", {}, {}, false},
      {"another printer's set", "LABELS", {{"OTHER", moved}, {"LABELS2", moved}}, {}, false},
      {"the PDF files' set on a printer", "LABELS", {}, moved, false},
      {"the default printer's own set", "OTHER", {{"OTHER", moved}}, {}, true},
      {"an instance of the queue", "OTHER/draft", {{"OTHER", moved}}, {}, true},
      {"a printer's set on a PDF file", "", {{"LABELS", moved}}, {}, false},
      {"the PDF files' set on a PDF file", "", {{"LABELS", moved}}, moved, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Reset();
    model = start;
    fits = PrinterFits{c.printers, c.pdf};
    target.default_printer = c.default_printer;
    target.printers << c.default_printer;
    target.has_printer = !c.default_printer.isEmpty();
    target.pdf_answer = QStringLiteral("/tmp/labels.pdf");
    ASSERT_TRUE(Print());
    ASSERT_EQ(target.destinations.size(), 1);
    EXPECT_EQ(target.destinations[0].printer, c.default_printer);
    EXPECT_EQ(target.destinations[0].fit, c.applies ? moved : StockFit{});
    const QList<Text>& texts = target.surface.texts();
    ASSERT_EQ(texts.size(), plain.size());
    // A PDF file has no unprintable edge: a4-8's labels stand 12 points from its edges.
    const double edge = c.default_printer.isEmpty() ? 240 : 0;
    for (qsizetype i = 0; i < texts.size(); ++i) {
      EXPECT_EQ(texts[i].text, plain[i].text);
      const bool unmoved = texts[i].x == plain[i].x + edge && texts[i].y == plain[i].y + edge;
      EXPECT_EQ(unmoved, !c.applies) << texts[i].text.toStdString();
    }
  }
}

TEST_F(PrintRunTest, ARunOffThePrintableAreaAsksFirstAndNoChangesNothing) {
  SetBlocks({{1, 30, 10, 1}});
  // A text in the label's last line: on the generic PDF printer, 12.7 mm from the paper's top,
  // the fourth page row's last line lies past the printable area's bottom.
  model.blocks[1].blk_content[15] = QStringLiteral("MADE IN TAIWAN");
  LoadBlock(model, 1);
  model.l_end = QStringLiteral("31");  // an edit a No must not leave stored
  const MainModel before = model;
  prompter.answers = {false};
  EXPECT_FALSE(Print());
  ASSERT_EQ(prompter.questions.size(), 1);
  EXPECT_TRUE(prompter.questions[0].contains(u"印表機「LABELS」可以列印的範圍"));
  // 3 · 4170 + 16 · 240 = 16350 twips, 952 past the area's 15398: both labels of the fourth page
  // row of each of the four sheets (the last sheet's seventh label stands alone), one item for each
  // label's place.
  EXPECT_EQ(
      prompter.warnings[0],
      (QStringList{QStringLiteral("第 4 排左邊的標籤的第 16 行, 全部 4 張都超出下緣 16.8 公釐"),
                   QStringLiteral("第 4 排右邊的標籤的第 16 行, 全部 3 張都超出下緣 16.8 公釐")}));
  EXPECT_TRUE(target.opened.isEmpty());
  EXPECT_FALSE(HistoryWritten());
  ExpectSameModel(before, model);

  prompter = ScriptedPrompter();
  prompter.answers = {true};
  EXPECT_TRUE(Print());
  EXPECT_EQ(prompter.questions.size(), 1);
  EXPECT_EQ(Cartons(), Range(1, 31));
  EXPECT_TRUE(HistoryWritten());

  // Offsets that move the labels up and left: the marks past an edge are named, first the first
  // one. The first line starts in column 2, 120 twips (2.1 mm) in.
  model.l_content[15].clear();
  model.l_array[0] = QStringLiteral("靠左");
  const struct {
    QPointF offset_mm;
    const char* what;
  } moves[] = {
      {{0, -1}, "第 1 排左邊的標籤的第 1 行, 全部 4 張都超出上緣 1.0 公釐"},
      {{-5, 0}, "第 1 排左邊的標籤的第 1 行, 全部 4 張都超出左邊 2.9 公釐"},
      {{-2.1, 0}, nullptr},
  };
  for (const auto& m : moves) {
    prompter = ScriptedPrompter();
    prompter.answers = {false};
    fits.printers[QStringLiteral("LABELS")] = StockFit{m.offset_mm * kMm, {}};
    EXPECT_EQ(Print(), !m.what);
    if (!m.what) {
      EXPECT_TRUE(prompter.questions.isEmpty());
      continue;
    }
    ASSERT_EQ(prompter.warnings.size(), 1);
    EXPECT_EQ(prompter.warnings[0].first(), QString::fromUtf8(m.what))
        << prompter.questions[0].toStdString();
  }

  // A barcode low on the label: on the fourth page row its digits lie past the area's bottom, and
  // the question names the barcode, not a text line.
  fits.printers.clear();
  model.barcode.kind = BarcodeKind::kCode128;
  model.barcode.top_mm = 40;
  model.barcode.height_mm = 10;
  prompter = ScriptedPrompter();
  prompter.answers = {false};
  EXPECT_FALSE(Print());
  ASSERT_EQ(prompter.warnings.size(), 1);
  EXPECT_TRUE(prompter.warnings[0].first().startsWith(
      QStringLiteral("第 4 排左邊的標籤的條碼, 全部 4 張都超出下緣")))
      << prompter.questions[0].toStdString();
}

// Every way out of a print after its checks have passed leaves the block table as it was before
// the press, with the edit on screen not stored; nothing goes to the printer and no record is
// written. Warnings are asked once, all of them, and a No prints nothing.
TEST_F(PrintRunTest, EveryWayOutLeavesTheTableAsItWas) {
  const struct {
    const char* what;
    std::function<void()> arrange;
    qsizetype questions;  // asked before the way out
  } cases[] = {
      {"No to the question about overlapping cartons and a missing picture",
       [this] {
         model.blocks[2].blk_start = 20;
         model.pic_file_name = folder.File(QStringLiteral("gone.png"));
         prompter.answers = {false};
       },
       1},
      {"No to the PDF offer",
       [this] {
         target.has_printer = false;
         prompter.answers = {false};
       },
       1},
      {"a file dialog closed",
       [this] {
         target.has_printer = false;
         prompter.answers = {true};
       },
       1},
      {"a printer that went away", [this] { target.printers.clear(); }, 0},
      {"Cancel while printing", [this] { target.cancel_at_sheet = 1; }, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Reset();
    SetBlocks({{1, 30, 10, 1}, {31, 60, 10, 4}});
    model.l_end = QStringLiteral("29");  // an edit that must not stay stored
    c.arrange();
    const MainModel before = model;
    EXPECT_FALSE(Print());
    EXPECT_EQ(prompter.questions.size(), c.questions)
        << prompter.questions.join(u'\n').toStdString();
    EXPECT_FALSE(target.closed);
    EXPECT_FALSE(HistoryWritten());
    ExpectSameModel(before, model);
  }
  // The two warnings of the first case came in one question, the overlap first.
  Reset();
  SetBlocks({{1, 30, 10, 1}, {20, 40, 10, 4}});
  model.pic_file_name = folder.File(QStringLiteral("gone.png"));
  prompter.answers = {true};
  EXPECT_TRUE(Print());
  ASSERT_EQ(prompter.warnings.size(), 1);
  EXPECT_EQ(
      prompter.warnings[0],
      (QStringList{
          QStringLiteral("第 1 區段和第 2 區段都有箱號 20–30, 這些箱子會印出兩張標籤"),
          QStringLiteral("圖片檔「%1」找不到, 標籤上不會印出圖片").arg(model.pic_file_name)}));
}
