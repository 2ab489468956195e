#include "app/console_print.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>

#include "app/command_line.h"
#include "app/startup.h"
#include "history/history_writer.h"
#include "job/job_commands.h"
#include "job/job_file.h"
#include "model/main_model.h"
#include "print/printer_fits.h"
#include "print/run_sequence.h"

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

namespace {

QString Answer(bool yes) {
  return yes ? QCoreApplication::translate("CommandPrint", "(有 --yes: 照樣列印)")
             : QCoreApplication::translate("CommandPrint",
                                           "(命令列沒有 --yes, 所以不印; 確認沒問題後請加上 "
                                           "--yes 再印一次)");
}

}  // namespace

bool ConsolePrompter::AskYesNo(const QString& text) {
  Write(stream_, QStringLiteral("cratemark: %1\n%2\n").arg(text, Answer(answer_yes_)));
  return answer_yes_;
}

bool ConsolePrompter::AskToPrintDespite(const QString& intro, const QStringList& items) {
  QString text = QStringLiteral("cratemark: %1\n").arg(intro);
  for (const QString& item : items) text += QStringLiteral("cratemark: %1\n").arg(item);
  Write(stream_, text + Answer(answer_yes_) + u'\n');
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

  RunRequest request;
  request.options.start = QString::number(command_line.start_place);
  request.options.copies = QString::number(command_line.copies);
  if (!command_line.cartons.isEmpty()) {
    const std::optional<RangeTexts> range = SplitRange(command_line.cartons);
    request.options.kind = PrintChoice::kCartons;
    if (range) {
      request.options.from = range->from;
      request.options.to = range->to;
    }
  }
  request.printer = command_line.printer;
  request.pdf_path = command_line.pdf;
  request.no_printer_message = QCoreApplication::translate(
      "CommandPrint",
      "找不到預設的印表機, 沒有印出任何標籤。請用 --printer 指定印表機, 或用 --pdf 存成 PDF "
      "檔。");
  std::optional<LabelStock> stock;
  if (!command_line.stock.isEmpty()) {
    // Named on the command line, it was one of the stocks then; the settings could have changed
    // since.
    stock = FindStock(fits.stocks, command_line.stock);
    if (!stock) {
      prompter.Message(QCoreApplication::translate(
                           "CommandPrint",
                           "沒有「%1」這種標籤紙, 沒有印出任何標籤。請用 cratemark --list-stocks "
                           "查看有哪些。")
                           .arg(command_line.stock));
      return kNotPrinted;
    }
  }
  request.fit = [&fits, &stock](const PrintDestination& destination) {
    StockFit fit = fits.For(destination);
    // The printer's offsets are its own; a pitch between page rows was measured on its own stock.
    if (stock && stock != fit.stock.value_or(fits.stocks.first())) {
      fit.stock = stock;
      fit.pitch.reset();
    }
    return fit;
  };
  const RunOutcome outcome = RunSequence(model, request, prompter, target, feedback);
  if (!outcome.printed) return kNotPrinted;
  // A record that cannot be stored is said on standard error; the labels are out all the same.
  if (outcome.history_due) StorePrintedTemplate(model, prompter);
  return kPrinted;
}
