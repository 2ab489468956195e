#include "preview/sheet_preview.h"

#include <gtest/gtest.h>

#include <QImage>

#include "print/layout_printing.h"
#include "print/run_checks.h"
#include "print/run_plan.h"
#include "print/symbol_shapes.h"
#include "support/recording_surface.h"
#include "support/recording_target.h"
#include "support/temp_folder.h"
#include "support/test_barcodes.h"
#include "support/test_geometry.h"
#include "support/worked_example.h"

namespace {

// A printer whose stock sits a little off and whose labels are a little further apart.
const StockFit kFit{QPointF(100, -60), 4200.0};

class SheetPreviewTest : public testing::Test {
 protected:
  SheetPreviewTest() {
    model.work_dir = folder.path();
    SetUpWorkedExample(model);
    QImage logo(40, 20, QImage::Format_RGB32);
    logo.fill(Qt::darkBlue);
    logo.save(folder.File(QStringLiteral("logo.png")));
    model.pic_file_name = folder.File(QStringLiteral("logo.png"));
    model.pic_size = QStringLiteral("20");
  }

  LabelGeometry Geometry() const {
    return test_geometry::On(test_geometry::Printer(target.printable, kFit));
  }

  TempFolder folder;
  MainModel model;
  RecordingTarget target;
};

// What a recorded text says and where it stands, moved by `shift` twips.
struct Placed {
  QString text;
  double x, y;
  bool operator==(const Placed&) const = default;
};

QList<Placed> Texts(const QList<RecordingSurface::Text>& texts, const QPointF& shift) {
  QList<Placed> placed;
  for (const auto& t : texts) placed << Placed{t.text, t.x + shift.x(), t.y + shift.y()};
  return placed;
}

}  // namespace

TEST_F(SheetPreviewTest, PageCountFollowsTheChoice) {
  const RunPlan plan = RunPlan::Of(model);
  const struct {
    PrintChoice choice;
    int64_t sheets;
  } cases[] = {
      {{}, 5},
      {{PrintChoice::kWholeRun, 0, 0, 3}, 6},
      {{PrintChoice::kSheets, 2, 4, 1}, 3},
      {{PrintChoice::kCartons, 17, 18, 8}, 2},
  };
  for (const auto& c : cases) {
    const PrintLayout layout(plan, c.choice, test_geometry::kA4Eight);
    EXPECT_EQ(SheetPreview(model, layout, Geometry()).sheets(), c.sheets) << c.choice.start_place;
  }
}

TEST_F(SheetPreviewTest, EachSheetOnScreenIsTheSheetThePrinterGets) {
  model.barcode = TestBarcode(BarcodeKind::kCode128, QStringLiteral("PO-{C}"));
  const RunPlan plan = RunPlan::Of(model);
  for (const PrintChoice& choice : {PrintChoice{PrintChoice::kWholeRun, 0, 0, 3},
                                    PrintChoice{PrintChoice::kCartons, 17, 27, 6}}) {
    SCOPED_TRACE(choice.kind);
    const PrintLayout layout(plan, choice, test_geometry::kA4Eight);
    RecordingTarget printer;
    ScriptedPrompter prompter;
    PrintDestination destination;
    destination.printer = QStringLiteral("LABELS");
    destination.fit = kFit;
    SymbolShapes shapes;
    ASSERT_TRUE(
        PrintLayoutTo(model, layout, Geometry(), destination, prompter, printer, printer, shapes));
    ASSERT_EQ(printer.surface.sheets(), layout.sheets());

    SheetPreview preview(model, layout, Geometry());
    for (int64_t sheet = 1; sheet <= layout.sheets(); ++sheet) {
      SCOPED_TRACE(sheet);
      RecordingSurface screen(kA4.width.value());
      preview.Draw(screen, sheet);
      // The printer's (0, 0) is its printable area's corner; the screen's is the paper's.
      const QPointF corner = target.printable.topLeft();
      const QList<Placed> on_screen = Texts(screen.texts(), -corner);
      EXPECT_FALSE(on_screen.isEmpty());
      EXPECT_EQ(on_screen, Texts(printer.surface.TextsOn(int(sheet)), {}));
      QList<QRectF> screen_pictures;
      QList<QRectF> printed_pictures;
      for (const auto& image : screen.images()) screen_pictures << image.rect.translated(-corner);
      for (const auto& image : printer.surface.images()) {
        if (image.page == sheet) printed_pictures << image.rect;
      }
      EXPECT_EQ(screen_pictures, printed_pictures);
      QList<QRectF> screen_bars;
      QList<QRectF> printed_bars;
      for (const auto& bar : screen.shapes()) screen_bars << bar.rect.translated(-corner);
      for (const auto& bar : printer.surface.shapes()) {
        if (bar.page == sheet) printed_bars << bar.rect;
      }
      EXPECT_FALSE(screen_bars.isEmpty());
      EXPECT_EQ(screen_bars, printed_bars);
    }
  }
}

