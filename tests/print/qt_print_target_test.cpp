#include "print/qt_print_target.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QThread>

#include "model/fonts.h"
#include "print/surface.h"
#include "support/temp_folder.h"

namespace {

void DrawTwoSheets(Surface& surface) {
  surface.SetFont(kMingFont, 12);
  surface.PrintAtColumn(5, QStringLiteral("FIRST"), true);
  surface.NewPage();
  surface.PrintAtColumn(5, QStringLiteral("SECOND"), true);
  surface.NewPage();
}

int PdfPages(const QString& path) {
  QProcess pdfinfo;
  pdfinfo.start(QStringLiteral("pdfinfo"), {path});
  pdfinfo.waitForFinished(30000);
  const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
  const qsizetype at = info.indexOf(QStringLiteral("Pages:"));
  return at < 0 ? -1 : info.mid(at + 6).section(u'\n', 0, 0).trimmed().toInt();
}

}  // namespace

TEST(QtPrintTarget, PdfFileAppearsOnlyWhenComplete) {
  TempFolder folder;
  const QString path = folder.File(QStringLiteral("labels.pdf"));
  folder.Write(QStringLiteral("labels.pdf"), "old");

  QtPrintTarget target;
  Surface* surface = target.Open(PrintDestination{QString(), path, 1, {}});
  ASSERT_NE(surface, nullptr);
  DrawTwoSheets(*surface);
  target.Abort();
  EXPECT_EQ(folder.Read(QStringLiteral("labels.pdf")), "old");

  surface = target.Open(PrintDestination{QString(), path, 1, {}});
  ASSERT_NE(surface, nullptr);
  DrawTwoSheets(*surface);
  EXPECT_FALSE(target.Failed());
  EXPECT_TRUE(target.Close());
  EXPECT_EQ(PdfPages(path), 2);
}

TEST(QtPrintTarget, AbortedJobNeverReachesThePrinter) {
  const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
  if (printer.printerName() != QStringLiteral("LABELS")) {
    GTEST_SKIP() << "Needs the test printer LABELS as the default printer (scripts/test-printer).";
  }
  const QString printout = QStringLiteral("/tmp/printout/last.pdf");
  QFile::remove(printout);
  QtPrintTarget target;
  Surface* surface = target.Open(PrintDestination{});
  ASSERT_NE(surface, nullptr);
  DrawTwoSheets(*surface);
  target.Abort();
  // A job handed over comes out within a fraction of a second (see the end-to-end test).
  QThread::msleep(1500);
  EXPECT_FALSE(QFileInfo::exists(printout));
}
