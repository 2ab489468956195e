// Renders long print runs through the real print run (the print button's checks, the plan, the
// sheet drawer, the Qt print target) into PDF files, with and without a barcode on every label, and
// prints labels, sheets, wall and processor time (of the whole process, and of the drawing thread
// alone: the barcodes are encoded on a second one), peak memory and file size of each; then how
// long the run's checks (every label's barcode among them) and its preflight take on their own.
//
//   print_bench [folder]        every run, each in a process of its own (default folder: a
//                               temporary one, removed afterwards)
//   print_bench --child RUN FOLDER
//   print_bench --pdf RUN FILE.pdf
//                               renders one run of the list into FILE.pdf and keeps it, to compare
//                               two builds' output
//   print_bench --sample FILE.pdf [code128|sscc|qr]
//                               only renders nine labels with the picture (and the barcode) into
//                               FILE.pdf, to look at

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

#include "app/print_button.h"
#include "app/startup.h"
#include "bench_support.h"
#include "model/fonts.h"
#include "model/main_model.h"
#include "model/prompter.h"
#include "print/label_geometry.h"
#include "print/layout_printing.h"
#include "print/preflight.h"
#include "print/printer_fits.h"
#include "print/qt_print_target.h"
#include "print/run_checks.h"
#include "print/run_plan.h"
#include "print/symbol_shapes.h"