TEST_F(SheetPreviewTest, TheLabelUnderThePointerIsTheOneDrawnThere) {
  const RunPlan plan = RunPlan::Of(model);
  const PrintLayout layout(plan, PrintChoice{PrintChoice::kCartons, 17, 21, 3},
                           test_geometry::kA4Eight);
  SheetPreview preview(model, layout, Geometry());
  RecordingSurface screen(kA4.width.value());
  const QList<LabelArea> areas = preview.Draw(screen, 1);
  ASSERT_EQ(areas.size(), 5);

  // Every carton number drawn lies in the area of the label that carries it.
  int found = 0;
  for (const auto& text : screen.texts()) {
    if (!text.text.startsWith(u"C/NO. : ")) continue;
    const std::optional<int64_t> label = LabelAtPoint(areas, QPointF(text.x + 10, text.y + 10));
    ASSERT_TRUE(label.has_value()) << text.text.toStdString();
    EXPECT_EQ(QStringLiteral("C/NO. : %1").arg(plan.Label(*label).carton), text.text);
    ++found;
  }
  EXPECT_EQ(found, 5);

  // Places 1 and 2 stay empty; the paper's margin and the gap between page rows hold no label.
  const QPointF origin = target.printable.topLeft() + kFit.offset;
  EXPECT_FALSE(LabelAtPoint(areas, origin + QPointF(1000, 1000)).has_value());
  EXPECT_FALSE(LabelAtPoint(areas, QPointF(100, 100)).has_value());
  const QRectF third = areas[0].rect;
  EXPECT_FALSE(LabelAtPoint(areas, QPointF(third.center().x(), third.bottom() + 20)).has_value());
  EXPECT_EQ(LabelAtPoint(areas, third.center()), 16);  // carton 17
  // Its tooltip names where the reprint puts it; a whole run from place 3 puts label 26 two places
  // later than from place 1.
  EXPECT_EQ(LabelTip(layout, 16), QStringLiteral("第 1 張第 3 格\n第 1 區段\n箱號 17\n墊板 2"));
  model.barcode = TestBarcode(BarcodeKind::kSscc);
  const RunPlan with_barcodes = RunPlan::Of(model);
  const PrintLayout whole(with_barcodes, PrintChoice{PrintChoice::kWholeRun, 0, 0, 3},
                          test_geometry::kA4Eight);
  EXPECT_EQ(
      LabelTip(whole, 26),
      QStringLiteral("第 4 張第 5 格\n第 2 區段\n箱號 27\n墊板 3\n條碼 (00)106141410000000279"));
}

TEST_F(SheetPreviewTest, APageIsWhitePaperWithTheLabelsInk) {
  const RunPlan plan = RunPlan::Of(model);
  const PrintLayout layout(plan, PrintChoice{}, test_geometry::kA4Eight);
  SheetPreview preview(model, layout, test_geometry::On(test_geometry::Printer(target.printable)));
  QList<LabelArea> areas;
  const QImage page = preview.Paint(1, 72, 1.0, &areas);
  EXPECT_EQ(page.size(), QSize(595, 842));  // A4 at 72 dots an inch
  EXPECT_EQ(areas.size(), 8);
  const auto dark_in = [&page](const QRectF& twips) {
    // The lowest page row runs past the foot of the paper with its blank last lines.
    const QRect pixels = QRect(QPoint(int(twips.left() / 20), int(twips.top() / 20)),
                               QPoint(int(twips.right() / 20), int(twips.bottom() / 20)))
                             .intersected(page.rect());
    int dark = 0;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
      for (int x = pixels.left(); x <= pixels.right(); ++x) {
        if (qGray(page.pixel(x, y)) < 128) ++dark;
      }
    }
    return dark;
  };
  // Ink in every label, none in the margin above the first page row.
  for (const LabelArea& area : areas) EXPECT_GT(dark_in(area.rect), 50);
  EXPECT_EQ(dark_in(QRectF(0, 0, 11900, target.printable.top() - 20)), 0);

  // A piece of the page, as a zoomed view draws what is in view, is that piece of the whole page.
  const QRect piece(130, 310, 260, 140);  // across both labels of the second page row
  EXPECT_EQ(preview.Paint(1, 72, 1.0, nullptr, piece), page.copy(piece));
}

TEST(Zoom, StepsFromAStepOrAFitAndTheDotsOfEachZoom) {
  // From 87 % (a fit) in is 100 %, out 75 %; within half a percent of a step is that step; no
  // further than 25 % and 400 %.
  const struct {
    double percent;
    int steps, step;
  } steps[] = {{100, 1, 125},  {100, -2, 67}, {87.3, 1, 100}, {87.3, -1, 75}, {66.8, 1, 75},
               {66.8, -1, 50}, {12, 1, 25},   {400, 1, 400},  {100, -20, 25}};
  for (const auto& s : steps) EXPECT_EQ(ZoomStep(s.percent, s.steps), s.step) << s.percent;

  const QSize view(600, 800);  // 60 dots an inch fit across A4's 8.27 inches
  const QSizeF a4 = kA4.ToSizeF();
  EXPECT_EQ(ZoomDpi(ZoomMode::kPageWidth, a4, view, 10, 96), 70);  // 580 / 8.27
  EXPECT_EQ(ZoomDpi(ZoomMode::kWholePage, a4, view, 10, 96), 66);  // 780 / 11.69
  EXPECT_EQ(ZoomDpi(ZoomMode::kPercent, a4, view, 10, 96, 100), 96);
  EXPECT_EQ(ZoomDpi(ZoomMode::kPercent, a4, view, 10, 96, 67), 64);
  EXPECT_EQ(ZoomDpi(ZoomMode::kPercent, a4, view, 10, 144, 400), kMaxZoomDpi);
  EXPECT_EQ(ZoomDpi(ZoomMode::kWholePage, a4, QSize(0, 0), 10, 96), kMinZoomDpi);
  // A 4 × 6 inch roll label's page fits by its height: 780 / 6.
  EXPECT_EQ(ZoomDpi(ZoomMode::kWholePage, QSizeF(5760, 8640), view, 10, 96), 130);
}
