#include "stock/printer_fit.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>

#include "stock/printer_fit_store.h"
#include "stock/stock_input.h"
#include "support/full_disk.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace {

constexpr double kMm = 1440 / 25.4;

class PrinterFitStoreTest : public testing::Test {
 protected:
  QString Path() const { return folder.File(QStringLiteral("printers.conf")); }
  PrinterFitStore Store() const { return PrinterFitStore(Path()); }
  void WriteFile(const char* text) const { folder.Write(QStringLiteral("printers.conf"), text); }

  TempFolder folder;
  ScriptedPrompter prompter;
};

}  // namespace

TEST(PrinterFit, ReadsNumbersAsTypedInFixedPoint) {
  struct Case {
    const char* text;
    int decimals;
    std::optional<int> units;
  };
  const Case cases[] = {
      {"1.5", 1, 15},     {"-1.5", 1, -15},    {"+20", 1, 200},     {" 0.3 ", 1, 3},
      {"−2.0", 1, -20},   {"１．５", 1, 15},   {".5", 1, 5},        {"7.", 1, 70},
      {"74.25", 2, 7425}, {"74.250", 2, 7425}, {"1.25", 1, {}},     {"1,5", 1, {}},
      {"", 1, {}},        {"-", 1, {}},        {".", 1, {}},        {"1.5mm", 1, {}},
      {"1e1", 1, {}},     {"--1", 1, {}},      {"99999999", 1, {}}, {"٣", 1, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadFixedPoint(QString::fromUtf8(c.text), c.decimals), c.units) << c.text;
  }
  EXPECT_EQ(FixedPointText(-15, 1), QStringLiteral("-1.5"));
  EXPECT_EQ(FixedPointText(-5, 1), QStringLiteral("-0.5"));
  EXPECT_EQ(FixedPointText(7425, 2), QStringLiteral("74.25"));
  EXPECT_EQ(FixedPointText(0, 1), QStringLiteral("0.0"));
}

