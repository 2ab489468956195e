#include "stock/calibration_sheet.h"

#include <gtest/gtest.h>

#include "print/printer_fits.h"
#include "support/recording_surface.h"
#include "support/recording_target.h"
#include "support/scripted_prompter.h"
#include "support/test_geometry.h"

namespace {

using Shape = RecordingSurface::Shape;

constexpr double kMm = 1440 / 25.4;
// An office printer's printable area: 12 points from every edge of the A4 sheet.
const QRectF kOfficeArea(240, 240, 11420, 16360);
const LabelStock kA4Eight = test_geometry::Stock("a4-8");

// The lines of one width, as the sheet drew them.
QList<QLineF> LinesOfWidth(const RecordingSurface& surface, double width_mm) {
  QList<QLineF> lines;
  for (const Shape& shape : surface.shapes()) {
    if (shape.kind == Shape::kLine && qAbs(shape.width - width_mm * kMm) < 1e-9) {
      lines << QLineF(shape.rect.topLeft(), shape.rect.bottomRight());
    }
  }
  return lines;
}

RecordingSurface Draw(const CalibrationSheet& sheet) {
  RecordingSurface surface;
  DrawCalibrationSheet(surface, sheet);
  return surface;
}

void ExpectNear(const QPointF& actual, const QPointF& expected) {
  EXPECT_NEAR(actual.x(), expected.x(), 1e-6);
  EXPECT_NEAR(actual.y(), expected.y(), 1e-6);
}

}  // namespace

TEST(CalibrationSheet, OutlinesAndCrossesStandWhereTheStockHasItsLabels) {
  CalibrationSheet sheet;
  sheet.printable = kOfficeArea;
  const RecordingSurface surface = Draw(sheet);
  EXPECT_EQ(surface.pages(), 1);

  // Two across and four down, 105 × 74.25 mm edge to edge: they cover the sheet. The print's
  // (0, 0) is the printable area's corner, so the paper's edge lies at -240 twips.
  const QList<QLineF> outlines = LinesOfWidth(surface, 0.2);
  ASSERT_EQ(outlines.size(), 32);
  for (int label = 0; label < 8; ++label) {
    SCOPED_TRACE(label);
    const QPointF corner =
        QPointF(label % 2 * 105, label / 2 * 74.25) * kMm - kOfficeArea.topLeft();
    const QPointF size = QPointF(105, 74.25) * kMm;
    ExpectNear(outlines[4 * label].p1(), corner);
    ExpectNear(outlines[4 * label].p2(), corner + QPointF(size.x(), 0));
    ExpectNear(outlines[4 * label + 1].p2(), corner + size);
    ExpectNear(outlines[4 * label + 2].p2(), corner + QPointF(0, size.y()));

    const QList<QLineF> crosses = LinesOfWidth(surface, 0.6);
    ASSERT_EQ(crosses.size(), 16);
    ExpectNear(crosses[2 * label].center(), corner);
    ExpectNear(crosses[2 * label + 1].center(), corner);
    EXPECT_NEAR(crosses[2 * label].length(), 10 * kMm, 1e-6);
  }

  // A roll: one label, the page; the label printed on it is the designed one scaled to its
  // width and centred, and its text begins at that label's corner.
  sheet.stock = test_geometry::Stock("roll-4x6in");
  sheet.printable = QRectF(0, 0, 5760, 8640);
  ASSERT_EQ(sheet.Labels(), QList<QRectF>{QRectF(0, 0, 5760, 8640)});
  const double scale = 4 * 25.4 / 105;
  ASSERT_EQ(sheet.TextStarts().size(), 1);
  ExpectNear(sheet.TextStarts()[0], QPointF(0, (8640 - 74.25 * kMm * scale) / 2));
}

TEST(CalibrationSheet, TheOffsetsMoveEverythingAndTheTextMarksFollowThePitch) {
  CalibrationSheet sheet;
  sheet.printable = kOfficeArea;
  const RecordingSurface plain = Draw(sheet);
  sheet.fit = PrinterFit{15, -20, 7425};
  const QPointF offset = QPointF(1.5, -2) * kMm;
  const RecordingSurface moved = Draw(sheet);

  // Outlines and crosses are placed from the paper's edge; only the offsets move them.
  const QList<QLineF> before = LinesOfWidth(plain, 0.2) + LinesOfWidth(plain, 0.6);
  const QList<QLineF> after = LinesOfWidth(moved, 0.2) + LinesOfWidth(moved, 0.6);
  ASSERT_EQ(after.size(), before.size());
  for (qsizetype i = 0; i < before.size(); ++i) {
    ExpectNear(after[i].p1(), before[i].p1() + offset);
    ExpectNear(after[i].p2(), before[i].p2() + offset);
  }

  // The sheet names the figures as they were typed, not as the twips round them.
  QStringList notes;
  for (const RecordingSurface::Text& text : moved.texts()) notes << text.text;
  EXPECT_TRUE(notes.contains(QStringLiteral("水平位移 +1.5 公釐, 垂直位移 -2.0 公釐")));
  EXPECT_TRUE(notes.contains(QStringLiteral("每排標籤的距離 74.25 公釐")));

  // A label's text begins at its column 1 of the first line, page rows a pitch apart: the
  // template's 4170 twips, or the printer's own.
  for (const auto& [surface, pitch, offset] :
       {std::tuple(&plain, 4170.0, QPointF()), std::tuple(&moved, 4209.0, offset)}) {
    const QList<QLineF> marks = LinesOfWidth(*surface, 0.3);
    ASSERT_EQ(marks.size(), 16);
    for (int place = 0; place < 8; ++place) {
      SCOPED_TRACE(place);
      ExpectNear(marks[2 * place].p1(), QPointF(place % 2 * 5760, place / 2 * pitch) + offset);
    }
    QStringList samples;
    for (const RecordingSurface::Text& text : surface->texts()) {
      if (text.text == QStringLiteral("標籤文字"))
        samples << QString::number(qRound(text.y - offset.y()));
    }
    EXPECT_EQ(samples, (QStringList{"0", "0", QString::number(pitch), QString::number(pitch),
                                    QString::number(2 * pitch), QString::number(2 * pitch),
                                    QString::number(3 * pitch), QString::number(3 * pitch)}));
  }
}

