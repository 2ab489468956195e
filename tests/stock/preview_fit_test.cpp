// The whole-run preview with the printer settings: its pages shade where the printer cannot print,
// and it prints with the chosen printer's fit after the fit check.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QPrinterInfo>
#include <QPushButton>

#include "app/main_window.h"
#include "preview/sheet_preview.h"
#include "print/run_plan.h"
#include "stock/printer_fit_store.h"
#include "support/recording_target.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"
#include "support/test_geometry.h"
#include "support/worked_example.h"

TEST(PreviewFit, PagesShadeWhereThePrinterCannotPrint) {
  TempFolder folder;
  MainModel model;
  model.work_dir = folder.path();
  SetUpWorkedExample(model);
  const RunPlan plan = RunPlan::Of(model);
  const PrintLayout layout(plan, PrintChoice{}, test_geometry::kA4Eight);
  constexpr int kDpi = 72;  // a point a dot: twips / 20
  const struct {
    const char* what;
    QRectF printable;
    bool corner_shaded;
  } cases[] = {
      {"the generic PDF printer: 18 and 36 points", QRectF(360, 720, 11180, 15400), true},
      {"a printer that prints the whole sheet", QRectF(QPointF(0, 0), kA4.ToSizeF()), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SheetPreview sheets(model, layout, test_geometry::On(test_geometry::Printer(c.printable)));
    const QImage page = sheets.Paint(1, kDpi);
    // In the top margin, in the left margin, in the bottom margin, and inside the printable area
    // where no label text stands.
    for (const QPoint& point : {QPoint(300, 10), QPoint(5, 400), QPoint(300, 835)}) {
      EXPECT_EQ(page.pixelColor(point) != QColor(Qt::white), c.corner_shaded) << point.x();
    }
    EXPECT_EQ(page.pixelColor(QPoint(300, 600)), QColor(Qt::white));
  }
}

TEST(PreviewFit, PrintsWithTheChosenPrintersFitAfterTheFitCheck) {
  const QString queue = QPrinterInfo::defaultPrinterName();
  if (queue != u"LABELS")
    GTEST_SKIP() << "No default queue LABELS: start the test printers with scripts/test-printer.";
  // The default printer's stock sits 3 mm higher: the first lines go past the top of its area.
  const PrinterFit fit{0, -30, 7425};
  ASSERT_TRUE(PrinterFitStore().Save(queue, fit));
  ASSERT_TRUE(PrinterFitStore().Save(QStringLiteral("LABELS2"), PrinterFit{50, 50, {}}));

  TempFolder folder;
  const QString old_dir = QDir::currentPath();
  QDir::setCurrent(folder.path());
  auto scripted = std::make_unique<ScriptedPrompter>();
  ScriptedPrompter& prompter = *scripted;
  MainWindow window(std::move(scripted));
  RecordingTarget target;
  window.SetPreviewPrintServices({&target, &target, {}, {}});
  SetUpWorkedExample(window.model());
  window.ShowModel();
  window.show();

  window.findChild<QAction*>(QStringLiteral("action_print_preview"))->trigger();
  RunPreviewWindow* preview = window.run_preview();
  ASSERT_NE(preview, nullptr) << prompter.messages.join(u'\n').toStdString();
  ASSERT_EQ(preview->findChild<QComboBox*>(QStringLiteral("printer"))->currentText(), queue);
  auto* print = preview->findChild<QPushButton*>(QStringLiteral("print"));

  prompter.answers = {false};
  print->click();
  ASSERT_EQ(prompter.warnings.size(), 1);
  EXPECT_TRUE(prompter.questions[0].contains(u"印表機「LABELS」可以列印的範圍"));
  EXPECT_EQ(prompter.warnings[0].first(),
            QStringLiteral("第 1 排左邊的標籤的第 1 行, 全部 5 張都超出上緣 3.0 公釐"))
      << prompter.questions[0].toStdString();
  EXPECT_TRUE(target.destinations.isEmpty());

  prompter.answers = {true};
  print->click();
  ASSERT_EQ(target.destinations.size(), 1);
  EXPECT_EQ(target.destinations[0].printer, queue);
  StockFit applied = fit.ToStockFit();
  applied.stock = BuiltInStocks().first();
  EXPECT_EQ(target.destinations[0].fit, applied);
  EXPECT_TRUE(target.closed);
  preview->close();
  QDir::setCurrent(old_dir);
  QFile::remove(PrinterFitStore().path());
}
