#include "app/command_line.h"

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>

#include "app/language.h"
#include "job/job_commands.h"
#include "support/driven_program.h"
#include "support/language_restorer.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"
#include "support/worked_example.h"
#include "version.h"

namespace {

using Action = CommandLine::Action;

CommandLine Parse(const QStringList& options) {
  return ParseCommandLine(QStringList{QStringLiteral("cratemark")} + options);
}

// Each test starts and ends without the program's translations and with the default locale.
class Translated : public testing::Test {
 private:
  LanguageRestorer restorer_;
};

struct ProgramRun {
  int status = -1;
  QString out;
  QString err;
};

// The program itself, started without any display: no DISPLAY, no WAYLAND_DISPLAY and no Qt
// platform chosen.
ProgramRun RunProgram(const QStringList& arguments, const QString& lang) {
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name :
       {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_MESSAGES", "LANGUAGE"}) {
    env.remove(QLatin1String(name));
  }
  env.insert(QStringLiteral("LANG"), lang);
  process.setProcessEnvironment(env);
  process.start(QStringLiteral(CRATEMARK_PROGRAM), arguments);
  if (!process.waitForFinished(30000)) return {};
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

}  // namespace

TEST(CommandLine, ReadsItsOptionsAndRefusesAnythingElse) {
  const QString home = QDir::homePath();
  const struct {
    QStringList options;
    Action action;
    QString folder;
    std::optional<Language> language;
    QString text;  // what the printed text contains
  } cases[] = {
      {{}, Action::kRun, {}, std::nullopt, {}},
      {{"--folder", "/srv/labels"}, Action::kRun, "/srv/labels", std::nullopt, {}},
      {{"--folder=~/Cratemark"}, Action::kRun, home + "/Cratemark", std::nullopt, {}},
      {{"--lang", "en"}, Action::kRun, {}, Language::kEnglish, {}},
      {{"--lang=zh_TW", "--folder", "x"}, Action::kRun, "x", Language::kTraditionalChinese, {}},
      {{"--version"},
       Action::kShowVersion,
       {},
       std::nullopt,
       QStringLiteral("Cratemark %1\n").arg(QLatin1String(kCratemarkVersion))},
      {{"-v"}, Action::kShowVersion, {}, std::nullopt, "Cratemark"},
      {{"--help"}, Action::kShowHelp, {}, std::nullopt, "--folder <folder>"},
      {{"-h", "--lang", "en"}, Action::kShowHelp, {}, Language::kEnglish, "--lang <zh_TW|en>"},
      {{"--lang", "fr"}, Action::kUsageError, {}, std::nullopt, "「fr」"},
      {{"--lang", "zh_CN"}, Action::kUsageError, {}, std::nullopt, "zh_CN"},
      {{"--lang"}, Action::kUsageError, {}, std::nullopt, "lang"},
      {{"--folder", ""}, Action::kUsageError, {}, std::nullopt, "--folder"},
      {{"--printer"}, Action::kUsageError, {}, std::nullopt, "printer"},
      {{"a.cratemark", "b.cratemark"}, Action::kUsageError, {}, std::nullopt, "b.cratemark"},
      {{"--list-stocks"}, Action::kListStocks, {}, std::nullopt, "\na4-8-74.25\tA4 "},
      {{"--stock", "a4-8"}, Action::kUsageError, {}, std::nullopt, "--print"},
  };
  for (const auto& c : cases) {
    const QString name = c.options.join(u' ');
    const CommandLine line = Parse(c.options);
    EXPECT_EQ(line.action, c.action) << name.toStdString();
    if (c.action == Action::kUsageError) {
      EXPECT_TRUE(line.text.startsWith(QStringLiteral("cratemark: "))) << name.toStdString();
      EXPECT_TRUE(line.text.contains(QStringLiteral("--help"))) << name.toStdString();
      continue;
    }
    EXPECT_EQ(line.folder, c.folder) << name.toStdString();
    EXPECT_EQ(line.language, c.language) << name.toStdString();
    EXPECT_TRUE(line.text.contains(c.text))
        << name.toStdString() << ": " << line.text.toStdString();
  }
}

TEST(CommandLine, AStockIsNamedForOneRunFromTheStocksTheUserHas) {
  LabelStock shelf;
  shelf.name = QStringLiteral("shelf");
  int asked = 0;
  const StockLister stocks = [&] {
    ++asked;
    return BuiltInStocks() << shelf;
  };
  const auto parse = [&](const QStringList& options) {
    return ParseCommandLine(QStringList{"cratemark", "--print", "job.cratemark"} + options, stocks);
  };
  EXPECT_EQ(parse({}).stock, QString());
  EXPECT_EQ(asked, 0) << "the settings are read only for the stocks";
  EXPECT_EQ(parse({"--stock", "roll-4x6in"}).stock, QStringLiteral("roll-4x6in"));
  EXPECT_EQ(parse({"--stock=shelf"}).stock, QStringLiteral("shelf"));
  for (const char* name : {"Shelf", "roll-4x6", ""}) {
    const CommandLine refused = parse({"--stock", QString::fromUtf8(name)});
    EXPECT_EQ(refused.action, Action::kUsageError) << name;
    EXPECT_TRUE(refused.text.contains(QStringLiteral("--stock"))) << name;
    EXPECT_TRUE(refused.text.contains(QStringLiteral("--list-stocks"))) << name;
  }
}

TEST(CommandLine, AJobIsNamedFromTheFolderTheProgramStartedIn) {
  const CommandLine line =
      Parse({QStringLiteral("--folder=/srv"), QStringLiteral("客戶A.cratemark")});
  EXPECT_EQ(line.action, Action::kRun);
  EXPECT_EQ(line.job, QDir::current().absoluteFilePath(QStringLiteral("客戶A.cratemark")));
  EXPECT_TRUE(Parse({}).job.isEmpty());
}

TEST(CommandLine, TheHomeFolderStandsForTildeOnlyAtTheStart) {
  const QString home = QDir::homePath();
  EXPECT_EQ(ExpandHome(QStringLiteral("~")), home);
  EXPECT_EQ(ExpandHome(QStringLiteral("~/Cratemark")), home + QStringLiteral("/Cratemark"));
  EXPECT_EQ(ExpandHome(QStringLiteral("~other/x")), QStringLiteral("~other/x"));
  EXPECT_EQ(ExpandHome(QStringLiteral("a/~/b")), QStringLiteral("a/~/b"));
}

TEST(CommandLine, EntersTheWorkFolderCreatingItWhenMissing) {
  TempFolder top;
  const QString old_dir = QDir::currentPath();
  const QString nested = top.File(QStringLiteral("office/labels"));
  EXPECT_EQ(EnterWorkFolder(nested), FolderResult::kEntered);
  EXPECT_EQ(QDir::currentPath(), nested);
  EXPECT_EQ(EnterWorkFolder(top.path()), FolderResult::kEntered) << "an existing folder";
  EXPECT_EQ(QDir::currentPath(), top.path());

  top.Write(QStringLiteral("taken"), "a file, not a folder");
  EXPECT_EQ(EnterWorkFolder(top.File(QStringLiteral("taken"))), FolderResult::kCannotCreate);
  EXPECT_EQ(EnterWorkFolder(top.File(QStringLiteral("taken/sub"))), FolderResult::kCannotCreate);
  EXPECT_EQ(QDir::currentPath(), top.path()) << "a refused folder leaves the working folder";
  EXPECT_TRUE(FolderErrorText(FolderResult::kCannotCreate, top.File(QStringLiteral("taken")))
                  .contains(top.File(QStringLiteral("taken"))));
  EXPECT_EQ(FolderErrorText(FolderResult::kEntered, top.path()), QString());
  QDir::setCurrent(old_dir);
}

TEST(Language, FollowsTheMessageLocaleUnlessNamed) {
  const struct {
    const char* locale;
    Language language;
  } cases[] = {
      {"en_US.UTF-8", Language::kEnglish},
      {"en_GB", Language::kEnglish},
      {"en", Language::kEnglish},
      {"zh_TW.UTF-8", Language::kTraditionalChinese},
      {"de_DE.UTF-8", Language::kTraditionalChinese},
      {"C.UTF-8", Language::kTraditionalChinese},
      {"C", Language::kTraditionalChinese},
      {"", Language::kTraditionalChinese},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LanguageOfLocale(QLatin1String(c.locale)), c.language) << c.locale;
  }
  EXPECT_EQ(LanguageNamed(QStringLiteral("en")), Language::kEnglish);
  EXPECT_EQ(LanguageNamed(QStringLiteral("zh_TW")), Language::kTraditionalChinese);
  EXPECT_EQ(LanguageNamed(QStringLiteral("EN")), std::nullopt);
  EXPECT_EQ(LanguageNamed(QStringLiteral("zh")), std::nullopt);
}

