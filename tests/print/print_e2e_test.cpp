// Prints a small consignment on the system's default printer and reads the printed PDF back. The
// test printer is the CUPS queue LABELS that scripts/test-printer sets up: it writes every job,
// unchanged, to /tmp/printout/last.pdf.

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "app/print_button.h"
#include "history/history_files.h"
#include "model/main_model.h"
#include "model/start_values.h"
#include "print/printer_fits.h"
#include "print/qt_print_target.h"
#include "support/printout.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace {

const QString kQueue = QStringLiteral("LABELS");
const QString kPrintout = QStringLiteral("/tmp/printout/last.pdf");

using printout::Word;

bool WaitForPrintout() { return printout::WaitFor(kQueue, kPrintout); }

QList<Word> WordsOn(int page) { return printout::WordsOn(kPrintout, page); }

}  // namespace

TEST(PrintToPrinter, SmallConsignmentComesOutOfTheDefaultPrinterInItsColumns) {
  const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
  if (printer.isNull())
    GTEST_SKIP() << "No default printer: start the test printer with scripts/test-printer.";
  // Any other default printer is a real one: it would print on paper.
  if (printer.printerName() != kQueue)
    GTEST_SKIP() << "The default printer is not the test queue LABELS.";

  TempFolder folder;
  MainModel model;
  model.work_dir = folder.path();
  SetStartValues(model);
  model.l_content[0] = QStringLiteral("MADE IN TAIWAN");
  model.l_content[3] = QStringLiteral("P/NO.:");
  model.l_content[4] = QStringLiteral("C/NO.:");
  model.l_content[6] = QStringLiteral("Q'TY :          PCS.");
  model.l_content[10] = QStringLiteral("台灣製造");
  model.l_content[11] = QStringLiteral("R.O.C.");
  model.l_array[11] = QStringLiteral("靠右");
  model.pallet_row = 3;
  model.carton_row = 4;
  model.l_start = QStringLiteral("1");
  model.l_end = QStringLiteral("10");
  model.l_pbox = QStringLiteral("4");
  model.l_p_start_text = QStringLiteral("7");
  model.l_last = QStringLiteral("No");

  QFile::remove(kPrintout);
  ASSERT_FALSE(QFileInfo::exists(kPrintout)) << "cannot remove the old printout";
  ScriptedPrompter prompter;
  QtPrintTarget target;
  QuietFeedback feedback;
  ASSERT_TRUE(PrintButton(model, prompter, target, feedback, PrinterFits{}))
      << prompter.messages.join(u'\n').toStdString();
  EXPECT_TRUE(prompter.messages.isEmpty());
  ASSERT_TRUE(WaitForPrintout()) << "the printer wrote nothing within a minute";

  // Ten labels: five page rows, four on the first sheet and one on the second.
  const QString info = printout::Output(QStringLiteral("pdfinfo"), {kPrintout});
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))))
      << info.toStdString();
  EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();

  // The grid starts at the printable area's corner: 6 points a column, 12 points a line.
  const QRectF area =
      QPrinter(printer, QPrinter::HighResolution).pageLayout().paintRect(QPageLayout::Point);
  const auto expect_at = [&](const QList<Word>& words, const QString& text, int column,
                             double line_top) {
    bool found = false;
    for (const Word& w : words) {
      if (w.text != text || std::abs(w.x - (area.left() + (column - 1) * 6)) > 1.0) continue;
      // The word's box starts a little below the line's top, by the font's ascent less its glyphs.
      if (w.y >= area.top() + line_top - 1 && w.y <= area.top() + line_top + 4) found = true;
    }
    EXPECT_TRUE(found) << text.toStdString() << " not at column " << column << ", line top "
                       << line_top;
  };
  const QList<Word> first = WordsOn(1);
  expect_at(first, QStringLiteral("MADE"), 17, 0);
  expect_at(first, QStringLiteral("MADE"), 65, 0);
  expect_at(first, QStringLiteral("P/NO."), 20, 3 * 12);
  expect_at(first, QStringLiteral("C/NO."), 68, 4 * 12);
  expect_at(first, QStringLiteral("Q'TY"), 14, 6 * 12);
  expect_at(first, QStringLiteral("PCS."), 30, 6 * 12);
  expect_at(first, QStringLiteral("台灣製造"), 20, 10 * 12);
  expect_at(first, QStringLiteral("R.O.C."), 42, 11 * 12);
  expect_at(first, QStringLiteral("R.O.C."), 90, 11 * 12);
  // The second page row starts 16 lines and a gap of 330 twips (16.5 points) below the first.
  expect_at(first, QStringLiteral("MADE"), 17, 16 * 12 + 16.5);

  // Pallet 7 takes cartons 1 to 4, pallet 8 cartons 5 to 8; cartons 9 and 10 fill the second sheet.
  QList<Word> by_line = first;
  std::stable_sort(by_line.begin(), by_line.end(),
                   [](const Word& a, const Word& b) { return a.y + 1 < b.y; });
  QStringList numbers;
  for (const Word& w : by_line) {
    if (w.text.front().isDigit() && w.x < area.left() + 6 * 48) numbers << w.text;
  }
  EXPECT_EQ(numbers, (QStringList{"7", "1", "7", "3", "8", "5", "8", "7"}));
  const QList<Word> second = WordsOn(2);
  expect_at(second, QStringLiteral("9"), 28, 4 * 12);
  expect_at(second, QStringLiteral("10"), 76, 4 * 12);

  // The run left its template as the newest history record.
  EXPECT_TRUE(QFileInfo::exists(folder.File(HistoryFileName(QStringLiteral("record_"), 1))));
}
