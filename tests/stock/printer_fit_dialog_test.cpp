#include "stock/printer_fit_dialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/main_window.h"
#include "support/recording_target.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace {

constexpr double kMm = 1440 / 25.4;
const PrinterFit kLabelsFit{-15, 20, 7425};

class PrinterFitDialogTest : public testing::Test {
 protected:
  PrinterFitDialogTest() : store(folder.File(QStringLiteral("printers.conf"))) {}

  // Built after the settings of a case are stored: it shows them.
  PrinterFitDialog& Open() {
    dialog = std::make_unique<PrinterFitDialog>(
        store, prompter, QStringList{QStringLiteral("LABELS"), QStringLiteral("OFFICE")},
        QStringLiteral("LABELS"));
    dialog->SetPrintTarget(&target, &target);
    return *dialog;
  }
  QLineEdit* Field(const char* name) const {
    return dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
  }
  QStringList Fields() const {
    return {Field("offset_x")->text(), Field("offset_y")->text(), Field("pitch")->text()};
  }
  void Type(const char* x, const char* y, const char* pitch) {
    Field("offset_x")->setText(QString::fromUtf8(x));
    Field("offset_y")->setText(QString::fromUtf8(y));
    Field("pitch")->setText(QString::fromUtf8(pitch));
  }
  void Click(const char* button) {
    dialog->findChild<QPushButton*>(QString::fromLatin1(button))->click();
  }
  QComboBox* Printer() const { return dialog->findChild<QComboBox*>(QStringLiteral("printer")); }

  TempFolder folder;
  PrinterFitStore store;
  ScriptedPrompter prompter;
  RecordingTarget target;
  std::unique_ptr<PrinterFitDialog> dialog;
};

}  // namespace

TEST_F(PrinterFitDialogTest, ShowsTheChosenPrintersSetAndStoresWhatIsTypedForItAlone) {
  ASSERT_TRUE(store.Save(QStringLiteral("LABELS"), kLabelsFit));
  Open();
  // Every queue, the default one marked, then PDF files.
  EXPECT_EQ(Printer()->count(), 3);
  EXPECT_EQ(Printer()->currentText(), QStringLiteral("LABELS (預設的印表機)"));
  EXPECT_EQ(Printer()->itemData(2).toString(), QString());
  EXPECT_EQ(Fields(), (QStringList{"-1.5", "2.0", "74.25"}));

  Printer()->setCurrentIndex(1);
  EXPECT_EQ(dialog->queue(), QStringLiteral("OFFICE"));
  EXPECT_EQ(Fields(), (QStringList{"0.0", "0.0", "73.55"}));
  Type("1.5", " -0.5", "74.25");
  Click("save");
  EXPECT_TRUE(prompter.messages.isEmpty());
  const StoredPrinterFits stored = store.Load();
  EXPECT_EQ(stored.Find(QStringLiteral("OFFICE")), (PrinterFit{15, -5, 7425}));
  EXPECT_EQ(stored.Find(QStringLiteral("LABELS")), kLabelsFit);
  EXPECT_FALSE(stored.Find(QString()));
  EXPECT_EQ(Fields(), (QStringList{"1.5", "-0.5", "74.25"}));
  EXPECT_TRUE(prompter.questions.isEmpty());
}