TEST_F(Translated, StandardButtonsSpeakTheChosenLanguage) {
  const struct {
    Language language;
    QStringList buttons;  // OK, Yes, No, Cancel without their accelerators
    QLocale::Language locale;
  } cases[] = {
      {Language::kTraditionalChinese,
       {QStringLiteral("確定"), QStringLiteral("是(Y)"), QStringLiteral("否(N)"),
        QStringLiteral("取消")},
       QLocale::Chinese},
      {Language::kEnglish,
       {QStringLiteral("OK"), QStringLiteral("Yes"), QStringLiteral("No"),
        QStringLiteral("Cancel")},
       QLocale::English},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(InstallTranslations(c.language), QStringList());
    EXPECT_EQ(QLocale().language(), c.locale);
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Cratemark"), QStringLiteral("?"),
                    QMessageBox::Ok | QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QStringList texts;
    for (auto button : {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}) {
      texts << box.button(button)->text().remove(u'&');
    }
    EXPECT_EQ(texts, c.buttons);
  }
}

TEST_F(Translated, TheEnglishTranslationIsBuiltIn) {
  EXPECT_EQ(InstallTranslations(Language::kEnglish), QStringList());
  EXPECT_TRUE(Parse({QStringLiteral("--help")}).text.contains(QStringLiteral("Show this help.")));
  // Installing again replaces the translations rather than stacking them.
  EXPECT_EQ(InstallTranslations(Language::kTraditionalChinese), QStringList());
  EXPECT_TRUE(Parse({QStringLiteral("--help")}).text.contains(QStringLiteral("顯示這份說明。")));
}

