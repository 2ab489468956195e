// Prints runs with barcodes into a PDF file through the real print path (the run's checks, its
// plan, the sheet drawer and the Qt print target), rasterises every page at 300 dpi and reads the
// symbols back with a real decoder (zbarimg from zbar-tools): every label's code must decode to
// the text expected for it, at the label's own place on its sheet.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <map>

#include "app/startup.h"
#include "blocks/block_store.h"
#include "model/main_model.h"
#include "print/label_geometry.h"
#include "print/layout_printing.h"
#include "print/qt_print_target.h"
#include "print/run_checks.h"
#include "print/run_plan.h"
#include "print/symbol_shapes.h"
#include "support/qt_printers.h"
#include "support/recording_target.h"
#include "support/scripted_prompter.h"
#include "support/test_barcodes.h"

namespace {

constexpr double kDpi = 300;
constexpr double kTwipsPerDot = 1440 / kDpi;
constexpr double kLabelTwips = 5760;
constexpr double kPageRowTwips = 16 * 240 + 330;

// A place on a sheet: page row and half (0 left, 1 right).
using Place = std::pair<int, int>;

class BarcodeDecoderTest : public testing::Test {
 protected:
  void SetUp() override {
    if (QStandardPaths::findExecutable(u"zbarimg"_qs).isEmpty() ||
        QStandardPaths::findExecutable(u"pdftoppm"_qs).isEmpty()) {
      GTEST_SKIP() << "zbarimg (zbar-tools) or pdftoppm (poppler-utils) is not installed";
    }
    ASSERT_TRUE(folder_.isValid());
  }

  // The run: block 1 is cartons 1–12, five to a pallet from pallet 1; block 2 is cartons 101–108,
  // five to a pallet from pallet 7; 20 labels on three sheets. The label's text rows stay below
  // the symbol.
  MainModel Run(const BarcodeSettings& barcode) {
    MainModel model;
    model.work_dir = folder_.path();
    StartUp(model);
    model.pallet_row = 12;
    model.carton_row = 13;
    model.l_last = u"No"_qs;
    model.block_count = 2;
    const struct {
      int32_t start, end;
      int16_t pallet;
    } blocks[] = {{1, 12, 1}, {101, 108, 7}};
    for (int block = 1; block <= 2; ++block) {
      BlockEntry& entry = model.blocks[block];
      entry.blk_start = blocks[block - 1].start;
      entry.blk_end = blocks[block - 1].end;
      entry.blk_pbox = 5;
      entry.blk_p_start = blocks[block - 1].pallet;
      entry.blk_mix = u"No"_qs;
      entry.blk_content[11] = u"MADE IN TAIWAN"_qs;
      entry.blk_content[15] = u"台灣製造"_qs;
      for (int row = 0; row <= model.max_line; ++row) entry.blk_array[row] = u"置中"_qs;
    }
    model.current_block = 1;
    LoadBlock(model, 1);
    model.barcode = barcode;
    return model;
  }

  // Checks and prints the whole run of `model` into a PDF file, as 印吧 does without a printer.
  QString Print(MainModel& model) {
    ScriptedPrompter prompter;
    EXPECT_TRUE(CheckRun(model, prompter)) << prompter.messages.join(u'|').toStdString();
    const RunPlan plan = RunPlan::Of(model);
    PrintDestination destination;
    destination.pdf_path = QDir(folder_.path()).filePath(u"labels.pdf"_qs);
    QtPrintTarget target;
    const LabelGeometry geometry = LabelGeometry::Of(model, PaperSetupOf(target, destination));
    const PrintLayout layout(plan, PrintChoice{}, geometry.shape());
    RecordingTarget feedback;  // only its progress
    SymbolShapes shapes;
    EXPECT_TRUE(
        PrintLayoutTo(model, layout, geometry, destination, prompter, target, feedback, shapes));
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(u'|').toStdString();
    // Label 1's corner on the paper.
    origin_ = geometry.OnPaper().LabelRect(0, 0).topLeft();
    return destination.pdf_path;
  }

