#include "app/command_print.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>

#include "app/command_line.h"
#include "app/startup.h"
#include "history/history_writer.h"
#include "job/job_commands.h"
#include "job/job_file.h"
#include "model/main_model.h"
#include "print/fit_check.h"
#include "print/print_options.h"
#include "print/print_run.h"
#include "print/printer_fits.h"
#include "print/run_plan.h"

namespace {

void Write(std::FILE* stream, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stream);
  std::fflush(stream);
}

constexpr int kPrinted = 0;
constexpr int kNotPrinted = kNotPrintedExitStatus;

}  // namespace

void ConsolePrompter::Message(const QString& text) {
  Write(stream_, QStringLiteral("cratemark: %1\n").arg(text));
}

bool ConsolePrompter::AskYesNo(const QString& text) {
  const QString answer =
      answer_yes_ ? QCoreApplication::translate("CommandPrint", "(有 --yes: 照樣列印)")
                  : QCoreApplication::translate("CommandPrint",
                                                "(命令列沒有 --yes, 所以不印; 確認沒問題後請加上 "
                                                "--yes 再印一次)");
  Write(stream_, QStringLiteral("cratemark: %1\n%2\n").arg(text, answer));
  return answer_yes_;
}

ConsoleFeedback::ConsoleFeedback(std::FILE* stream)
    : stream_(stream), terminal_(isatty(fileno(stream)) != 0) {}

void ConsoleFeedback::StartProgress(int sheets) {
  sheets_ = sheets;
  shown_ = false;
}

bool ConsoleFeedback::SheetsDone(int done) {
  if (terminal_) {
    Write(stream_,
          QStringLiteral("\r%1").arg(
              QCoreApplication::translate("CommandPrint", "正在列印標籤… 第 %1 張, 共 %2 張")
                  .arg(done)
                  .arg(sheets_)));
    shown_ = true;
  }
  return true;
}

void ConsoleFeedback::EndProgress() {
  if (shown_) Write(stream_, QStringLiteral("\n"));
  shown_ = false;
}

int PrintFromCommandLine(const CommandLine& command_line, Prompter& prompter, PrintTarget& target,
                         PrintFeedback& feedback, const PrinterFits& fits) {
  QString problem;
  const std::optional<Job> job = ReadJobFile(command_line.job, &problem);
  if (!job) {
    prompter.Message(OpenJobProblem(command_line.job, problem));
    return kNotPrinted;
  }
  MainModel model;
  model.work_dir = QDir::currentPath();
  StartUp(model);
  ApplyJob(*job, model);

  if (!CheckRun(model, prompter)) return kNotPrinted;
  const QString overlap = OverlapQuestion(model);
  if (!overlap.isEmpty() && !prompter.AskYesNo(overlap)) return kNotPrinted;

  const RunPlan plan = RunPlan::Of(model);
  PrintOptionTexts texts;
  texts.start = QString::number(command_line.start_place);
  if (!command_line.cartons.isEmpty()) {
    const std::optional<RangeTexts> range = SplitRange(command_line.cartons);
    texts.kind = PrintChoice::kCartons;
    if (range) {
      texts.from = range->from;
      texts.to = range->to;
    }
  }
  const PrintOptionsRead read = ReadPrintOptions(texts, plan);
  if (!read.options) {
    prompter.Message(read.message);
    return kNotPrinted;
  }

  PrintDestination destination;
  destination.printer = command_line.printer;
  destination.pdf_path = command_line.pdf;
  if (destination.printer.isEmpty() && destination.pdf_path.isEmpty() &&
      !target.HasDefaultPrinter()) {
    prompter.Message(QCoreApplication::translate(
        "CommandPrint",
        "找不到預設的印表機, 沒有印出任何標籤。請用 --printer 指定印表機, 或用 --pdf 存成 PDF "
        "檔。"));
    return kNotPrinted;
  }
  // Named, so that the print goes to the printer whose fit it was given.
  if (destination.printer.isEmpty() && destination.pdf_path.isEmpty()) {
    destination.printer = target.DefaultPrinterName();
  }
  destination.fit = fits.For(destination);
  const PrintLayout layout(plan, read.options->choice);
  if (!ConfirmFit(model, layout, destination, prompter, target)) return kNotPrinted;
  if (!PrintLayoutTo(model, layout, destination, prompter, target, feedback)) return kNotPrinted;
  // A record that cannot be stored is said on standard error; the labels are out all the same.
  if (read.options->choice.kind == PrintChoice::kWholeRun) StorePrintedTemplate(model, prompter);
  return kPrinted;
}