TEST_F(PrinterFitDialogTest, BadInputNamesTheFieldStoresNothingAndKeepsWhatWasTyped) {
  ASSERT_TRUE(store.Save(QStringLiteral("LABELS"), kLabelsFit));
  Open();
  const QByteArray file = folder.Read(QStringLiteral("printers.conf"));
  Type("-1.5", "二", "74.25");
  Click("save");
  ASSERT_EQ(prompter.messages.size(), 1);
  EXPECT_TRUE(prompter.messages[0].startsWith(QStringLiteral("垂直位移")));
  EXPECT_EQ(folder.Read(QStringLiteral("printers.conf")), file);
  EXPECT_EQ(Fields(), (QStringList{"-1.5", "二", "74.25"}));

  // Another printer is not chosen while the typed set can neither be stored nor is given up.
  prompter.answers = {true};
  Printer()->setCurrentIndex(1);
  EXPECT_EQ(prompter.questions.size(), 1);
  EXPECT_EQ(prompter.messages.size(), 2);
  EXPECT_EQ(Printer()->currentIndex(), 0);
  EXPECT_EQ(Fields(), (QStringList{"-1.5", "二", "74.25"}));
  EXPECT_EQ(folder.Read(QStringLiteral("printers.conf")), file);

  // Given up: the other printer's set is shown, and this one's stays as it was stored.
  prompter.answers = {false};
  Printer()->setCurrentIndex(1);
  EXPECT_EQ(dialog->queue(), QStringLiteral("OFFICE"));
  EXPECT_EQ(store.Load().Find(QStringLiteral("LABELS")), kLabelsFit);
}

TEST_F(PrinterFitDialogTest, ClosingOffersToStoreWhatWasTyped) {
  Open();
  dialog->show();
  Type("0.3", "0.0", "73.55");
  prompter.answers = {true};
  dialog->reject();
  EXPECT_EQ(prompter.questions.size(), 1);
  EXPECT_TRUE(prompter.questions[0].contains(QStringLiteral("印表機「LABELS」")));
  EXPECT_EQ(store.Load().Find(QStringLiteral("LABELS")), (PrinterFit{3, 0, {}}));
  EXPECT_FALSE(dialog->isVisible());
}

TEST_F(PrinterFitDialogTest, TheCalibrationSheetIsPrintedWithTheTypedSetOnTheChosenPrinter) {
  Open();
  Field("label_width")->setText(QStringLiteral("110"));
  Type("1.0", "-2.0", "74.25");
  Click("print_sheet");
  ASSERT_EQ(prompter.messages.size(), 1);
  EXPECT_TRUE(prompter.messages[0].startsWith(QStringLiteral("標籤寬度")));
  EXPECT_FALSE(store.Load().Find(QStringLiteral("LABELS")));
  EXPECT_TRUE(target.destinations.isEmpty());

  Field("label_width")->setText(QStringLiteral("105"));
  Click("print_sheet");
  EXPECT_EQ(prompter.messages.size(), 1);
  EXPECT_EQ(store.Load().Find(QStringLiteral("LABELS")), (PrinterFit{10, -20, 7425}));
  ASSERT_EQ(target.destinations.size(), 1);
  EXPECT_EQ(target.destinations[0].printer, QStringLiteral("LABELS"));
  EXPECT_EQ(target.destinations[0].fit.offset, QPointF(1, -2) * kMm);
  EXPECT_EQ(target.surface.sheets(), 1);
}

TEST(PrinterFitMenu, TheMainWindowOpensTheSettingsAndSaysOnceWhenTheyCannotBeRead) {
  const PrinterFitStore store;
  ASSERT_TRUE(store.Save(QStringLiteral("LABELS"), kLabelsFit));
  QFile file(store.path());
  ASSERT_TRUE(file.open(QIODevice::Append));
  file.write("[printers]\nOTHER\\offset_x_mm=far\nOTHER\\offset_y_mm=0.0\n");
  file.close();

  MainWindow window(std::make_unique<ScriptedPrompter>());
  auto& prompter = static_cast<ScriptedPrompter&>(window.prompter());
  EXPECT_EQ(window.printer_fits().printers.value(QStringLiteral("LABELS")),
            kLabelsFit.ToStockFit());
  EXPECT_FALSE(window.printer_fits().printers.contains(QStringLiteral("OTHER")));
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
  ASSERT_EQ(prompter.messages.size(), 1);
  EXPECT_TRUE(prompter.messages[0].contains(QStringLiteral("印表機「OTHER」")));

  // 檔案 → 印表機校正… (its place in the menu: the job menu test).
  const auto* action = window.findChild<QAction*>(QStringLiteral("action_printer_fit"));
  ASSERT_NE(action, nullptr);
  EXPECT_EQ(action->text(), QStringLiteral("印表機校正(&C)…"));
  QFile::remove(store.path());
}
