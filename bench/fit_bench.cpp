// Times the fit check's measuring of a whole run: every sheet drawn onto a surface that only keeps
// where the marks land. Prints the labels, sheets and the best of five times.
//
//   fit_bench

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "app/startup.h"
#include "bench_support.h"
#include "model/fonts.h"
#include "model/main_model.h"
#include "model/prompter.h"
#include "print/fit_check.h"
#include "print/print_run.h"
#include "print/print_target.h"
#include "print/run_plan.h"

namespace {

// The bench's shipping mark with every row filled and the logo, `labels` cartons ten to a pallet.
MainModel Job(const QString& folder, int labels) {
  const QString picture = QDir(folder).filePath(QStringLiteral("logo.png"));
  bench::MakePicture(picture);
  MainModel model = bench::ShippingMark(folder, labels, picture);
  for (int row = 0; row < 4; ++row) {
    model.l_content[row] = QStringLiteral("ROW %1 OF THE SHIPPING MARK 台灣製造").arg(row + 1);
  }
  return model;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  InstallFontSubstitutions();
  QTemporaryDir folder;

  for (const int sheets : {512, 4096}) {
    // Carton numbers stop at 32766: the longest run's last sheet holds six labels.
    MainModel model = Job(folder.path(), std::min(8 * sheets, 32766));
    bench::YesAnswers prompter;
    if (!CheckRun(model, prompter)) return 1;
    const RunPlan plan = RunPlan::Of(model);
    const PrintLayout layout(plan, PrintChoice{});
    // The generic PDF printer's A4, with an office printer's fit to A4 8-up stock.
    const QSizeF printable(11186, 15398);
    const StockFit fit{QPointF(57, 113), 4209};
    double best = 1e9;
    RunExtent extent;
    for (int round = 0; round < 5; ++round) {
      QElapsedTimer timer;
      timer.start();
      extent = MeasureRun(model, layout, fit, printable);
      best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    std::printf(
        "%6lld labels %5lld sheets  measured in %7.1f ms (best of 5)  bounds %.0f×%.0f twips"
        "  first outside: %s\n",
        static_cast<long long>(layout.label_count()), static_cast<long long>(layout.sheets()), best,
        extent.bounds.width(), extent.bounds.height(),
        extent.first_outside ? qPrintable(QStringLiteral("page row %1 line %2")
                                              .arg(extent.first_outside->page_row)
                                              .arg(extent.first_outside->line))
                             : "none");
  }
  return 0;
}
