// `cratemark --print JOB`: the real program, started without any display, prints a job file to the
// CUPS test queues of scripts/test-printer (LABELS, the default, writes /tmp/printout/last.pdf) or
// into a PDF file, and the PDF is read back.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <cmath>
#include <csignal>
#include <functional>

#include "history/history_files.h"
#include "job/job_commands.h"
#include "stock/printer_fit_store.h"
#include "support/driven_program.h"
#include "support/printout.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"
#include "support/test_barcodes.h"
#include "support/worked_example.h"

namespace {

struct Outcome {
  int status = -1;
  QString err;
};

class CommandPrintTest : public testing::Test {
 protected:
  CommandPrintTest() {
    MainModel model;
    model.work_dir = folder.path();
    SetUpWorkedExample(model);
    ScriptedPrompter prompter;
    job = folder.File(QStringLiteral("客戶A.cratemark"));
    EXPECT_TRUE(SaveJobFile(model, prompter, job)) << prompter.messages.join(u'\n').toStdString();
  }

  // The program in the temporary folder, with no display; `platform`, when given, is asked for
  // all the same, and `limit_file_size` makes every file it writes end after a few kilobytes, as
  // a full disk would.
  Outcome Cratemark(const QStringList& arguments, const QString& platform = {},
                    bool limit_file_size = false) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
      env.remove(QLatin1String(name));
    }
    if (!platform.isEmpty()) env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    env.insert(QStringLiteral("LANG"), QStringLiteral("zh_TW.UTF-8"));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder.path());
    if (limit_file_size) {
      process.setChildProcessModifier([] {
        const struct rlimit limit { 8192, 8192 };
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ,
                    SIG_IGN);  // a write past the limit fails instead of ending the program
      });
    }
    process.start(QStringLiteral(CRATEMARK_PROGRAM), arguments);
    if (!process.waitForFinished(60000)) return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
  }

  bool HistoryWritten() const {
    return QFileInfo::exists(folder.File(HistoryFileName(QStringLiteral("record_"), 1)));
  }

  // Carton and pallet numbers on page 1 of `pdf`, with the label place (1..8) they stand in, for a
  // printable area whose corner is 18 points from the left and 36 from the top.
  static QStringList NumbersOnFirstSheet(const QString& pdf) {
    QStringList found;
    for (const printout::Word& w : printout::WordsOn(pdf, 1)) {
      if (!w.text.front().isDigit()) continue;
      const int half = w.x < 18 + 48 * 6 ? 0 : 1;
      const int page_row = int(std::floor((w.y - 36) / (16 * 12 + 16.5)));
      found << QStringLiteral("%1@%2").arg(w.text).arg(page_row * 2 + half + 1);
    }
    found.sort();
    return found;
  }

  static QString Pages(const QString& pdf) {
    const QString info = printout::Output(QStringLiteral("pdfinfo"), {pdf});
    return QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1);
  }

  TempFolder folder;
  QString job;
};

}  // namespace

TEST_F(CommandPrintTest, AWholeRunGoesToTheDefaultPrinterInCollatedCopiesOrAPdfFileAndIsRecorded) {
  if (QPrinterInfo::defaultPrinterName() != u"LABELS") {
    GTEST_SKIP() << "No default queue LABELS: start the test printers with scripts/test-printer.";
  }
  const QString printout = QStringLiteral("/tmp/printout/last.pdf");
  QFile::remove(printout);
  Outcome run =
      Cratemark({QStringLiteral("--print"), job, QStringLiteral("--copies"), QStringLiteral("2")});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  ASSERT_TRUE(printout::WaitFor(QStringLiteral("LABELS"), printout));
  EXPECT_TRUE(NumbersOnFirstSheet(printout).contains(QStringLiteral("8@8")));
  // The queue's filters (pdftopdf, as on a printer that cannot sort copies itself) put out whole
  // sets: the first cartons of sheets 1 to 5, then of 1 to 5 again.
  QStringList first_cartons;
  static const QRegularExpression carton(QStringLiteral(R"(C/NO\.\s*:\s*(\d+))"));
  for (const QString& page : printout::Output(QStringLiteral("pdftotext"), {printout, "-"})
                                 .split(u'\f', Qt::SkipEmptyParts)) {
    first_cartons << carton.match(page).captured(1);
  }
  EXPECT_EQ(first_cartons.join(u' '), QStringLiteral("1 9 17 25 33 1 9 17 25 33"));
  EXPECT_TRUE(HistoryWritten());

  QFile::remove(folder.File(HistoryFileName(QStringLiteral("record_"), 1)));
  run = Cratemark(
      {QStringLiteral("--print"), job, QStringLiteral("--pdf"), QStringLiteral("labels.pdf")});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  const QString pdf = folder.File(QStringLiteral("labels.pdf"));
  EXPECT_EQ(Pages(pdf), QStringLiteral("5"));
  EXPECT_TRUE(NumbersOnFirstSheet(pdf).contains(QStringLiteral("1@1")));
  EXPECT_TRUE(HistoryWritten());
}