// Help, version and refusals come from the program itself, without any display to open a
// window on, in the language of the locale.
TEST(Program, AnswersWithoutADisplay) {
  TempFolder folder;
  folder.Write(QStringLiteral("taken"), "a file, not a folder");
  // A stock of the user's own, in the printer settings of the test's own folder.
  const QDir config(QFile::decodeName(qgetenv("XDG_CONFIG_HOME")));
  ASSERT_TRUE(config.mkpath(QStringLiteral("Cratemark")));
  QFile settings(config.filePath(QStringLiteral("Cratemark/printers.conf")));
  ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
  settings.write(
      "[stocks]\nzebra\\page=roll\nzebra\\label_width_mm=104\nzebra\\label_height_mm=200\n");
  settings.close();
  const struct {
    QStringList arguments;
    QString lang;
    int status;
    QString out;
    QString err;
  } cases[] = {
      {{"--version"},
       "zh_TW.UTF-8",
       0,
       QStringLiteral("Cratemark %1\n").arg(QLatin1String(kCratemarkVersion)),
       {}},
      {{"--help"}, "zh_TW.UTF-8", 0, "顯示這份說明。", {}},
      {{"--help"}, "en_US.UTF-8", 0, "Show this help.", {}},
      {{"--help", "--lang", "en"}, "zh_TW.UTF-8", 0, "Show this help.", {}},
      {{"--lang", "fr"}, "zh_TW.UTF-8", kUsageExitStatus, {}, "「fr」"},
      {{"--list-stocks"}, "zh_TW.UTF-8", 0, "\nzebra\t自訂: 捲筒標籤 104.00 × 200.00 公釐", {}},
      {{"--list-stocks"}, "en_US.UTF-8", 0, "a4-8\tA4 sheet", {}},
      {{"--folder", folder.File("taken")},
       "en_US.UTF-8",
       kUsageExitStatus,
       {},
       "Cannot create the working folder"},
  };
  for (const auto& c : cases) {
    const QString name = c.arguments.join(u' ') + QStringLiteral(" LANG=") + c.lang;
    const ProgramRun run = RunProgram(c.arguments, c.lang);
    EXPECT_EQ(run.status, c.status) << name.toStdString() << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(c.out)) << name.toStdString() << ": " << run.out.toStdString();
    EXPECT_TRUE(run.err.contains(c.err)) << name.toStdString() << ": " << run.err.toStdString();
    if (c.err.isEmpty()) {
      EXPECT_EQ(run.err, QString()) << name.toStdString();
    }
  }
  settings.remove();
}

