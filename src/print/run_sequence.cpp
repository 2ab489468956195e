#include "print/run_sequence.h"

#include <QCoreApplication>

#include "model/main_model.h"
#include "model/prompter.h"
#include "print/label_geometry.h"
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
  // Where the run goes decides the stock its labels are placed on, and so the places the options
  // choose from; a question about it comes only once the options are right.
  PrintDestination destination;
  bool ask_pdf = request.ask_pdf;
  bool no_printer = false;
  if (!request.pdf_path.isEmpty()) {
    destination.pdf_path = request.pdf_path;
  } else if (!request.printer.isEmpty()) {
    destination.printer = request.printer;
  } else if (!ask_pdf) {
    // Named, so that the run goes to the printer whose fit it was given.
    destination.printer = target.DefaultPrinterName();
    no_printer = !target.HasDefaultPrinter();
  }
  // A run without a printer can only become a PDF file.
  if (ask_pdf || no_printer) destination.pdf_path = kSomePdf;
  if (request.fit) destination.fit = request.fit(destination);
  const LabelGeometry geometry = LabelGeometry::Of(model, PaperSetupOf(target, destination));

  const RunPlan plan = RunPlan::Of(model);
  const PrintOptionsRead read = ReadPrintOptions(request.options, plan, geometry.shape());
  if (!read.options) {
    prompter.Message(read.message);
    return {};
  }
  destination.copies = read.options->copies;
  destination.collate = read.options->collate;
  if (no_printer) {
    if (!request.no_printer_message.isEmpty()) {
      prompter.Message(request.no_printer_message);
      return {};
    }
    if (!prompter.AskYesNo(
            Text::tr("找不到預設的印表機, 無法列印。\n要把這次的標籤存成 PDF 檔嗎?"))) {
      return {};
    }
    ask_pdf = true;
  }

  const PrintLayout layout(plan, read.options->choice, geometry.shape());
  const Preflight preflight = RunPreflight(model, layout, geometry, shapes);
  if (!preflight.items.isEmpty() &&
      !prompter.AskToPrintDespite(PreflightIntro(preflight, destination), preflight.Texts())) {
    return {};
  }
  if (ask_pdf) {
    // Asked last: a file is named only for a print that goes ahead.
    destination.pdf_path = feedback.AskPdfPath();
    if (destination.pdf_path.isEmpty()) return {};
  }
  if (!PrintLayoutTo(model, layout, geometry, destination, prompter, target, feedback, shapes)) {
    return {};
  }

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