  // What zbarimg reads on each page, place by place: each label's room on the rasterised sheet is
  // cut out and read on its own, so a symbol counts only at the label it was printed on.
  std::vector<std::map<Place, QStringList>> Decode(const QString& pdf, int pages) {
    const QString prefix = QDir(folder_.path()).filePath(u"page"_qs);
    EXPECT_EQ(QProcess::execute(u"pdftoppm"_qs, {u"-r"_qs, QString::number(kDpi), u"-gray"_qs,
                                                 u"-png"_qs, pdf, prefix}),
              0);
    std::vector<std::map<Place, QStringList>> read(pages);
    for (int page = 1; page <= pages; ++page) {
      const QImage sheet(QStringLiteral("%1-%2.png").arg(prefix).arg(page));
      EXPECT_FALSE(sheet.isNull()) << "page " << page;
      for (int row = 0; row < 4; ++row) {
        for (int half = 0; half < 2; ++half) {
          const QRectF twips(origin_ + QPointF(half * kLabelTwips, row * kPageRowTwips),
                             QSizeF(kLabelTwips, kPageRowTwips));
          const QRect dots(
              QPoint(int(twips.left() / kTwipsPerDot), int(twips.top() / kTwipsPerDot)),
              QPoint(int(twips.right() / kTwipsPerDot) - 1,
                     int(twips.bottom() / kTwipsPerDot) - 1));
          const QString label =
              QStringLiteral("%1-%2-%3-%4.png").arg(prefix).arg(page).arg(row).arg(half);
          EXPECT_TRUE(sheet.copy(dots).save(label));
          QProcess zbarimg;
          zbarimg.start(u"zbarimg"_qs, {u"-q"_qs, label});
          zbarimg.waitForFinished(60000);
          const QStringList symbols =
              QString::fromUtf8(zbarimg.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
          if (!symbols.isEmpty()) read[page - 1][Place{row, half}] = symbols;
        }
      }
    }
    return read;
  }

  // The places of the run's 20 labels, page by page, each with the text `expected` gives for its
  // block, pallet and carton.
  static std::vector<std::map<Place, QStringList>> Expect(QString (*expected)(int block, int pallet,
                                                                              int carton)) {
    const struct {
      int block;
      int first, last;
      int pallet;
    } blocks[] = {{1, 1, 12, 1}, {2, 101, 108, 7}};
    std::vector<std::map<Place, QStringList>> pages(3);
    int index = 0;
    for (const auto& b : blocks) {
      for (int carton = b.first; carton <= b.last; ++carton, ++index) {
        const int pallet = b.pallet + (carton - b.first) / 5;
        pages[index / 8][Place{index % 8 / 2, index % 2}] = {expected(b.block, pallet, carton)};
      }
    }
    return pages;
  }

  QTemporaryDir folder_;
  QPointF origin_;  // twips from the sheet's corner to the print's (0, 0)
};

TEST_F(BarcodeDecoderTest, EveryLabelOfARunReadsBackAsItsOwnContent) {
  // GS1's published SSCC: extension 1, prefix 0614141, serial reference 123456789, check digit 7.
  ASSERT_EQ(Gs1CheckDigit(u"10614141123456789"_qs), 7);

  const struct {
    const char* name;
    BarcodeSettings settings;
    QString (*expected)(int block, int pallet, int carton);
  } runs[] = {
      {"Code 128 of the carton", TestBarcode(BarcodeKind::kCode128),
       [](int, int, int carton) { return QStringLiteral("CODE-128:%1").arg(carton); }},
      {"SSCC of the carton", TestBarcode(BarcodeKind::kSscc),
       [](int, int, int carton) { return ZbarSscc(carton); }},
      {"QR code with every placeholder",
       TestBarcode(BarcodeKind::kQrCode, u"臺灣製造 B{B} P{P} C{C}"_qs),
       [](int block, int pallet, int carton) {
         return QStringLiteral("QR-Code:臺灣製造 B%1 P%2 C%3").arg(block).arg(pallet).arg(carton);
       }},
  };
  for (const auto& run : runs) {
    SCOPED_TRACE(run.name);
    MainModel model = Run(run.settings);
    const auto read = Decode(Print(model), 3);
    const auto expected = Expect(run.expected);
    for (int page = 0; page < 3; ++page) {
      SCOPED_TRACE(page + 1);
      EXPECT_EQ(read[page], expected[page]);
    }
  }
}

}  // namespace