// The program started in each language: every caption speaks it, a refused input's message box
// speaks it with its buttons, and the labels it prints do not change by one character.
TEST(Program, SpeaksTheLocalesLanguageAndPrintsTheSameInBoth) {
  TempFolder work;
  MainModel model;
  model.work_dir = work.path();
  SetUpWorkedExample(model);
  ScriptedPrompter prompter;
  const QString job = work.File(QStringLiteral("worked.cratemark"));
  ASSERT_TRUE(SaveJobFile(model, prompter, job));

  const struct {
    const char* lang;
    QMap<QString, QString> captions;  // a sample: every caption is checked for its script below
    QString refusal;
    QString button;
  } languages[] = {
      {"zh_TW.UTF-8",
       {{"Label1", "區段"},
        {"Label2", "箱號編號: from"},
        {"l_print", "印吧"},
        {"menu 1", "檔案(&F)"},
        {"menu 2", "編輯(&E)"},
        {"menu 2.1", "復原(&U)"},
        {"menu 3", "說明(&H)"}},
       "編號欄位輸入有錯: 箱號編號 to 必須是數字",
       "確定"},
      {"en_US.UTF-8",
       {{"Label1", "Block"},
        {"Label2", "Cartons from"},
        {"l_print", "Print"},
        {"menu 1", "&File"},
        {"menu 2", "&Edit"},
        {"menu 2.1", "&Undo"},
        {"menu 3", "&Help"}},
       "carton number “to” must be a number",
       "OK"},
  };
  QStringList printed;
  for (const auto& language : languages) {
    SCOPED_TRACE(language.lang);
    const QList<std::pair<QString, QString>> locale = {
        {"LANG", language.lang}, {"LC_ALL", ""}, {"LC_MESSAGES", ""}, {"LANGUAGE", ""}};
    TempFolder home;
    DrivenProgram program(QStringLiteral(CRATEMARK_PROGRAM), work.path(), home.path(), {job},
                          locale);
    ASSERT_TRUE(program.process.waitForStarted());

    const QStringList lines =
        QString::fromUtf8(program.Ask(QStringLiteral("captions"))).split(u'\n', Qt::SkipEmptyParts);
    QMap<QString, QString> captions;
    for (const QString& line : lines) captions[line.section(u'\t', 0, 0)] = line.section(u'\t', 1);
    ASSERT_GT(captions.size(), 40) << program.process.readAllStandardError().toStdString();
    for (const auto& [name, text] : language.captions.asKeyValueRange()) {
      EXPECT_EQ(captions.value(name), text) << name.toStdString();
    }
    // English captions hold no Chinese; the Chinese ones keep the few English words the window
    // has always had (from, to, mm).
    static const QRegularExpression han(QStringLiteral("\\p{Han}"));
    if (QString::fromLatin1(language.lang).startsWith(u"en")) {
      for (const auto& [name, text] : captions.asKeyValueRange()) {
        EXPECT_FALSE(text.contains(han)) << name.toStdString() << ": " << text.toStdString();
      }
    }

    // A letter for the last carton number: 印吧 refuses, and the letter stays in the field.
    program.Send(QStringLiteral("clear l_end"));
    program.Send(QStringLiteral("type l_end x"));
    program.Send(QStringLiteral("click l_print"));
    const QStringList box =
        QString::fromUtf8(program.Ask(QStringLiteral("message"))).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(box.isEmpty());
    EXPECT_TRUE(box.first().contains(language.refusal)) << box.first().toStdString();
    EXPECT_EQ(box.mid(1), QStringList{language.button});
    program.Send(QStringLiteral("answer save"));

    // The same job printed from the command line in this language.
    const QString pdf = work.File(QStringLiteral("%1.pdf").arg(QLatin1String(language.lang)));
    DrivenProgram print(QStringLiteral(CRATEMARK_PROGRAM), work.path(), home.path(),
                        {QStringLiteral("--print"), job, QStringLiteral("--pdf"), pdf}, locale);
    ASSERT_TRUE(print.process.waitForFinished(60000));
    ASSERT_EQ(print.process.exitCode(), 0) << print.process.readAllStandardError().toStdString();
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    printed << QString::fromUtf8(text.readAllStandardOutput());
  }
  ASSERT_EQ(printed.size(), 2);
  EXPECT_TRUE(printed[0].contains(QStringLiteral("C/NO. : 40")));
  EXPECT_EQ(printed[0], printed[1]);
}
