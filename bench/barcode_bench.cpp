// Renders sheets of eight labels with a barcode on every label into a PDF file through the paged
// painter surface, as the print run will, and prints sheets a second, peak memory and file size.
// The labels' text rows go through the real label renderer; the same run without barcodes is the
// yardstick.
//
//   barcode_bench [sheets [name]]    (default 4096 sheets; only the runs whose name contains name)
//   barcode_bench --sample FILE.pdf  one sheet each of Code 128, SSCC and QR code, to look at

#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <cstdio>

#include "app/startup.h"
#include "barcode/barcode_drawing.h"
#include "model/fonts.h"
#include "model/main_model.h"
#include "print/label_renderer.h"
#include "print/paged_surface.h"

namespace {

constexpr int kPageRows = 4;

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long PeakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

MainModel LabelModel() {
  MainModel model;
  model.work_dir = QStringLiteral("/nonexistent");
  StartUp(model);
  BlockEntry& entry = model.blocks[1];
  for (int row = 0; row < MainModel::kRows; ++row) entry.blk_array[row] = QStringLiteral("置中");
  entry.blk_array[11] = QStringLiteral("靠右");
  entry.blk_array[15] = QStringLiteral("靠左");
  return model;
}

// The rows of one label, the carton and pallet numbers in rows 3 and 4 as a run fills them; the
// upper rows stay free for the symbol.
void FillLabel(PrintBuffer& buffer, int half, int64_t carton) {
  static const QStringList rows{QString(),
                                QString(),
                                QString(),
                                QString(),
                                QString(),
                                QString(),
                                QStringLiteral("ACME TRADING CO."),
                                QStringLiteral("HAMBURG"),
                                QStringLiteral("P/NO. : %1"),
                                QStringLiteral("C/NO. : %1"),
                                QStringLiteral("Q'TY :          PCS."),
                                QStringLiteral("MADE IN TAIWAN"),
                                QStringLiteral("R.O.C."),
                                QStringLiteral("台灣製造"),
                                QString(),
                                QStringLiteral("FRAGILE")};
  for (int row = 0; row < MainModel::kRows; ++row) {
    buffer[row][half] = rows[row].contains(u"%1")
                            ? rows[row].arg(row == 8 ? (carton + 9) / 10 : carton)
                            : rows[row];
  }
}

struct Result {
  bool ok = false;
  int encoded = 0;
};

// `sheets` sheets of eight labels into `pdf`: the text rows when `text`, and a symbol of
// `settings` on every label.
Result Render(const QString& pdf, int sheets, const BarcodeSettings& settings, bool text) {
  QPdfWriter writer(pdf);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(6.35, 12.7, 6.35, 12.7), QPageLayout::Millimeter));
  PagedSurface surface(writer);
  surface.SetFont(kMingFont, 12);
  MainModel model = LabelModel();
  PageRow row{{}, {1, 1}, {true, true}};
  PictureCache pictures;
  BarcodeEncoder encoder;
  int64_t carton = 1;
  for (int sheet = 0; sheet < sheets; ++sheet) {
    for (int page_row = 0; page_row < kPageRows; ++page_row) {
      const double top = page_row * kPageRowPitchTwips;
      for (int half = 0; half < 2; ++half) {
        const BarcodeLabel label{1, (carton + 9) / 10, carton, false};
        if (settings.kind != BarcodeKind::kNone) {
          DrawBarcode(surface, settings, ComposeContent(settings, label).text,
                      half * kLabelWidthTwips, top, encoder);
        }
        if (text) FillLabel(row.texts, half, carton);
        ++carton;
      }
      if (text) {
        surface.SetX(0);
        surface.SetY(top);
        PrintLabel(surface, model, row, pictures);
      }
    }
    surface.NewPage();
  }
  surface.EndDocument();
  return {!surface.failed(), encoder.encoded()};
}

// Only the runs whose name contains this, when given.
QString only;

