#include <QApplication>
#include <QIcon>
#include <cstdio>

#include "app/command_line.h"
#include "app/console_print.h"
#include "app/language.h"
#include "app/main_window.h"
#include "app/test_driver.h"
#include "model/fonts.h"
#include "print/qt_print_target.h"
#include "stock/printer_fit_store.h"
#include "version.h"

namespace {

void NameTheApplication() {
  QCoreApplication::setApplicationName(QStringLiteral("Cratemark"));
  QCoreApplication::setApplicationVersion(QLatin1String(kCratemarkVersion));
}

// The stocks as the printer settings hold them, read only when the command line asks for them.
QList<LabelStock> AvailableStocks() { return PrinterFitStore().Load().Stocks(); }

void Print(std::FILE* stream, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stream);
}

}  // namespace

int main(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

  // The command line is read before any application object exists: help, version and refusals
  // are answered without a window, so they work where there is no display at all.
  CommandLine command_line = ParseCommandLine(arguments, AvailableStocks);
  const Language language =
      command_line.language.value_or(LanguageOfLocale(EnvironmentMessageLocale()));
  FolderResult folder = FolderResult::kEntered;
  if (command_line.action == CommandLine::Action::kRun && !command_line.folder.isEmpty()) {
    folder = EnterWorkFolder(command_line.folder);
  }

  if (command_line.action != CommandLine::Action::kRun || folder != FolderResult::kEntered) {
    QCoreApplication app(argc, argv);
    NameTheApplication();
    InstallTranslations(language);
    // Parsed again now that its texts can be translated.
    command_line = ParseCommandLine(arguments, AvailableStocks);
    switch (command_line.action) {
      case CommandLine::Action::kShowHelp:
      case CommandLine::Action::kShowVersion:
      case CommandLine::Action::kListStocks:
        Print(stdout, command_line.text);
        return 0;
      case CommandLine::Action::kUsageError:
        Print(stderr, command_line.text);
        return kUsageExitStatus;
      case CommandLine::Action::kRun:
        Print(stderr, FolderErrorText(folder, command_line.folder));
        return kUsageExitStatus;
    }
  }

  if (command_line.print) {
    // No window is shown, so no display is needed, whatever the environment asks for: a platform
    // that wants one (xcb on a server) or a desktop theme would end the program before it prints.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_QPA_PLATFORMTHEME");
    QApplication app(argc, argv);
    NameTheApplication();
    InstallTranslations(language);
    InstallFontSubstitutions();
    ConsolePrompter prompter(stderr, command_line.yes);
    if (const QString problem = PdfTargetProblem(command_line.pdf); !problem.isEmpty()) {
      prompter.Message(problem);
      return kNotPrintedExitStatus;
    }
    ConsoleFeedback feedback(stderr);
    QtPrintTarget target;
    return PrintFromCommandLine(command_line, prompter, target, feedback,
                                LoadPrinterFits(PrinterFitStore(), prompter));
  }

  QApplication app(argc, argv);
  NameTheApplication();
  // Ties the window to the desktop entry cratemark.desktop, for its icon and name.
  QGuiApplication::setDesktopFileName(QStringLiteral("cratemark"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("cratemark")));
  for (const QString& file : InstallTranslations(language)) {
    Print(stderr, QStringLiteral("cratemark: %1 %2\n")
                      .arg(QCoreApplication::translate("CommandLine", "找不到翻譯檔:"), file));
  }
  InstallFontSubstitutions();

  MainWindow window;
  if (qEnvironmentVariableIsSet("CRATEMARK_TEST_DRIVER")) new TestDriver(&window);
  window.show();
  // `cratemark JOB` opens the job; the question about a job left by a crash comes first.
  window.StartSession(command_line.job);
  return app.exec();
}
