#pragma once

#include <QString>
#include <cstdio>

#include "model/prompter.h"
#include "print/print_target.h"

struct CommandLine;
struct PrinterFits;

// `cratemark --print JOB`: the job printed without any window, through the run sequence of the
// window. Messages go to standard error, and so does every item of the preflight, one a line; a
// question is answered yes only with --yes, and otherwise stops the print. A whole run stores the
// history record in the working folder as 印吧 does; a reprint of cartons stores none. The
// printer's fit from `fits` moves the print, on the stock chosen for the printer or, with --stock,
// on that one of `fits.stocks`. Returns the exit status: 0 printed, 1 refused or failed (nothing
// printed).
int PrintFromCommandLine(const CommandLine& command_line, Prompter& prompter, PrintTarget& target,
                         PrintFeedback& feedback, const PrinterFits& fits);

// Messages and questions on standard error, answered from the command line.
class ConsolePrompter : public Prompter {
 public:
  ConsolePrompter(std::FILE* stream, bool answer_yes) : stream_(stream), answer_yes_(answer_yes) {}

  void Message(const QString& text) override;
  bool AskYesNo(const QString& text) override;
  bool AskToPrintDespite(const QString& intro, const QStringList& items) override;

 private:
  std::FILE* stream_;
  bool answer_yes_;
};

// The progress of a long print on standard error, when that is a terminal.
class ConsoleFeedback : public PrintFeedback {
 public:
  explicit ConsoleFeedback(std::FILE* stream);

  QString AskPdfPath() override { return {}; }
  void StartProgress(int sheets) override;
  bool SheetsDone(int done) override;
  void EndProgress() override;

 private:
  std::FILE* stream_;
  bool terminal_;
  int sheets_ = 0;
  bool shown_ = false;
};
