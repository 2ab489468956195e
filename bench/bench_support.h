#pragma once

// What the benchmark programs share: the clock and memory readings, the picture they print, the
// answers of a user who says yes to everything, and the shipping mark they print.

#include <sys/resource.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <cstdio>

#include "app/startup.h"
#include "model/main_model.h"
#include "model/prompter.h"
#include "print/print_target.h"

namespace bench {

// Processor seconds of this process, user and system; unlike the wall clock, it does not count
// what other processes took.
inline double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Processor seconds of the calling thread alone: for a run that encodes its barcodes on a second
// thread, what the drawing takes, which is the wall time on a machine with a core to spare.
inline double ThreadCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_THREAD, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The process's peak resident memory so far.
inline double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;
}

// A 200 × 100 logo.
inline void MakePicture(const QString& path) {
  QImage image(200, 100, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setPen(QPen(Qt::darkBlue, 6));
  painter.drawEllipse(10, 10, 180, 80);
  painter.drawText(QRect(0, 0, 200, 100), Qt::AlignCenter, QStringLiteral("LOGO"));
  painter.end();
  image.save(path);
}

// A user who answers every question with yes, saves into `pdf` when asked, and reads no progress.
class YesAnswers : public Prompter, public PrintFeedback {
 public:
  explicit YesAnswers(QString pdf = {}) : pdf_(std::move(pdf)) {}
  void Message(const QString& text) override {
    std::fprintf(stderr, "message: %s\n", qPrintable(text));
  }
  bool AskYesNo(const QString&) override { return true; }
  QString AskPdfPath() override { return pdf_; }
  void StartProgress(int) override {}
  bool SheetsDone(int) override { return true; }
  void EndProgress() override {}

 private:
  QString pdf_;
};

// A job of cartons 1 to `labels`, ten to a pallet, with a full shipping mark (pallet number on row
// 8, carton number on row 9, the top rows free for a barcode) and the logo `picture` (none when
// empty), as the block commands leave it on screen.
inline MainModel ShippingMark(const QString& folder, int labels, const QString& picture) {
  MainModel model;
  model.work_dir = folder;
  StartUp(model);
  const QStringList rows{QString(),
                         QString(),
                         QString(),
                         QString(),
                         QStringLiteral("ACME TRADING CO."),
                         QStringLiteral("(IN DIA.)"),
                         QStringLiteral("HAMBURG"),
                         QStringLiteral("P/NO.:"),
                         QStringLiteral("C/NO.:"),
                         QStringLiteral("ITEM NO. 4711"),
                         QStringLiteral("Q'TY :          PCS."),
                         QStringLiteral("G.WT.:          KGS."),
                         QStringLiteral("SIZE : 40 x 30 x 25 CM"),
                         QStringLiteral("MADE IN TAIWAN"),
                         QStringLiteral("台灣製造"),
                         QStringLiteral("FRAGILE")};
  for (int row = 0; row < MainModel::kRows; ++row) model.l_content[row] = rows[row];
  model.l_array[12] = QStringLiteral("靠右");
  model.l_array[15] = QStringLiteral("靠左");
  model.pallet_row = 7;
  model.carton_row = 8;
  model.l_start = QStringLiteral("1");
  model.l_end = QString::number(labels);
  model.l_pbox = QStringLiteral("10");
  model.l_p_start_text = QStringLiteral("1");
  model.l_last = QStringLiteral("No");
  model.pic_file_name = picture;
  model.pic_size = QStringLiteral("25");
  model.pic_d_left = QStringLiteral("2");
  model.pic_d_top = QStringLiteral("2");
  return model;
}

}  // namespace bench
