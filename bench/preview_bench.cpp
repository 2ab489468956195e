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
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

#include "app/startup.h"
#include "blocks/block_store.h"
#include "model/fonts.h"
#include "model/main_model.h"
#include "model/prompter.h"
#include "preview/run_preview_window.h"
#include "preview/sheet_view.h"
#include "print/paged_surface.h"
#include "print/print_run.h"
#include "print/run_drawing.h"
#include "print/run_plan.h"

namespace {

constexpr int kLabelsPerSheet = 8;

class QuietPrompter : public Prompter {
 public:
  void Message(const QString& text) override {
    std::fprintf(stderr, "message: %s\n", qPrintable(text));
  }
  bool AskYesNo(const QString&) override { return true; }
};

// The process's peak resident memory so far, in megabytes.
double PeakMegabytes() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmHWM:"))
      return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
  }
  return 0;
}

double Milliseconds(const QElapsedTimer& timer) { return timer.nsecsElapsed() / 1e6; }

void MakePicture(const QString& path) {
  QImage image(200, 100, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setPen(QPen(Qt::darkBlue, 6));
  painter.drawEllipse(10, 10, 180, 80);
  painter.drawText(QRect(0, 0, 200, 100), Qt::AlignCenter, QStringLiteral("LOGO"));
  painter.end();
  image.save(path);
}

// A run of `sheets` full sheets less two labels (4,096 sheets: 32,766 labels, the most the carton
// numbering can print), checked as the print button checks it.
MainModel Run(const QString& folder, int64_t sheets) {
  MainModel model;
  model.work_dir = folder;
  StartUp(model);
  const QStringList rows{QStringLiteral("ACME TRADING CO."),
                         QStringLiteral("(IN DIA.)"),
                         QStringLiteral("HAMBURG"),
                         QStringLiteral("P/NO.:"),
                         QStringLiteral("C/NO.:"),
                         QStringLiteral("ITEM NO. 4711"),
                         QStringLiteral("Q'TY :          PCS."),
                         QStringLiteral("N.WT.:          KGS."),
                         QStringLiteral("G.WT.:          KGS."),
                         QStringLiteral("SIZE : 40 x 30 x 25 CM"),
                         QStringLiteral("MADE IN TAIWAN"),
                         QStringLiteral("R.O.C."),
                         QStringLiteral("台灣製造"),
                         QString(),
                         QString(),
                         QStringLiteral("FRAGILE")};
  for (int row = 0; row < MainModel::kRows; ++row) model.l_content[row] = rows[row];
  model.pallet_row = 3;
  model.carton_row = 4;
  model.l_start = QStringLiteral("1");
  model.l_end = QString::number(sheets * kLabelsPerSheet - 2);
  model.l_pbox = QStringLiteral("10");
  model.l_p_start_text = QStringLiteral("1");
  model.l_last = QStringLiteral("No");
  const QString picture = QDir(folder).filePath(QStringLiteral("logo.png"));
  MakePicture(picture);
  model.pic_file_name = picture;
  model.pic_size = QStringLiteral("25");
  QuietPrompter prompter;
  if (!CheckRun(model, prompter)) std::fprintf(stderr, "the run does not pass its checks\n");
  return model;
}

void WaitForPaint(SheetView* view, int painted) {
  while (view->pages_painted() < painted) QCoreApplication::processEvents();
}

int Preview(const MainModel& model) {
  const double start_mb = PeakMegabytes();
  QuietPrompter prompter;
  QElapsedTimer timer;
  timer.start();
  auto* window = new RunPreviewWindow(model, prompter);
  window->resize(1100, 850);
  window->show();
  SheetView* view = window->view();
  WaitForPaint(view, 1);
  const double first_ms = Milliseconds(timer);
  const double first_mb = PeakMegabytes();

  // A flip: the next sheet drawn from the plan and put on screen.
  constexpr int kFlips = 50;
  timer.restart();
  for (int i = 0; i < kFlips; ++i) {
    view->ShowSheet(view->sheet() + 1);
    view->viewport()->repaint();
  }
  const double flip_ms = Milliseconds(timer) / kFlips;
  view->SetZoom(ZoomMode::kActualSize);
  timer.restart();
  for (int i = 0; i < kFlips; ++i) {
    view->ShowSheet(view->sheet() + 1);
    view->viewport()->repaint();
  }
  const double flip_100_ms = Milliseconds(timer) / kFlips;
  view->SetZoom(ZoomMode::kWholePage);

  // Every sheet, first to last.
  timer.restart();
  for (qint64 sheet = 1; sheet <= view->sheet_count(); ++sheet) {
    view->ShowSheet(sheet);
    view->viewport()->repaint();
  }
  const double all_s = Milliseconds(timer) / 1000;
  std::printf(
      "preview  %5lld sheets %6lld labels: first sheet %6.1f ms, flip %5.1f ms (100 %%: %5.1f ms),"
      " all sheets %5.1f s; peak %5.1f MB (before opening %5.1f, after the first sheet %5.1f)\n",
      static_cast<long long>(view->sheet_count()),
      static_cast<long long>(window->plan().label_count()), first_ms, flip_ms, flip_100_ms, all_s,
      PeakMegabytes(), start_mb, first_mb);
  delete window;
  return 0;
}

int Dialog(const MainModel& model) {
  const double start_mb = PeakMegabytes();
  const RunPlan plan = RunPlan::Of(model);
  const PrintLayout layout(plan, PrintChoice{});
  QElapsedTimer timer;
  timer.start();
  QPrintPreviewDialog dialog;
  int pages = 0;
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [&](QPrinter* printer) {
    PagedSurface surface(*printer);
    surface.SetFont(kMingFont, 12);
    SheetDrawer drawer(model, layout);
    for (int64_t sheet = 1; sheet <= layout.sheets(); ++sheet) {
      if (sheet > 1) surface.NewPage();
      drawer.DrawSheet(surface, sheet);
    }
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
      pages, PeakMegabytes(), start_mb);
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
