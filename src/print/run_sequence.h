#pragma once

#include <QString>
#include <cstdint>
#include <functional>

#include "print/print_options.h"
#include "print/print_target.h"

class Prompter;
struct MainModel;

// What a caller of the run sequence brings besides the job: what to print and where to.
struct RunRequest {
  // What is printed, as typed; the whole run from its first place unless told.
  PrintOptionTexts options;
  // Where it goes: a PDF file at this path; else the printer of this name; else, with `ask_pdf`,
  // a PDF file the user names; else the print system's default printer.
  QString pdf_path;
  QString printer;
  bool ask_pdf = false;
  // Without a default printer: this message, and nothing is printed; when empty, the user is
  // offered a PDF file instead.
  QString no_printer_message;
  // A printer's fit to its label stock; none: nothing moves.
  std::function<StockFit(const PrintDestination&)> fit;
};

// How a run ended.
struct RunOutcome {
  bool printed = false;
  // The whole run went to the printer or into a PDF file to its end: the caller stores the
  // history record. Never after a reprint of sheets or cartons.
  bool history_due = false;
  PrintDestination destination;  // where it went, once printed
  int64_t labels = 0;
  int64_t sheets = 0;
};

// The one sequence of a print, for the print button, the whole-run preview's 列印 and 存成 PDF…
// and `cratemark --print` alike: the checks (each refusal with its message), the plan and the
// choice, the destination, the preflight with all its items asked in one question whose default
// is not to print, the PDF file's name, and the print. Every way out after the checks have passed
// (a No, a closed file dialog, a declined PDF offer, a printer that went away, a failure or a
// Cancel while printing) leaves the block table as it was before; a refusal of the checks after
// the block on screen was stored leaves it stored. The sequence writes no history.
RunOutcome RunSequence(MainModel& model, const RunRequest& request, Prompter& prompter,
                       PrintTarget& target, PrintFeedback& feedback);