void Bench(const QString& folder, const char* name, int sheets, const BarcodeSettings& settings,
           bool text) {
  if (!QString::fromUtf8(name).contains(only)) return;
  const QString pdf = folder + QStringLiteral("/bench.pdf");
  QElapsedTimer timer;
  timer.start();
  const double cpu_start = CpuSeconds();
  const Result result = Render(pdf, sheets, settings, text);
  const double seconds = timer.nsecsElapsed() / 1e9;
  const double cpu = CpuSeconds() - cpu_start;
  std::printf(
      "%-24s %5d sheets  wall %6.2f s = %4.0f sheets/s  cpu %6.2f s = %4.0f sheets/s"
      "  peak %3ld MB  pdf %6.2f MB  encoded %6d%s\n",
      name, sheets, seconds, sheets / seconds, cpu, sheets / cpu, PeakKilobytes() / 1024,
      QFileInfo(pdf).size() / 1048576.0, result.encoded, result.ok ? "" : "  (FAILED)");
  std::fflush(stdout);
  QFile::remove(pdf);
}

// The check a run makes of every label before it prints.
void BenchChecks(int labels, const BarcodeSettings& settings) {
  BarcodeEncoder encoder;
  QElapsedTimer timer;
  timer.start();
  int refused = 0;
  for (int64_t carton = 1; carton <= labels; ++carton) {
    if (CheckLabelBarcode(settings, {1, (carton + 9) / 10, carton, false}, encoder)) ++refused;
  }
  const double seconds = timer.nsecsElapsed() / 1e9;
  std::printf("%-24s %5d labels  wall %6.2f s = %6.0f labels/s  refused %d\n", "checks, Code 128",
              labels, seconds, labels / seconds, refused);
}

BarcodeSettings Settings(BarcodeKind kind) {
  BarcodeSettings settings;
  settings.kind = kind;
  settings.content_template = kind == BarcodeKind::kQrCode
                                  ? QStringLiteral("臺灣製造 PO4711 C/NO. {C} P/NO. {P}")
                                  : QStringLiteral("{C}");
  settings.company_prefix = QStringLiteral("4712345");
  settings.left_mm = 8;
  settings.top_mm = 3;
  settings.height_mm = kind == BarcodeKind::kQrCode ? 18 : 12;
  return settings;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  InstallFontSubstitutions();

  if (argc == 3 && qstrcmp(argv[1], "--sample") == 0) {
    const QString pdf = QString::fromLocal8Bit(argv[2]);
    bool ok = true;
    for (BarcodeKind kind : {BarcodeKind::kCode128, BarcodeKind::kSscc, BarcodeKind::kQrCode}) {
      QString name = pdf;
      name.replace(QStringLiteral(".pdf"), QStringLiteral("-%1.pdf").arg(int(kind)));
      ok = Render(name, 1, Settings(kind), true).ok && ok;
    }
    return ok ? 0 : 1;
  }
  const int sheets = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 4096;
  if (argc > 2) only = QString::fromLocal8Bit(argv[2]);
  QTemporaryDir folder;
  std::printf("start: peak %ld MB\n", PeakKilobytes() / 1024);
  Bench(folder.path(), "labels, no barcode", sheets, BarcodeSettings(), true);
  Bench(folder.path(), "Code 128, 1/4 run", sheets / 4, Settings(BarcodeKind::kCode128), true);
  Bench(folder.path(), "Code 128", sheets, Settings(BarcodeKind::kCode128), true);
  Bench(folder.path(), "Code 128, no text rows", sheets, Settings(BarcodeKind::kCode128), false);
  Bench(folder.path(), "SSCC", sheets, Settings(BarcodeKind::kSscc), true);
  Bench(folder.path(), "QR code", sheets, Settings(BarcodeKind::kQrCode), true);
  if (only.isEmpty()) BenchChecks(sheets * 8, Settings(BarcodeKind::kCode128));
  return 0;
}