namespace {

class PdfFileTarget : public QtPrintTarget {
 public:
  bool HasDefaultPrinter() const override { return false; }
};

// A symbol in the label's free upper right corner, beside the picture.
BarcodeSettings Barcode(BarcodeKind kind) {
  BarcodeSettings settings;
  settings.kind = kind;
  settings.content_template = kind == BarcodeKind::kQrCode
                                  ? QStringLiteral("臺灣製造 PO4711 C/NO. {C} P/NO. {P}")
                                  : QStringLiteral("{C}");
  settings.company_prefix = QStringLiteral("4712345");
  settings.left_mm = kind == BarcodeKind::kSscc ? 36 : kind == BarcodeKind::kQrCode ? 75 : 62;
  settings.top_mm = 1;
  settings.height_mm = kind == BarcodeKind::kQrCode ? 14 : 10;
  return settings;
}

// `labels` labels of the bench's shipping mark, with `barcode` on every label.
MainModel Job(const QString& folder, int labels, const QString& picture,
              const BarcodeSettings& barcode) {
  MainModel model = bench::ShippingMark(folder, labels, picture);
  model.barcode = barcode;
  return model;
}

struct Run {
  const char* name;
  int labels;
  bool picture;
  BarcodeKind barcode;
};

const Run kRuns[] = {
    {"8000, no picture", 8000, false, BarcodeKind::kNone},
    {"8000, picture", 8000, true, BarcodeKind::kNone},
    {"32766, picture", 32766, true, BarcodeKind::kNone},
    {"32766, no picture", 32766, false, BarcodeKind::kNone},
    {"8192, Code 128", 8192, false, BarcodeKind::kCode128},
    {"32766, Code 128", 32766, false, BarcodeKind::kCode128},
    {"8192, SSCC", 8192, false, BarcodeKind::kSscc},
    {"32766, SSCC", 32766, false, BarcodeKind::kSscc},
    {"1024, QR code", 1024, false, BarcodeKind::kQrCode},
    {"32766, QR code", 32766, false, BarcodeKind::kQrCode},
};

// One run of kRuns through the print button into the PDF file `pdf` (in `folder` unless given),
// which is removed afterwards unless given.
int PrintOne(const Run& run, const QString& folder, const QString& kept_pdf = QString()) {
  const QString picture = QDir(folder).filePath(QStringLiteral("logo.png"));
  if (run.picture) bench::MakePicture(picture);
  const QString pdf =
      kept_pdf.isEmpty() ? QDir(folder).filePath(QStringLiteral("bench.pdf")) : kept_pdf;
  MainModel model =
      Job(folder, run.labels, run.picture ? picture : QString(), Barcode(run.barcode));
  bench::YesAnswers answers(pdf);
  PdfFileTarget target;
  QElapsedTimer timer;
  timer.start();
  const double cpu_start = bench::CpuSeconds();
  const double thread_start = bench::ThreadCpuSeconds();
  const bool printed = PrintButton(model, answers, target, answers, PrinterFits{});
  const double seconds = timer.nsecsElapsed() / 1e9;
  const double cpu = bench::CpuSeconds() - cpu_start;
  const double drawing = bench::ThreadCpuSeconds() - thread_start;
  const int sheets = (run.labels + 7) / 8;
  std::printf(
      "%-18s %6d labels %5d sheets  wall %6.2f s = %4.0f sheets/s  cpu %6.2f s = %4.0f sheets/s"
      "  drawing thread %6.2f s = %4.0f sheets/s  peak %3ld MB  pdf %6.2f MB%s\n",
      run.name, run.labels, sheets, seconds, sheets / seconds, cpu, sheets / cpu, drawing,
      sheets / drawing, long(bench::PeakMegabytes()), QFileInfo(pdf).size() / 1048576.0,
      printed ? "" : "  (NOT PRINTED)");
  if (kept_pdf.isEmpty()) QFile::remove(pdf);
  return printed ? 0 : 1;
}

// The print button's checks alone on the 32,766 labels, every label's barcode among them, then the
// preflight of the whole run for the generic PDF printer's A4.
int CheckOnly(BarcodeKind kind, const QString& folder) {
  MainModel model = Job(folder, 32766, QString(), Barcode(kind));
  bench::YesAnswers answers(QString{});
  QElapsedTimer timer;
  timer.start();
  double cpu_start = bench::CpuSeconds();
  SymbolShapes shapes;
  const bool passed = CheckRun(model, answers, shapes);
  const double seconds = timer.nsecsElapsed() / 1e9;
  const double cpu = bench::CpuSeconds() - cpu_start;

  timer.restart();
  cpu_start = bench::CpuSeconds();
  PaperSetup paper;
  paper.printable = QRectF(360, 720, 11186, 15398);
  const LabelGeometry geometry = LabelGeometry::Of(model, paper);
  const RunPlan plan = RunPlan::Of(model);
  const PrintLayout layout(plan, PrintChoice{}, geometry.shape());
  const Preflight preflight = RunPreflight(model, layout, geometry, shapes);
  const double preflight_seconds = timer.nsecsElapsed() / 1e9;
  const double preflight_cpu = bench::CpuSeconds() - cpu_start;
  std::printf(
      "checks, %-10s  32766 labels  4096 sheets  wall %6.3f s  cpu %6.3f s;  preflight wall "
      "%6.3f s  cpu %6.3f s, %lld items, %d encodings%s\n",
      kind == BarcodeKind::kNone      ? "no barcode"
      : kind == BarcodeKind::kCode128 ? "Code 128"
      : kind == BarcodeKind::kSscc    ? "SSCC"
                                      : "QR code",
      seconds, cpu, preflight_seconds, preflight_cpu,
      static_cast<long long>(preflight.items.size()), shapes.encodings(),
      passed ? "" : "  (REFUSED)");
  return passed ? 0 : 1;
}

int Child(const QString& run, const QString& folder) {
  for (const Run& r : kRuns) {
    if (run == QLatin1String(r.name)) return PrintOne(r, folder);
  }
  for (BarcodeKind kind :
       {BarcodeKind::kNone, BarcodeKind::kCode128, BarcodeKind::kSscc, BarcodeKind::kQrCode}) {
    if (run == QStringLiteral("checks %1").arg(int(kind))) return CheckOnly(kind, folder);
  }
  return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  InstallFontSubstitutions();

  QTemporaryDir temporary;
  if (argc >= 3 && qstrcmp(argv[1], "--sample") == 0) {
    const QString picture = QDir(temporary.path()).filePath(QStringLiteral("logo.png"));
    bench::MakePicture(picture);
    const QByteArray kind = argc > 3 ? QByteArray(argv[3]) : QByteArray();
    const BarcodeKind barcode = kind == "code128" ? BarcodeKind::kCode128
                                : kind == "sscc"  ? BarcodeKind::kSscc
                                : kind == "qr"    ? BarcodeKind::kQrCode
                                                  : BarcodeKind::kNone;
    MainModel model = Job(temporary.path(), 9, picture, Barcode(barcode));
    bench::YesAnswers answers(QString::fromLocal8Bit(argv[2]));
    PdfFileTarget target;
    return PrintButton(model, answers, target, answers, PrinterFits{}) ? 0 : 1;
  }
  if (argc == 4 && qstrcmp(argv[1], "--pdf") == 0) {
    for (const Run& r : kRuns) {
      if (QString::fromUtf8(argv[2]) == QLatin1String(r.name)) {
        return PrintOne(r, temporary.path(), QString::fromLocal8Bit(argv[3]));
      }
    }
    return 2;
  }
  if (argc == 4 && qstrcmp(argv[1], "--child") == 0) {
    return Child(QString::fromUtf8(argv[2]), QString::fromLocal8Bit(argv[3]));
  }

  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
  QDir().mkpath(folder);
  // Each run in a fresh process, so one's peak memory does not hide the next one's.
  QStringList children;
  for (const Run& run : kRuns) children << QString::fromLatin1(run.name);
  for (int kind = 0; kind < 4; ++kind) children << QStringLiteral("checks %1").arg(kind);
  for (const QString& run : children) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), run, folder});
    child.waitForFinished(-1);
  }
  return 0;
}
