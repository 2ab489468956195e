#pragma once

// The program's command line. Parsing needs no window and no display: main() parses before it
// creates the application, and answers --help, --version and every refusal without a window.
//
// Adding an option: declare it in ParseCommandLine (command_line.cpp), give CommandLine a field
// and fill it there; the help text lists the option by itself.

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "app/language.h"
#include "model/label_stock.h"

struct CommandLine {
  enum class Action {
    kRun,          // open the main window
    kShowHelp,     // print `text` on standard output and end with status 0
    kShowVersion,  // the same, for the version
    kListStocks,   // the same, for the stocks: one a line, its name, a tab and its description
    kUsageError,   // print `text` on standard error and end with kUsageExitStatus
  };

  Action action = Action::kRun;
  // --print: print `job` without a window and end (kRun only).
  bool print = false;
  // The help, the version or what is wrong with the command line.
  QString text;
  // --folder: the working folder, where the history files live; "~" at its start already stands
  // for the home folder. Empty when not given: the folder the program was started in.
  QString folder;
  // --lang: the interface language; nothing to follow the system's locale.
  std::optional<Language> language;
  // JOB: a job file to open at start, or to print with --print; empty when none was named.
  QString job;
  // With --print: the queue (empty: the default printer) or the PDF file (empty: none) the job goes
  // to, the first label's place on the first sheet (from 1; the run holds it to the places of its
  // stock), the carton range of a reprint (empty:
  // the whole run), and whether a question (overlapping cartons, labels past the printable area) is
  // answered yes.
  QString printer;
  QString pdf;
  int start_place = 1;
  // --copies with --print on a printer: how many copies, 1 to kMaxCopies, collated.
  int copies = 1;
  QString cartons;
  bool yes = false;
  // --stock with --print: the stock this run prints on instead of the printer's own (empty: the
  // printer's own), one that `stocks` knew at the time of parsing.
  QString stock;
};

// The exit status of a command line that cannot be followed, as for a shell's usage errors.
inline constexpr int kUsageExitStatus = 2;
// The exit status of --print when nothing was printed: the job, a check, the printer or the file.
inline constexpr int kNotPrintedExitStatus = 1;

// Every stock the program can print on: the built-in ones and the user's own.
using StockLister = std::function<QList<LabelStock>()>;

// `arguments` as main() got them, the program's path first. The texts are translated with the
// translations installed at the time of the call. `stocks` is asked only when the command line
// names or lists stocks, so that nothing else waits for the settings to be read.
CommandLine ParseCommandLine(const QStringList& arguments,
                             const StockLister& stocks = BuiltInStocks);

// A folder value as a shell would have given it: "~" and "~/…" name the home folder. The
// desktop entry relies on this, since a desktop launcher runs Exec without a shell.
QString ExpandHome(const QString& folder);

// Why --pdf cannot write to `pdf`, which exists and is no regular file (a device, a FIFO, a
// folder): the message, or nothing. Checked before the job is read, so a refusal writes nothing.
QString PdfTargetProblem(const QString& pdf);

enum class FolderResult { kEntered, kCannotCreate, kCannotEnter };

// Makes `folder` the working folder, creating it and its parents when missing.
FolderResult EnterWorkFolder(const QString& folder);

// What to tell the user when EnterWorkFolder failed; empty for kEntered.
QString FolderErrorText(FolderResult result, const QString& folder);