TEST_F(CommandPrintTest, AReprintOfCartonsFromAStartPlaceLeavesTheHistoryAlone) {
  if (QPrinterInfo::defaultPrinterName() != u"LABELS") {
    GTEST_SKIP() << "No default queue LABELS: start the test printers with scripts/test-printer.";
  }
  const QString printout = QStringLiteral("/tmp/printout/last.pdf");
  QFile::remove(printout);
  const Outcome run =
      Cratemark({QStringLiteral("--print"), job, QStringLiteral("--start"), QStringLiteral("3"),
                 QStringLiteral("--cartons"), QStringLiteral("17-18")});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  ASSERT_TRUE(printout::WaitFor(QStringLiteral("LABELS"), printout));
  EXPECT_EQ(Pages(printout), QStringLiteral("1"));
  // Pallet 2 and cartons 17 and 18 in places 3 and 4, nothing else.
  EXPECT_EQ(NumbersOnFirstSheet(printout), (QStringList{"17@3", "18@4", "2@3", "2@4"}));
  EXPECT_FALSE(HistoryWritten());
}

TEST_F(CommandPrintTest, RefusalsAndBadArgumentsHaveTheirOwnExitStatus) {
  folder.Write(QStringLiteral("broken.cratemark"), "{\"format\": \"cratemark-job\"");
  const struct {
    QStringList arguments;
    int status;
    const char* says;  // part of the message on standard error
  } cases[] = {
      {{"--print", "broken.cratemark", "--pdf", "x.pdf"}, 1, "broken.cratemark"},
      {{"--print", "missing.cratemark", "--pdf", "x.pdf"}, 1, "找不到"},
      {{"--print", "客戶A.cratemark", "--cartons", "90-99", "--pdf", "x.pdf"}, 1, "箱號"},
      {{"--print", "客戶A.cratemark", "--printer", "NO_SUCH_QUEUE"}, 1, "NO_SUCH_QUEUE"},
      {{"--print"}, 2, "--print"},
      // The places are the stock's: the A4 sheet of eight has no ninth.
      {{"--print", "客戶A.cratemark", "--start", "9", "--pdf", "x.pdf"},
       1,
       "「起始位置」要填 1 到 8"},
      {{"--print", "客戶A.cratemark", "--start", "0"}, 2, "--start"},
      {{"--print", "客戶A.cratemark", "--cartons", "x"}, 2, "--cartons"},
      {{"--print", "客戶A.cratemark", "--copies", "100"}, 2, "--copies"},
      {{"--print", "客戶A.cratemark", "--copies", "2", "--pdf", "x.pdf"}, 2, "PDF"},
      {{"--print", "客戶A.cratemark", "--pdf", "a.pdf", "--printer", "LABELS"}, 2, "--pdf"},
      {{"客戶A.cratemark", "--pdf", "a.pdf"}, 2, "--print"},
  };
  for (const auto& c : cases) {
    const std::string name = c.arguments.join(u' ').toStdString();
    const Outcome run = Cratemark(c.arguments);
    EXPECT_EQ(run.status, c.status) << name << ": " << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.says)))
        << name << ": " << run.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(folder.File(QStringLiteral("x.pdf")))) << name;
    EXPECT_FALSE(HistoryWritten()) << name;
  }
}

