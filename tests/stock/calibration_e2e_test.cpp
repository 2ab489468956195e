// Prints the calibration sheet on the test queues that scripts/test-printer sets up and reads the
// printed page back as a picture: the label outlines are lines, which no text extraction shows.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPrinterInfo>

#include "print/qt_print_target.h"
#include "stock/calibration_sheet.h"
#include "support/printout.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace {

constexpr int kDpi = 300;
constexpr double kPixelsPerMm = kDpi / 25.4;

// The long straight lines of a page: rows (or columns) of which more than `share` is dark, in
// runs of neighbours; each run's middle, in millimetres from the paper's edge.
QList<double> LongLines(const QImage& page, bool horizontal, double share) {
  const int count = horizontal ? page.height() : page.width();
  const int length = horizontal ? page.width() : page.height();
  QList<double> lines;
  int run_start = -1;
  for (int i = 0; i <= count; ++i) {
    int dark = 0;
    for (int j = 0; i < count && j < length; ++j) {
      const int gray = horizontal ? qGray(page.pixel(j, i)) : qGray(page.pixel(i, j));
      if (gray < 128) ++dark;
    }
    const bool line = i < count && dark > share * length;
    if (line && run_start < 0) run_start = i;
    if (!line && run_start >= 0) {
      lines << (run_start + i) / 2.0 / kPixelsPerMm;
      run_start = -1;
    }
  }
  return lines;
}

}  // namespace

TEST(CalibrationSheetOnAPrinter, TheEightOutlinesComeOutWhereTheStockHasThem) {
  const struct {
    const char* queue;
    const char* printout;
  } queues[] = {{"MARGIN4MM", "/tmp/printout/MARGIN4MM.pdf"}, {"LABELS", "/tmp/printout/last.pdf"}};
  for (const auto& q : queues) {
    SCOPED_TRACE(q.queue);
    const QString queue = QString::fromLatin1(q.queue);
    const QString file = QString::fromLatin1(q.printout);
    if (!QPrinterInfo::availablePrinterNames().contains(queue))
      GTEST_SKIP() << "No queue " << q.queue
                   << ": start the test printers with scripts/test-printer.";
    QFile::remove(file);
    ScriptedPrompter prompter;
    QtPrintTarget target;
    QuietFeedback feedback;
    ASSERT_TRUE(PrintCalibrationSheet(queue, PrinterFit{}, BuiltInStocks().first(), prompter,
                                      target, feedback))
        << prompter.messages.join(u'\n').toStdString();
    ASSERT_TRUE(printout::WaitFor(queue, file));

    TempFolder folder;
    const QString base = folder.File(QStringLiteral("sheet"));
    printout::Output(QStringLiteral("pdftoppm"),
                     {"-r", QString::number(kDpi), "-gray", "-singlefile", file, base});
    const QImage page(base + QStringLiteral(".pgm"));
    ASSERT_FALSE(page.isNull());
    // Qt's A4 is 595 × 842 points, 209.9 mm across: the outline along the paper's right edge
    // lies just off the page.
    EXPECT_NEAR(page.width() / kPixelsPerMm, 209.9, 0.1);
    EXPECT_NEAR(page.height() / kPixelsPerMm, 297, 0.1);

    // A4 8-up stock: two labels of 105 mm across, four of 74.25 mm down, edge to edge. Only the
    // outlines run across most of the sheet.
    const QList<double> across = LongLines(page, true, 0.6);
    const QList<double> down = LongLines(page, false, 0.6);
    const QList<double> rows = {0, 74.25, 148.5, 222.75, 297};
    const QList<double> columns = {0, 105};
    ASSERT_EQ(across.size(), rows.size()) << QDebug::toString(across).toStdString();
    ASSERT_EQ(down.size(), columns.size()) << QDebug::toString(down).toStdString();
    for (qsizetype i = 0; i < rows.size(); ++i) EXPECT_NEAR(across[i], rows[i], 0.2);
    for (qsizetype i = 0; i < columns.size(); ++i) EXPECT_NEAR(down[i], columns[i], 0.2);
  }
}
