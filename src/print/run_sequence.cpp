#include "print/run_sequence.h"

#include <QCoreApplication>

#include "model/main_model.h"
#include "model/prompter.h"
#include "print/layout_printing.h"
#include "print/preflight.h"
#include "print/run_checks.h"
#include "print/run_plan.h"
#include "print/symbol_shapes.h"

namespace {

// The texts of this file's messages, translated under one context.
struct Text {
  Q_DECLARE_TR_FUNCTIONS(PrintRun)
};

// Stands for the PDF file until the user names it: every PDF file has the same page.
const QString kSomePdf = QStringLiteral("labels.pdf");

RunOutcome PlanAndPrint(MainModel& model, const RunRequest& request, Prompter& prompter,
                        PrintTarget& target, PrintFeedback& feedback, SymbolShapes& shapes) {
  const RunPlan plan = RunPlan::Of(model);
  const PrintOptionsRead read = ReadPrintOptions(request.options, plan);
  if (!read.options) {
    prompter.Message(read.message);
    return {};
  }

  PrintDestination destination;
  destination.copies = read.options->copies;
  bool ask_pdf = request.ask_pdf;
  if (!request.pdf_path.isEmpty()) {
    destination.pdf_path = request.pdf_path;
  } else if (!request.printer.isEmpty()) {
    destination.printer = request.printer;
  } else if (!ask_pdf) {
    if (target.HasDefaultPrinter()) {
      // Named, so that the run goes to the printer whose fit it was given.
      destination.printer = target.DefaultPrinterName();
    } else if (!request.no_printer_message.isEmpty()) {
      prompter.Message(request.no_printer_message);
      return {};
    } else {
      if (!prompter.AskYesNo(
              Text::tr("找不到預設的印表機, 無法列印。\n要把這次的標籤存成 PDF 檔嗎?"))) {
        return {};
      }
      ask_pdf = true;
    }
  }
  if (ask_pdf) destination.pdf_path = kSomePdf;
  if (request.fit) destination.fit = request.fit(destination);

  const PrintLayout layout(plan, read.options->choice);
  const Preflight preflight = RunPreflight(model, layout, destination.fit,
                                           target.PrintableArea(destination).size(), shapes);
  if (!preflight.items.isEmpty() &&
      !prompter.AskToPrintDespite(PreflightIntro(preflight, destination), preflight.Texts())) {
    return {};
  }
  if (ask_pdf) {
    // Asked last: a file is named only for a print that goes ahead.
    destination.pdf_path = feedback.AskPdfPath();
    if (destination.pdf_path.isEmpty()) return {};
  }
  if (!PrintLayoutTo(model, layout, destination, prompter, target, feedback, shapes)) return {};

  RunOutcome outcome;
  outcome.printed = true;
  outcome.history_due = read.options->choice.kind == PrintChoice::kWholeRun;
  outcome.destination = destination;
  outcome.labels = layout.label_count();
  outcome.sheets = layout.sheets();
  return outcome;
}

}  // namespace

RunOutcome RunSequence(MainModel& model, const RunRequest& request, Prompter& prompter,
                       PrintTarget& target, PrintFeedback& feedback) {
  const int shown = model.current_block;
  const BlockEntry before = model.blocks[shown];
  SymbolShapes shapes;
  if (!CheckRun(model, prompter, shapes)) return {};
  const RunOutcome outcome = PlanAndPrint(model, request, prompter, target, feedback, shapes);
  // Nothing printed, nothing changed: the block on screen is not left stored either.
  if (!outcome.printed) model.blocks[shown] = before;
  return outcome;
}