TEST_F(CommandPrintTest, ThePrinterSettingsMoveThePrintAndTheFitCheckWantsYes) {
  const auto words = [this](const char* pdf) {
    QList<printout::Word> found = printout::WordsOn(folder.File(QString::fromLatin1(pdf)), 1);
    EXPECT_FALSE(found.isEmpty()) << pdf;
    return found;
  };
  Outcome run = Cratemark(
      {QStringLiteral("--print"), job, QStringLiteral("--pdf"), QStringLiteral("plain.pdf")});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();

  // The PDF files' settings: 2 mm right and 3 mm down. A printer's settings do not apply.
  const PrinterFitStore store;
  ASSERT_TRUE(store.Save(QString(), PrinterFit{20, 30, {}}));
  ASSERT_TRUE(store.Save(QStringLiteral("LABELS"), PrinterFit{-100, -100, {}}));
  run = Cratemark(
      {QStringLiteral("--print"), job, QStringLiteral("--pdf"), QStringLiteral("moved.pdf")});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  const QList<printout::Word> plain = words("plain.pdf");
  const QList<printout::Word> moved = words("moved.pdf");
  ASSERT_EQ(moved.size(), plain.size());
  for (qsizetype i = 0; i < plain.size(); ++i) {
    EXPECT_EQ(moved[i].text, plain[i].text);
    EXPECT_NEAR(moved[i].x - plain[i].x, 2 * 72 / 25.4, 0.05) << plain[i].text.toStdString();
    EXPECT_NEAR(moved[i].y - plain[i].y, 3 * 72 / 25.4, 0.05) << plain[i].text.toStdString();
  }

  // 5 mm up: the first lines, 12 points from the PDF page's top, go past the page's edge; only
  // --yes prints them.
  ASSERT_TRUE(store.Save(QString(), PrinterFit{0, -50, {}}));
  run = Cratemark(
      {QStringLiteral("--print"), job, QStringLiteral("--pdf"), QStringLiteral("up.pdf")});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.err.contains(QStringLiteral("超出上緣 0.8 公釐"))) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains(QStringLiteral("印表機校正"))) << run.err.toStdString();
  EXPECT_FALSE(QFileInfo::exists(folder.File(QStringLiteral("up.pdf"))));
  run = Cratemark({QStringLiteral("--print"), job, QStringLiteral("--pdf"),
                   QStringLiteral("up.pdf"), QStringLiteral("--yes")});
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_TRUE(QFileInfo::exists(folder.File(QStringLiteral("up.pdf"))));
  QFile::remove(store.path());
}

// What a fault probe found, each a file or an environment with the message and the exit status the
// program must give: no hang, no crash, no device replaced, nothing printed that should not be,
// and a damaged printer settings file reported exactly once.
TEST_F(CommandPrintTest, FaultsGiveTheirMessageAndExitStatus) {
  const QString settings = PrinterFitStore().path();
  ASSERT_TRUE(QDir().mkpath(QFileInfo(settings).path()));
  const auto write_settings = [&](const QByteArray& bytes) {
    QFile file(settings);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  };
  {
    MainModel model;
    SetUpWorkedExample(model);
    Job diagonal = CaptureJob(model);
    diagonal.entries[1].blk_array[2] = QStringLiteral("diagonal");
    folder.Write(QStringLiteral("diagonal.cratemark"), JobBytes(JobToJson(diagonal)));
  }
  ASSERT_EQ(::mkfifo(QFile::encodeName(folder.File(QStringLiteral("fifo.pdf"))).constData(), 0600),
            0);
  ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("folder.pdf")));

  const QStringList to_pdf{"--print", job, "--pdf", "out.pdf"};
  // kDisplayPlatform asks for xcb with no display to connect to; kSmallFiles makes every file the
  // program writes end after 8 KB, as a disk that fills up does.
  enum Environment { kPlain, kDisplayPlatform, kSmallFiles };
  const struct {
    const char* what;
    std::function<void()> set_up;
    Environment environment;
    QStringList arguments;
    int status;
    const char* says;  // once on standard error
  } cases[] = {
      {"settings file is a FIFO", [&] { ::mkfifo(QFile::encodeName(settings).constData(), 0600); },
       kPlain, to_pdf, 0, "無法使用: 這不是一般的檔案"},
      {"settings file of 50 MB",
       [&] {
         write_settings("[pdf]\noffset_x_mm=9.0\noffset_y_mm=9.0\n");
         QFile::resize(settings, 50 * 1024 * 1024);
       },
       kPlain, to_pdf, 0, "檔案太大 (50.0 MB)"},
      {"settings file of binary garbage",
       [&] { write_settings(QByteArray("\x89PNG\r\n\x1a\n\0\0\x01[pdf]\n", 16)); }, kPlain, to_pdf,
       0, "已經損壞"},
      {"settings file readable but damaged",
       [&] { write_settings("[pdf]\noffset_x_mm=1,5\noffset_y_mm=0\n"); }, kPlain, to_pdf, 0,
       "PDF 檔的數字看不懂"},
      {"a display platform and no display", [] {}, kDisplayPlatform, to_pdf, 0, ""},
      {"a disk that fills up", [] {}, kSmallFiles, to_pdf, 1, "無法寫入 PDF 檔"},
      {"a device as the PDF file",
       [] {},
       kPlain,
       {"--print", job, "--pdf", "/dev/full"},
       1,
       "無法存成 PDF 檔 /dev/full: 這不是一般的檔案 (可能是裝置或管道), 沒有印出任何標籤。"},
      {"a FIFO as the PDF file",
       [] {},
       kPlain,
       {"--print", job, "--pdf", "fifo.pdf"},
       1,
       "這不是一般的檔案"},
      {"a folder as the PDF file",
       [] {},
       kPlain,
       {"--print", job, "--pdf", "folder.pdf"},
       1,
       "這是一個資料夾, 不是檔案"},
      {"an alignment no job holds",
       [] {},
       kPlain,
       {"--print", "diagonal.cratemark", "--pdf", "out.pdf"},
       1,
       "第 2 區段第 3 行的「對齊」(blk_array)是「diagonal」"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    QFile::remove(settings);
    QFile::remove(folder.File(QStringLiteral("out.pdf")));
    QFile::remove(folder.File(HistoryFileName(QStringLiteral("record_"), 1)));
    c.set_up();
    const Outcome run =
        Cratemark(c.arguments, c.environment == kDisplayPlatform ? u"xcb"_qs : QString(),
                  c.environment == kSmallFiles);
    EXPECT_EQ(run.status, c.status) << run.err.toStdString();
    if (*c.says) {
      EXPECT_EQ(run.err.count(QString::fromUtf8(c.says)), 1) << run.err.toStdString();
    }
    EXPECT_EQ(QFileInfo::exists(folder.File(QStringLiteral("out.pdf"))), c.status == 0);
    EXPECT_EQ(HistoryWritten(), c.status == 0);
  }
  struct stat device {};
  ASSERT_EQ(::stat("/dev/full", &device), 0);
  EXPECT_TRUE(S_ISCHR(device.st_mode));
  QFile::remove(settings);
}

