// Measures the whole-run preview on a long run: the time from opening the window to the first
// sheet on screen, a page flip, and the peak memory (VmHWM) while paging from the first sheet to
// the last; then the same run in Qt's QPrintPreviewDialog, which records every page before it shows
// the first.
//
//   preview_bench                  every measurement, each in a process of its own
//   preview_bench --child preview SHEETS
//   preview_bench --child dialog SHEETS

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

#include "app/startup.h"
#include "bench_support.h"
#include "blocks/block_store.h"
#include "model/fonts.h"
#include "model/main_model.h"
#include "model/prompter.h"
#include "preview/run_preview_window.h"
#include "preview/sheet_view.h"
#include "print/label_geometry.h"
#include "print/paged_surface.h"
#include "print/run_checks.h"
#include "print/run_plan.h"
#include "print/sheet_walk.h"

namespace {

constexpr int kLabelsPerSheet = 8;

// A run of `sheets` full sheets less two labels (4,096 sheets: 32,766 labels, the most the carton
// numbering can print), with the logo, checked as the print button checks it.
MainModel Run(const QString& folder, int64_t sheets) {
  const QString picture = QDir(folder).filePath(QStringLiteral("logo.png"));
  bench::MakePicture(picture);
  MainModel model = bench::ShippingMark(folder, int(sheets * kLabelsPerSheet - 2), picture);
  bench::YesAnswers answers;
  if (!CheckRun(model, answers)) std::fprintf(stderr, "the run does not pass its checks\n");
  return model;
}

double Milliseconds(const QElapsedTimer& timer) { return timer.nsecsElapsed() / 1e6; }

void WaitForPaint(SheetView* view, int painted) {
  while (view->pages_painted() < painted) QCoreApplication::processEvents();
}

int Preview(const MainModel& model) {
  const double start_mb = bench::PeakMegabytes();
  bench::YesAnswers prompter;
  QElapsedTimer timer;
  timer.start();
  auto* window = new RunPreviewWindow(model, prompter);
  window->resize(1100, 850);
  window->show();
  SheetView* view = window->view();
  WaitForPaint(view, 1);
  const double first_ms = Milliseconds(timer);
  const double first_mb = bench::PeakMegabytes();

  // A flip: the next sheet drawn from the plan and put on screen; milliseconds a flip.
  const auto flips = [&] {
    constexpr int kFlips = 50;
    timer.restart();
    for (int i = 0; i < kFlips; ++i) {
      view->ShowSheet(view->sheet() + 1);
      view->viewport()->repaint();
    }
    return Milliseconds(timer) / kFlips;
  };
  const double flip_ms = flips();
  view->SetZoom(ZoomMode::kPercent, 100);
  const double flip_100_ms = flips();
  // The largest zoom draws only the part of the sheet in view.
  view->SetZoom(ZoomMode::kPercent, kZoomSteps.back());
  const double flip_400_ms = flips();
  view->SetZoom(ZoomMode::kWholePage);

  // Every sheet, first to last.
  timer.restart();
  for (qint64 sheet = 1; sheet <= view->sheet_count(); ++sheet) {
    view->ShowSheet(sheet);
    view->viewport()->repaint();
  }
  const double all_s = Milliseconds(timer) / 1000;
  std::printf(
      "preview  %5lld sheets %6lld labels: first sheet %6.1f ms, flip %5.1f ms (100 %%: %5.1f ms,"
      " 400 %%: %5.1f ms), all sheets %5.1f s; peak %5.1f MB (before opening %5.1f, after the first"
      " sheet %5.1f)\n",
      static_cast<long long>(view->sheet_count()),
      static_cast<long long>(window->plan().label_count()), first_ms, flip_ms, flip_100_ms,
      flip_400_ms, all_s, bench::PeakMegabytes(), start_mb, first_mb);
  delete window;
  return 0;
}

int Dialog(const MainModel& model) {
  const double start_mb = bench::PeakMegabytes();
  const RunPlan plan = RunPlan::Of(model);
  PaperSetup paper;
  paper.printable = QRectF(360, 720, 11186, 15398);
  const LabelGeometry geometry = LabelGeometry::Of(model, paper);
  const PrintLayout layout(plan, PrintChoice{}, geometry.shape());
  QElapsedTimer timer;
  timer.start();
  QPrintPreviewDialog dialog;
  int pages = 0;
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [&](QPrinter* printer) {
    PagedSurface surface(*printer);
    SymbolShapes shapes;
    SheetWalk walk(model, layout, geometry, shapes);
    SheetVisitor visitor;
    walk.Walk(surface, visitor);
    pages = surface.pages();
    surface.EndDocument();
  });
  dialog.resize(1100, 850);
  dialog.show();
  for (int i = 0; i < 10; ++i) QCoreApplication::processEvents();
  const double first_ms = Milliseconds(timer);
  std::printf(
      "dialog   %5lld sheets %6lld labels: first page shown %8.1f ms (%d pages recorded); peak "
      "%6.1f MB (before opening %5.1f)\n",
      static_cast<long long>(layout.sheets()), static_cast<long long>(plan.label_count()), first_ms,
      pages, bench::PeakMegabytes(), start_mb);
  return 0;
}

int Child(const QString& what, int64_t sheets) {
  QTemporaryDir folder;
  const MainModel model = Run(folder.path(), sheets);
  return what == u"dialog" ? Dialog(model) : Preview(model);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  InstallFontSubstitutions();
  if (argc == 4 && qstrcmp(argv[1], "--child") == 0) {
    return Child(QString::fromLatin1(argv[2]), QByteArray(argv[3]).toLongLong());
  }
  // Each measurement in a fresh process, so one's peak memory does not hide the next one's.
  const QStringList runs[] = {{"preview", "16"}, {"preview", "512"}, {"preview", "4096"},
                              {"dialog", "16"},  {"dialog", "512"},  {"dialog", "4096"}};
  for (const QStringList& run : runs) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(), QStringList{"--child"} + run);
    child.waitForFinished(-1);
  }
  return 0;
}