TEST(PrinterFit, PhysicalMillimetresBecomeTwipsAndTheTemplatePitchStaysUnset) {
  ScriptedPrompter prompter;
  const auto fit = ReadPrinterFit(
      {QStringLiteral("-1.5"), QStringLiteral("2"), QStringLiteral("74.25")}, prompter);
  ASSERT_TRUE(fit);
  const StockFit twips = fit->ToStockFit();
  EXPECT_DOUBLE_EQ(twips.offset.x(), -1.5 * kMm);
  EXPECT_DOUBLE_EQ(twips.offset.y(), 2 * kMm);
  ASSERT_TRUE(twips.pitch);
  EXPECT_EQ(*twips.pitch, 4209);  // whole twips: 4209.4

  // The fields as the dialog first shows them are no fit at all: the page prints as it always
  // has, to the twip.
  const PrinterFitTexts shown = PrinterFitTexts::Of(PrinterFit{});
  EXPECT_EQ(shown.offset_x, QStringLiteral("0.0"));
  EXPECT_EQ(shown.offset_y, QStringLiteral("0.0"));
  EXPECT_EQ(shown.pitch, QStringLiteral("73.55"));  // 4170 twips are 73.554 mm
  for (const char* pitch : {"73.55", "73.56"}) {
    const auto unchanged = ReadPrinterFit({"0", "0", pitch}, prompter);
    ASSERT_TRUE(unchanged) << pitch;
    EXPECT_EQ(*unchanged, PrinterFit{}) << pitch;
  }
  const auto next = ReadPrinterFit({"0", "0", "73.57"}, prompter);
  ASSERT_TRUE(next);
  EXPECT_EQ(next->pitch_hundredths, 7357);
  EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST(PrinterFit, BadFieldsGetAMessageNamingTheFieldAndGiveNoFit) {
  struct Case {
    PrinterFitTexts texts;
    const char* field;
  };
  const Case cases[] = {
      {{"abc", "0", "73.56"}, "水平位移"},      {{"20.1", "0", "73.56"}, "水平位移"},
      {{"0", "-20.1", "73.56"}, "垂直位移"},    {{"0", "0.25", "73.56"}, "垂直位移"},
      {{"0", "", "73.56"}, "垂直位移"},         {{"0", "0", "67.99"}, "每排標籤的距離"},
      {{"0", "0", "80.01"}, "每排標籤的距離"},  {{"0", "0", "74.255"}, "每排標籤的距離"},
      {{"0", "0", "七十四"}, "每排標籤的距離"},
  };
  for (const Case& c : cases) {
    ScriptedPrompter prompter;
    EXPECT_FALSE(ReadPrinterFit(c.texts, prompter));
    ASSERT_EQ(prompter.messages.size(), 1) << c.field;
    EXPECT_TRUE(prompter.messages[0].startsWith(QString::fromUtf8(c.field)))
        << prompter.messages[0].toStdString();
  }
  ScriptedPrompter prompter;
  EXPECT_TRUE(ReadPrinterFit({"-20.0", "+20.0", "80.00"}, prompter));
  EXPECT_TRUE(ReadPrinterFit({"20", "-20", "68"}, prompter));
  EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(PrinterFitStoreTest, EachPrinterAndThePdfFilesKeepTheirOwnSet) {
  const PrinterFit labels{-15, 20, 7425};
  const PrinterFit office{3, 0, std::nullopt};
  const PrinterFit pdf{0, -7, 7400};
  ASSERT_TRUE(Store().Save(QStringLiteral("LABELS"), labels));
  ASSERT_TRUE(Store().Save(QStringLiteral("OFFICE/draft"), office));  // an instance: its queue
  ASSERT_TRUE(Store().Save(QString(), pdf));
  ASSERT_TRUE(Store().Save(QStringLiteral("LABELS"),
                           PrinterFit{-14, 20, 7425, QStringLiteral("a4-8-74.25")}));

  const StoredPrinterFits stored = Store().Load();
  EXPECT_FALSE(stored.file_damaged);
  EXPECT_TRUE(stored.damaged.isEmpty());
  EXPECT_EQ(stored.Find(QStringLiteral("LABELS")),
            (PrinterFit{-14, 20, 7425, QStringLiteral("a4-8-74.25")}));
  EXPECT_EQ(stored.Find(QStringLiteral("OFFICE")), office);
  EXPECT_EQ(stored.Find(QString()), pdf);
  EXPECT_FALSE(stored.Find(QStringLiteral("OTHER")));

  // The run's fits, each with its stock: the one chosen, or the default.
  const PrinterFits fits = stored.Fits();
  const auto on = [](StockFit fit, const char* stock) {
    fit.stock = FindStock(BuiltInStocks(), QString::fromLatin1(stock));
    return fit;
  };
  EXPECT_EQ(fits.For({QStringLiteral("OFFICE/draft"), {}, 1, {}}), on(office.ToStockFit(), "a4-8"));
  EXPECT_EQ(fits.For({QStringLiteral("LABELS"), {}, 1, {}}),
            on(PrinterFit{-14, 20, 7425}.ToStockFit(), "a4-8-74.25"));
  EXPECT_EQ(fits.For({QStringLiteral("OTHER"), {}, 1, {}}), StockFit{});
  EXPECT_EQ(fits.For({{}, {}, 1, {}}), StockFit{});  // a printer that is not named
  EXPECT_EQ(fits.For({QStringLiteral("LABELS"), QStringLiteral("a.pdf"), 1, {}}),
            on(pdf.ToStockFit(), "a4-8"));
  EXPECT_EQ(fits.stocks, BuiltInStocks());

  // What a clerk finds when looking into the file.
  QSettings file(Path(), QSettings::IniFormat);
  EXPECT_EQ(file.value("printers/LABELS/offset_x_mm").toString(), QStringLiteral("-1.4"));
  EXPECT_EQ(file.value("printers/LABELS/pitch_mm").toString(), QStringLiteral("74.25"));
  EXPECT_FALSE(file.contains("printers/OFFICE/pitch_mm"));
  EXPECT_EQ(file.value("pdf/offset_y_mm").toString(), QStringLiteral("-0.7"));
}

TEST_F(PrinterFitStoreTest, NoFileMeansNoFitAndNoMessage) {
  EXPECT_EQ(LoadPrinterFits(Store(), prompter), (PrinterFits{{}, {}, BuiltInStocks()}));
  EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(PrinterFitStoreTest, HandEditedSetsFallBackToNoFitWithOneMessage) {
  WriteFile(
      "[printers]\n"
      "GOOD\\offset_x_mm=1.0\nGOOD\\offset_y_mm=-2.0\nGOOD\\pitch_mm=74.25\n"
      "COMMA\\offset_x_mm=1,5\nCOMMA\\offset_y_mm=0.0\n"
      "FAR\\offset_x_mm=25.0\nFAR\\offset_y_mm=0.0\n"
      "HALF\\offset_x_mm=1.0\n"
      "PITCH\\offset_x_mm=0.0\nPITCH\\offset_y_mm=0.0\nPITCH\\pitch_mm=7425\n"
      "[pdf]\noffset_x_mm=abc\noffset_y_mm=0\n");
  const PrinterFits fits = LoadPrinterFits(Store(), prompter);
  ASSERT_EQ(prompter.messages.size(), 1);
  for (const char* name : {"COMMA", "FAR", "HALF", "PITCH", "PDF 檔"}) {
    EXPECT_TRUE(prompter.messages[0].contains(QString::fromUtf8(name))) << name;
  }
  EXPECT_FALSE(prompter.messages[0].contains(QStringLiteral("GOOD")));
  EXPECT_EQ(fits.printers.keys(), QList<QString>{QStringLiteral("GOOD")});
  EXPECT_EQ(fits.pdf, StockFit{});

  // Storing a set anew makes it good again; the other damaged sets stay unused.
  ASSERT_TRUE(Store().Save(QStringLiteral("FAR"), PrinterFit{5, 0, std::nullopt}));
  const StoredPrinterFits stored = Store().Load();
  EXPECT_EQ(stored.Find(QStringLiteral("FAR")), (PrinterFit{5, 0, std::nullopt}));
  EXPECT_EQ(stored.damaged.size(), 4);
}

TEST_F(PrinterFitStoreTest, AnUnreadableFileIsNotUsedAtAllAndStartsAfreshWhenStored) {
  WriteFile("[printers\nLABELS\\offset_x_mm=5.0\nLABELS\\offset_y_mm=5.0\n\x01\xff=");
  const PrinterFits fits = LoadPrinterFits(Store(), prompter);
  EXPECT_EQ(fits, (PrinterFits{{}, {}, BuiltInStocks()}));
  ASSERT_EQ(prompter.messages.size(), 1);
  EXPECT_TRUE(prompter.messages[0].contains(QStringLiteral("損壞")));
  // Read again in the same run of the program: still not used.
  EXPECT_TRUE(Store().Load().file_damaged);
  EXPECT_EQ(Store().Load().Fits(), (PrinterFits{{}, {}, BuiltInStocks()}));

  ASSERT_TRUE(Store().Save(QStringLiteral("OTHER"), PrinterFit{1, 1, std::nullopt}));
  const StoredPrinterFits stored = Store().Load();
  EXPECT_FALSE(stored.file_damaged);
  EXPECT_TRUE(stored.damaged.isEmpty());
  // Nothing of the damaged file comes back to life without a word.
  EXPECT_EQ(stored.printers.keys(), QList<QString>{QStringLiteral("OTHER")});
}

TEST_F(PrinterFitStoreTest, AFileThatCannotBeWrittenSaysSo) {
  QDir(folder.path()).mkdir(QStringLiteral("printers.conf"));  // a folder in the file's place
  EXPECT_FALSE(Store().Save(QStringLiteral("LABELS"), PrinterFit{1, 1, std::nullopt}));
}

// QSettings writes its file through a buffer it does not check: on a disk with room for its lock
// file and none for the settings it left an empty file and reported success. The old settings stay
// with no room at all, with one page and with two.
TEST_F(PrinterFitStoreTest, AFullDiskKeepsTheOldSettings) {
  FullDisk disk(folder.path());
  if (!disk.mounted()) GTEST_SKIP() << "cannot mount a small file system here (needs root)";
  for (const qint64 left : {0, 4096, 8192}) {
    SCOPED_TRACE(left);
    disk.Free();
    QFile::remove(Path());
    ASSERT_TRUE(Store().Save(QStringLiteral("LABELS"), PrinterFit{-15, 20, 7425}));
    const QByteArray before = folder.Read(QStringLiteral("printers.conf"));
    disk.Fill(left);
    EXPECT_FALSE(Store().Save(QStringLiteral("OFFICE/draft"), PrinterFit{3, 0, std::nullopt}));
    EXPECT_EQ(folder.Read(QStringLiteral("printers.conf")), before);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"filler", "printers.conf"}));
  }
}