namespace {

// A job with three different warnings: two blocks share cartons 20–25, the picture file is gone,
// and the barcode covers the pallet and carton numbers' lines. None depends on the printer.
QString JobWithThreeWarnings(const TempFolder& folder) {
  MainModel model;
  model.work_dir = folder.path();
  SetUpWorkedExample(model);
  model.blocks[2].blk_start = 20;
  model.l_start = QStringLiteral("20");
  model.pic_file_name = folder.File(QStringLiteral("moved-away.png"));
  model.pic_size = QStringLiteral("10");
  model.barcode = TestBarcode(BarcodeKind::kCode128);
  model.barcode.left_mm = 38;
  ScriptedPrompter prompter;
  const QString job = folder.File(QStringLiteral("warnings.cratemark"));
  EXPECT_TRUE(SaveJobFile(model, prompter, job)) << prompter.messages.join(u'\n').toStdString();
  return job;
}

// Every job the print system holds or has held: one more means something was printed.
qsizetype PrintJobs() {
  return printout::Output(QStringLiteral("lpstat"),
                          {QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-o")})
      .count(u'\n');
}

}  // namespace

// The clerk presses 印吧 on a job with three warnings and then Enter, as one does with a box in
// the way: the box lists all three, and Enter prints nothing and records nothing.
TEST_F(CommandPrintTest, EnterOnTheWarningsPrintsNothingAndRecordsNothing) {
  const QString warned = JobWithThreeWarnings(folder);
  const qsizetype jobs_before = PrintJobs();
  TempFolder home;
  DrivenProgram program(QStringLiteral(CRATEMARK_PROGRAM), folder.path(), home.path(), {warned});
  ASSERT_TRUE(program.process.waitForStarted());
  program.Send(QStringLiteral("click l_print"));
  QString box = QString::fromUtf8(program.Ask(QStringLiteral("message")));
  if (box.contains(u"找不到預設的印表機")) {
    // A machine without a default printer offers a PDF file first.
    program.Send(QStringLiteral("answer yes"));
    box = QString::fromUtf8(program.Ask(QStringLiteral("message")));
  }
  for (const char* warning : {"第 1 區段和第 2 區段都有箱號 20–25", "moved-away.png」找不到",
                              "條碼都蓋住第 4 行的「P/NO. :」"}) {
    EXPECT_TRUE(box.contains(QString::fromUtf8(warning))) << box.toStdString();
  }
  EXPECT_TRUE(box.contains(u"不印")) << box.toStdString();
  program.Send(QStringLiteral("enter"));
  // `dump` waits until the box is gone and the press has run its course.
  EXPECT_FALSE(program.Dump().isEmpty());
  EXPECT_EQ(PrintJobs(), jobs_before);
  EXPECT_FALSE(HistoryWritten());
  program.Send(QStringLiteral("close"));
  EXPECT_TRUE(program.process.waitForFinished(30000));
}

// `--print` names every warning on standard error, one a line, and prints only with --yes.
TEST_F(CommandPrintTest, TheWarningsGoToStandardErrorAndOnlyYesPrints) {
  const QString warned = JobWithThreeWarnings(folder);
  Outcome run = Cratemark(
      {QStringLiteral("--print"), warned, QStringLiteral("--pdf"), QStringLiteral("warned.pdf")});
  EXPECT_EQ(run.status, 1);
  const QStringList lines = run.err.split(u'\n');
  for (const char* warning :
       {"cratemark: 第 1 區段和第 2 區段都有箱號 20–25, 這些箱子會印出兩張標籤",
        "cratemark: 每張標籤的條碼都蓋住第 4 行的「P/NO. :」",
        "cratemark: 每張標籤的條碼都蓋住第 5 行的「C/NO. :」"}) {
    EXPECT_TRUE(lines.contains(QString::fromUtf8(warning))) << run.err.toStdString();
  }
  EXPECT_TRUE(run.err.contains(u"moved-away.png」找不到, 標籤上不會印出圖片"))
      << run.err.toStdString();
  EXPECT_FALSE(QFileInfo::exists(folder.File(QStringLiteral("warned.pdf"))));
  EXPECT_FALSE(HistoryWritten());

  run = Cratemark({QStringLiteral("--print"), warned, QStringLiteral("--pdf"),
                   QStringLiteral("warned.pdf"), QStringLiteral("--yes")});
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_TRUE(QFileInfo::exists(folder.File(QStringLiteral("warned.pdf"))));
  EXPECT_TRUE(HistoryWritten());
}

// A thermal roll printer with CUPS's own ZPL driver, the queue ZEBRA that scripts/test-printer
// loads with 4 × 6 in labels. On its stock every label is a page of its own, 4 inches wide and
// 6 long at the driver's 203 dots an inch; the default stock's A4 pages are more than the printer
// takes, which is said, and printed only with --yes.
TEST_F(CommandPrintTest, ARollPrinterGetsALabelSizedPageForEachLabel) {
  const QString queue = QStringLiteral("ZEBRA");
  if (!QPrinterInfo::availablePrinterNames().contains(queue)) {
    GTEST_SKIP() << "No queue ZEBRA: start the test printers with scripts/test-printer.";
  }
  const QString zpl = QStringLiteral("/tmp/printout/zebra.zpl");
  const QStringList three = {QStringLiteral("--print"),   job,
                             QStringLiteral("--printer"), queue,
                             QStringLiteral("--cartons"), QStringLiteral("24-26")};
  const qsizetype jobs_before = PrintJobs();
  Outcome run = Cratemark(three);
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.err.contains(u"標籤紙 a4-8 的一頁是 210.0 × 297.0 公釐, 比印表機能印的最大的紙"))
      << run.err.toStdString();
  EXPECT_EQ(PrintJobs(), jobs_before);

  QFile::remove(zpl);
  run = Cratemark(three + QStringList{QStringLiteral("--stock"), QStringLiteral("roll-4x6in")});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  ASSERT_TRUE(printout::WaitFor(queue, zpl));
  QFile file(zpl);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString out = QString::fromLatin1(file.readAll());
  // One graphic a page: its bytes, and the bytes of each dot row.
  static const QRegularExpression graphic(QStringLiteral("~DG[^,]*,(\\d+),(\\d+),"));
  QStringList pages;
  for (const QRegularExpressionMatch& m : graphic.globalMatch(out)) {
    const int bytes = m.captured(1).toInt();
    const int row = m.captured(2).toInt();
    pages << QStringLiteral("%1 × %2").arg(row * 8).arg(row > 0 ? bytes / row : 0);
  }
  EXPECT_EQ(pages, QStringList(3, QStringLiteral("816 × 1218")));
  EXPECT_EQ(out.count(QStringLiteral("^PW812")), 3);
  EXPECT_FALSE(out.contains(QStringLiteral("^PW1678")));
}
