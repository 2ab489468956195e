#include "stock/printer_fit_dialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/main_window.h"
#include "stock/stock_dialog.h"
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
  QComboBox* Stock() const { return dialog->findChild<QComboBox*>(QStringLiteral("stock")); }
  // The stock window is modal: it is worked once `button` has opened it, by `work`.
  void InStockWindow(const char* button, const std::function<void(StockDialog&)>& work) {
    QTimer::singleShot(0, [&] {
      auto* window = qobject_cast<StockDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(window, nullptr);
      work(*window);
      if (window->isVisible()) window->reject();
    });
    Click(button);
  }

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
  Type("abc", "-2.0", "74.25");
  Click("print_sheet");
  ASSERT_EQ(prompter.messages.size(), 1);
  EXPECT_TRUE(prompter.messages[0].startsWith(QStringLiteral("水平位移")));
  EXPECT_FALSE(store.Load().Find(QStringLiteral("LABELS")));
  EXPECT_TRUE(target.destinations.isEmpty());

  // On the stock chosen for the printer, stored with its set first.
  Type("1.0", "-2.0", "74.25");
  Stock()->setCurrentIndex(Stock()->findData(QStringLiteral("a4-8-74.25")));
  Click("print_sheet");
  EXPECT_EQ(prompter.messages.size(), 1);
  EXPECT_EQ(store.Load().Find(QStringLiteral("LABELS")),
            (PrinterFit{10, -20, 7425, QStringLiteral("a4-8-74.25")}));
  ASSERT_EQ(target.destinations.size(), 1);
  EXPECT_EQ(target.destinations[0].printer, QStringLiteral("LABELS"));
  EXPECT_EQ(target.destinations[0].fit.offset, QPointF(1, -2) * kMm);
  EXPECT_EQ(target.destinations[0].fit.stock->name, QStringLiteral("a4-8-74.25"));
  EXPECT_EQ(target.surface.sheets(), 1);
}

TEST_F(PrinterFitDialogTest, EachPrinterIsGivenItsStockBesideItsOffsets) {
  Open();
  EXPECT_EQ(Stock()->count(), BuiltInStocks().size());
  EXPECT_EQ(Stock()->currentData().toString(), QStringLiteral("a4-8"));
  Stock()->setCurrentIndex(Stock()->findData(QStringLiteral("roll-4x6in")));
  Click("save");
  EXPECT_EQ(store.Load().Find(QStringLiteral("LABELS"))->stock, QStringLiteral("roll-4x6in"));

  Printer()->setCurrentIndex(1);
  EXPECT_EQ(Stock()->currentData().toString(), QStringLiteral("a4-8"));
  // A stock chosen and not stored is offered for storing, as typed figures are.
  Stock()->setCurrentIndex(1);
  prompter.answers = {true};
  Printer()->setCurrentIndex(0);
  EXPECT_EQ(prompter.questions.size(), 1);
  EXPECT_EQ(store.Load().Find(QStringLiteral("OFFICE"))->stock, QStringLiteral("a4-8-74.25"));
  EXPECT_EQ(Stock()->currentData().toString(), QStringLiteral("roll-4x6in"));
  EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(PrinterFitDialogTest, TheClerksOwnStockIsTypedInAWindowOfItsOwnAndGivenToThePrinter) {
  Open();
  dialog->show();
  const auto field = [](StockDialog& window, const char* name) {
    return window.findChild<QLineEdit*>(QString::fromLatin1(name));
  };
  InStockWindow("add_stock", [&](StockDialog& window) {
    // A new stock starts as an A4 sheet of eight; a field that cannot be stored is named, and
    // the window keeps what was typed.
    EXPECT_EQ(window.Typed(), StockDialog::NewStockTexts());
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));  // for its buttons' Alt keys
    field(window, "name")->setText(QStringLiteral("a4-8"));
    field(window, "columns")->setText(QStringLiteral("3"));
    // A button's Alt key clicks it as a click shows on screen, a moment later.
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !prompter.messages.isEmpty(); }));
    EXPECT_TRUE(prompter.messages[0].startsWith(QStringLiteral("名稱「a4-8」")));
    field(window, "name")->setText(QStringLiteral("shelf"));
    QTest::keyClick(field(window, "name"), Qt::Key_Return);
    ASSERT_EQ(prompter.messages.size(), 2);
    EXPECT_TRUE(prompter.messages[1].startsWith(QStringLiteral("欄數")));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(field(window, "columns")->text(), QStringLiteral("3"));
    field(window, "columns")->setText(QStringLiteral("2"));
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }));
  });
  EXPECT_EQ(StockNames(store.Load().custom_stocks), QStringList{QStringLiteral("shelf")});
  EXPECT_EQ(Stock()->currentData().toString(), QStringLiteral("shelf"));
  EXPECT_FALSE(store.Load().Find(QStringLiteral("LABELS")));  // stored with the printer's set
  Click("save");
  EXPECT_EQ(store.Load().StockOf(QStringLiteral("LABELS")).name, QStringLiteral("shelf"));

  // Changed later under its name, which printers refer to; Escape closes it and changes nothing.
  InStockWindow("edit_stock", [&](StockDialog& window) {
    EXPECT_TRUE(field(window, "name")->isReadOnly());
    EXPECT_EQ(field(window, "label_width")->text(), QStringLiteral("105.00"));
    field(window, "label_width")->setText(QStringLiteral("100"));
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
  });
  EXPECT_EQ(store.Load().custom_stocks[0].label.width, PaperMm(105).ToTwips());
  EXPECT_EQ(prompter.messages.size(), 2);
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
  StockFit labels = kLabelsFit.ToStockFit();
  labels.stock = BuiltInStocks().first();
  EXPECT_EQ(window.printer_fits().printers.value(QStringLiteral("LABELS")), labels);
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