TEST_F(PrinterFitStoreTest, EachPrinterKeepsItsStockBesideItsOffsetsAndTheClerksStocksTheirs) {
  const LabelStock shelf =
      *ReadStockTexts({"shelf-2x5", false, "100", "50", "2", "5", "105", "55", "2.5", "11"}, {})
           .stock;
  const LabelStock zebra = *ReadStockTexts({"zebra", true, "100", "200"}, {}).stock;
  ASSERT_TRUE(Store().SaveStock(zebra));
  ASSERT_TRUE(Store().SaveStock(shelf));
  PrinterFit labels{-15, 20, 7425, QStringLiteral("shelf-2x5")};
  ASSERT_TRUE(Store().Save(QStringLiteral("LABELS"), labels));
  ASSERT_TRUE(Store().Save(QStringLiteral("ZEBRA"), PrinterFit{0, 0, {}, "zebra"}));
  ASSERT_TRUE(Store().Save(QString(), PrinterFit{0, 0, {}, "roll-100x150"}));

  const StoredPrinterFits stored = Store().Load();
  EXPECT_EQ(stored.custom_stocks, (QList<LabelStock>{shelf, zebra}));
  EXPECT_EQ(stored.Stocks(), BuiltInStocks() + stored.custom_stocks);
  EXPECT_EQ(stored.Find(QStringLiteral("LABELS")), labels);
  EXPECT_EQ(stored.StockOf(QStringLiteral("LABELS/draft")), shelf);
  EXPECT_EQ(stored.StockOf(QStringLiteral("ZEBRA")), zebra);
  EXPECT_EQ(stored.StockOf(QString()).name, QStringLiteral("roll-100x150"));
  EXPECT_EQ(stored.StockOf(QStringLiteral("OTHER")).name, QStringLiteral("a4-8"));
  EXPECT_TRUE(stored.unknown_stocks.isEmpty() && stored.damaged_stocks.isEmpty());

  // Changed: the stock of that name is replaced, and the printers given it keep it.
  const LabelStock wider = *ReadStockTexts({"zebra", true, "104", "200"}, {}).stock;
  ASSERT_TRUE(Store().SaveStock(wider));
  EXPECT_EQ(Store().Load().StockOf(QStringLiteral("ZEBRA")), wider);
  QSettings file(Path(), QSettings::IniFormat);
  EXPECT_EQ(file.value("stocks/zebra/label_width_mm").toString(), QStringLiteral("104.00"));
  EXPECT_EQ(file.value("printers/ZEBRA/stock").toString(), QStringLiteral("zebra"));
  EXPECT_FALSE(file.contains("stocks/zebra/columns"));
}

