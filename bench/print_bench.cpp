// Renders long print runs through the real print run and painter surface into PDF files and
// prints labels, sheets, wall time, peak memory and file size of each.
//
//   print_bench [folder]           (default: a temporary folder, removed afterwards)
//   print_bench --sample FILE.pdf  only renders nine labels with the picture into FILE.pdf, to look
//   at

#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>

#include "app/startup.h"
#include "model/fonts.h"
#include "model/main_model.h"
#include "model/prompter.h"
#include "app/print_command.h"
#include "print/printer_fits.h"
#include "print/qt_print_target.h"

namespace {

// The run's answers: save as PDF (there is "no printer") into the given file.
class PdfAnswers : public Prompter, public PrintFeedback {
 public:
  explicit PdfAnswers(QString path) : path_(std::move(path)) {}
  void Message(const QString& text) override {
    std::fprintf(stderr, "message: %s\n", qPrintable(text));
  }
  bool AskYesNo(const QString&) override { return true; }
  QString AskPdfPath() override { return path_; }
  void StartProgress(int) override {}
  bool SheetsDone(int) override { return true; }
  void EndProgress() override {}

 private:
  QString path_;
};

class PdfFileTarget : public QtPrintTarget {
 public:
  bool HasDefaultPrinter() const override { return false; }
};

// Processor time of this process, user and system, in seconds: on a busy machine the wall time
// also counts what other processes took.
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

// Renders `labels` labels into `pdf`; false when the run did not print.
bool Render(const QString& folder, const QString& pdf, int labels, const QString& picture) {
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
  model.l_array[11] = QStringLiteral("靠右");
  model.l_array[15] = QStringLiteral("靠左");
  model.pallet_row = 3;
  model.carton_row = 4;
  model.l_start = QStringLiteral("1");
  model.l_end = QString::number(labels);
  model.l_pbox = QStringLiteral("10");
  model.l_p_start_text = QStringLiteral("1");
  model.l_last = QStringLiteral("No");
  model.pic_file_name = picture;
  model.pic_size = QStringLiteral("25");
  model.pic_d_left = QStringLiteral("2");
  model.pic_d_top = QStringLiteral("2");

  PdfAnswers answers(pdf);
  PdfFileTarget target;
  return PrintButton(model, answers, target, answers, PrinterFits{});
}

void Bench(const QString& folder, const char* name, int labels, const QString& picture) {
  const QString pdf = QDir(folder).filePath(QStringLiteral("bench.pdf"));
  QElapsedTimer timer;
  timer.start();
  const double cpu_start = CpuSeconds();
  const bool printed = Render(folder, pdf, labels, picture);
  const double seconds = timer.nsecsElapsed() / 1e9;
  const double cpu = CpuSeconds() - cpu_start;
  const int sheets = (labels + 7) / 8;
  std::printf(
      "%-17s %6d labels %5d sheets  wall %6.2f s = %4.0f sheets/s  cpu %6.2f s = %4.0f sheets/s"
      "  peak %3ld MB  pdf %6.2f MB%s\n",
      name, labels, sheets, seconds, sheets / seconds, cpu, sheets / cpu, PeakKilobytes() / 1024,
      QFileInfo(pdf).size() / 1048576.0, printed ? "" : "  (NOT PRINTED)");
  std::fflush(stdout);
  QFile::remove(pdf);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  InstallFontSubstitutions();

  QTemporaryDir temporary;
  if (argc == 3 && qstrcmp(argv[1], "--sample") == 0) {
    const QString picture = QDir(temporary.path()).filePath(QStringLiteral("logo.png"));
    MakePicture(picture);
    return Render(temporary.path(), QString::fromLocal8Bit(argv[2]), 9, picture) ? 0 : 1;
  }
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
  QDir().mkpath(folder);
  const QString picture = QDir(folder).filePath(QStringLiteral("logo.png"));
  MakePicture(picture);

  std::printf("start: peak %ld MB\n", PeakKilobytes() / 1024);
  Bench(folder, "8000, no picture", 8000, QString());
  Bench(folder, "8000, picture", 8000, picture);
  Bench(folder, "32766, picture", 32766, picture);
  return 0;
}
