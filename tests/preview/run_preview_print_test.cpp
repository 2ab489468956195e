// Reprints two torn labels from the whole-run preview on a printer that is not the default, from
// the third place of a half-used sheet, and reads the printed PDF back. The printer is the CUPS
// queue LABELS2 that scripts/test-printer sets up: it writes every job, unchanged, to
// /tmp/printout/second.pdf.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <utility>

#include "app/main_window.h"
#include "history/history_files.h"
#include "support/printout.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"
#include "support/worked_example.h"

namespace {

// Two queues of the test printers with the same printable area, and the files they write.
struct Queue {
  QString name;
  QString printout;
};
const Queue kQueues[] = {{QStringLiteral("LABELS2"), QStringLiteral("/tmp/printout/second.pdf")},
                         {QStringLiteral("LABELS"), QStringLiteral("/tmp/printout/last.pdf")}};

}  // namespace

TEST(PreviewPrint, CartonsFromAStartPlaceOnASecondPrinter) {
  // Whichever of the two is not the machine's default.
  const Queue& second =
      QPrinterInfo::defaultPrinterName() == kQueues[0].name ? kQueues[1] : kQueues[0];
  const QString& kQueue = second.name;
  const QString& kPrintout = second.printout;
  if (!QPrinterInfo::availablePrinterNames().contains(kQueue))
    GTEST_SKIP() << "No queue " << kQueue.toStdString()
                 << ": start the test printers with scripts/test-printer.";

  TempFolder folder;
  const QString old_dir = QDir::currentPath();
  QDir::setCurrent(folder.path());
  auto scripted = std::make_unique<ScriptedPrompter>();
  ScriptedPrompter& prompter = *scripted;
  MainWindow window(std::move(scripted));
  SetUpWorkedExample(window.model());
  window.ShowModel();
  window.show();

  window.findChild<QAction*>(QStringLiteral("action_print_preview"))->trigger();
  RunPreviewWindow* preview = window.run_preview();
  ASSERT_NE(preview, nullptr) << prompter.messages.join(u'\n').toStdString();
  auto* printer = preview->findChild<QComboBox*>(QStringLiteral("printer"));
  EXPECT_EQ(printer->currentText(), QPrinterInfo::defaultPrinterName());
  printer->setCurrentText(kQueue);
  preview->findChild<QSpinBox*>(QStringLiteral("start_place"))->setValue(3);
  for (const auto& [name, text] : {std::pair{"cartons_from", "17"}, {"cartons_to", "18"}}) {
    auto* field = preview->findChild<QLineEdit*>(QLatin1String(name));
    field->selectAll();
    QTest::keyClicks(field, QString::fromLatin1(text));
  }

  QFile::remove(kPrintout);
  ASSERT_FALSE(QFileInfo::exists(kPrintout)) << "cannot remove the old printout";
  QTest::mouseClick(preview->findChild<QPushButton*>(QStringLiteral("print")), Qt::LeftButton);
  EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(u'\n').toStdString();
  ASSERT_TRUE(printout::WaitFor(kQueue, kPrintout)) << "the printer wrote nothing within a minute";

  const QString info = printout::Output(QStringLiteral("pdfinfo"), {kPrintout});
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))))
      << info.toStdString();

  // Places 3 and 4 are the second page row: 16 lines and the 330-twip gap below the first, left
  // and right. The queue's printable area starts 18 points from the left and 36 from the top.
  const double row_top = 36 + 16 * 12 + 16.5;
  QStringList found;
  for (const printout::Word& w : printout::WordsOn(kPrintout, 1)) {
    if (!w.text.front().isDigit()) continue;
    const int half = w.x < 18 + 48 * 6 ? 0 : 1;
    const int line = int(std::floor((w.y - row_top + 2) / 12));
    found << QStringLiteral("%1@%2:%3").arg(w.text).arg(half).arg(line);
  }
  // Pallet 2 on row 4 and the carton number on row 5 of each label; nothing in the first page row.
  found.sort();
  EXPECT_EQ(found, (QStringList{"17@0:4", "18@1:4", "2@0:3", "2@1:3"}));

  // A reprint leaves the history as it was.
  EXPECT_FALSE(QFileInfo::exists(folder.File(HistoryFileName(QStringLiteral("record_"), 1))));
  QDir::setCurrent(old_dir);
}
