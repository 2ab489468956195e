#include "app/print_command.h"

#include "history/history_writer.h"
#include "print/print_run.h"

bool PrintButton(MainModel& model, Prompter& prompter, PrintTarget& target, PrintFeedback& feedback,
                 const PrinterFits& fits) {
  if (!PrintRun(model, prompter, target, feedback, fits)) return false;
  // The run only prints; the record of what it printed is stored here, once it printed, and a
  // record that cannot be stored is said once.
  StorePrintedTemplate(model, prompter);
  return true;
}