TEST(CalibrationSheet, RulersCountMillimetresFromThePapersEdgeInsideThePrintableArea) {
  CalibrationSheet sheet;
  sheet.printable = kOfficeArea;
  const RecordingSurface surface = Draw(sheet);
  const QList<QLineF> ticks = LinesOfWidth(surface, 0.15);
  QList<QLineF> top, left;
  for (const QLineF& tick : ticks) (tick.dx() == 0 ? top : left) << tick;
  // Whole millimetres from 5 to 205 across and from 5 to 292 down.
  ASSERT_EQ(top.size(), 201);
  ASSERT_EQ(left.size(), 288);
  EXPECT_NEAR(top.first().x1(), 5 * kMm - 240, 1e-6);
  EXPECT_NEAR(left.last().y1(), 292 * kMm - 240, 1e-6);
  for (const QLineF& tick : top + left) {
    EXPECT_GE(qMin(tick.x1(), tick.x2()), 0);
    EXPECT_GE(qMin(tick.y1(), tick.y2()), 0);
  }
  // Every tenth millimetre is long and numbered.
  EXPECT_NEAR(top[5].length(), 5 * kMm, 1e-6);
  EXPECT_NEAR(top[6].length(), 2 * kMm, 1e-6);
  bool numbered = false;
  for (const RecordingSurface::Text& text : surface.texts()) {
    numbered |= text.text == u"10" && qAbs(text.x - (10.5 * kMm - 240)) < 1e-6;
  }
  EXPECT_TRUE(numbered);
}

TEST(CalibrationSheet, PrintsOnTheChosenPrinterOrIntoAPdfFileAndSaysWhenItCannot) {
  const PrinterFit fit{5, -7, {}};
  {
    ScriptedPrompter prompter;
    RecordingTarget target;
    target.printers << QStringLiteral("OFFICE");
    ASSERT_TRUE(
        PrintCalibrationSheet(QStringLiteral("OFFICE"), fit, kA4Eight, prompter, target, target));
    ASSERT_EQ(target.destinations.size(), 1);
    EXPECT_EQ(target.destinations[0].printer, QStringLiteral("OFFICE"));
    EXPECT_TRUE(target.closed);
    EXPECT_EQ(target.surface.sheets(), 1);
    EXPECT_EQ(target.surface.placement().offset,
              fit.ToStockFit().offset - target.printable.topLeft());
    EXPECT_TRUE(prompter.messages.isEmpty());
  }
  {
    // PDF files: the file the user chooses; none chosen, nothing printed.
    ScriptedPrompter prompter;
    RecordingTarget target;
    EXPECT_FALSE(PrintCalibrationSheet(QString(), fit, kA4Eight, prompter, target, target));
    EXPECT_EQ(target.pdf_questions, 1);
    EXPECT_TRUE(target.opened.isEmpty());
    target.pdf_answer = QStringLiteral("/tmp/sheet.pdf");
    EXPECT_TRUE(PrintCalibrationSheet(QString(), fit, kA4Eight, prompter, target, target));
    EXPECT_EQ(target.opened, QStringList{QStringLiteral("/tmp/sheet.pdf")});
  }
  const struct {
    const char* what;
    QString printer;
    int fail_at_sheet;
    bool close_fails;
    const char* message;
  } failures[] = {
      {"a printer that is gone", QStringLiteral("GONE"), 0, false, "找不到印表機「GONE」"},
      {"a printer that fails", QStringLiteral("LABELS"), 1, false, "印表機發生錯誤"},
      {"a document that cannot be finished", QStringLiteral("LABELS"), 0, true, "印表機發生錯誤"},
  };
  for (const auto& f : failures) {
    SCOPED_TRACE(f.what);
    ScriptedPrompter prompter;
    RecordingTarget target;
    target.fail_at_sheet = f.fail_at_sheet;
    target.close_fails = f.close_fails;
    EXPECT_FALSE(PrintCalibrationSheet(f.printer, fit, kA4Eight, prompter, target, target));
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].contains(QString::fromUtf8(f.message)));
  }
}