TEST_F(PrinterFitStoreTest, DamagedStocksAreSaidOnceAndTheirPrintersPrintOnTheDefaultStock) {
  WriteFile(
      "[stocks]\n"
      "GOOD\\page=roll\nGOOD\\label_width_mm=100\nGOOD\\label_height_mm=50\n"
      "WIDE\\page=roll\nWIDE\\label_width_mm=5000\nWIDE\\label_height_mm=50\n"
      "NOPAGE\\label_width_mm=100\nNOPAGE\\label_height_mm=50\n"
      "roll-4x6in\\page=roll\nroll-4x6in\\label_width_mm=100\nroll-4x6in\\label_height_mm=50\n"
      "[printers]\n"
      "ON_GOOD\\offset_x_mm=0.0\nON_GOOD\\offset_y_mm=0.0\nON_GOOD\\stock=GOOD\n"
      "ON_WIDE\\offset_x_mm=1.0\nON_WIDE\\offset_y_mm=0.0\nON_WIDE\\stock=WIDE\n"
      "ON_NONE\\offset_x_mm=0.0\nON_NONE\\offset_y_mm=0.0\nON_NONE\\stock=a4-16\n"
      "OLD\\offset_x_mm=0.0\nOLD\\offset_y_mm=0.0\n");
  const PrinterFits fits = LoadPrinterFits(Store(), prompter);
  ASSERT_EQ(prompter.messages.size(), 1);
  const QString& message = prompter.messages[0];
  for (const char* name :
       {"「WIDE」", "「NOPAGE」", "「roll-4x6in」", "「ON_WIDE」", "「ON_NONE」"}) {
    EXPECT_TRUE(message.contains(QString::fromUtf8(name))) << name << message.toStdString();
  }
  for (const char* name : {"GOOD", "OLD"}) {
    EXPECT_FALSE(message.contains(QString::fromUtf8(name))) << name;
  }

  const StoredPrinterFits stored = Store().Load();
  EXPECT_EQ(StockNames(stored.custom_stocks), QStringList{"GOOD"});
  EXPECT_EQ(stored.StockOf(QStringLiteral("ON_GOOD")).name, QStringLiteral("GOOD"));
  for (const char* queue : {"ON_WIDE", "ON_NONE", "OLD"}) {
    EXPECT_EQ(stored.StockOf(QString::fromLatin1(queue)).name, QStringLiteral("a4-8")) << queue;
  }
  // A printer's offsets do not depend on its stock.
  EXPECT_EQ(fits.printers.value(QStringLiteral("ON_WIDE")).offset, QPointF(kMm, 0));
  // What the run is given: no damaged stock reaches a print, nor --stock.
  for (const char* queue : {"ON_WIDE", "ON_NONE", "OLD"}) {
    EXPECT_EQ(fits.printers.value(QString::fromLatin1(queue)).stock->name, QStringLiteral("a4-8"));
  }
  EXPECT_EQ(fits.printers.value(QStringLiteral("ON_GOOD")).stock->name, QStringLiteral("GOOD"));
  EXPECT_EQ(StockNames(fits.stocks), StockNames(BuiltInStocks()) + QStringList{"GOOD"});
}
