#include "app/print_button.h"

#include "history/history_writer.h"
#include "print/printer_fits.h"
#include "print/run_sequence.h"

bool PrintButton(MainModel& model, Prompter& prompter, PrintTarget& target, PrintFeedback& feedback,
                 const PrinterFits& fits) {
  RunRequest request;
  request.fit = [&fits](const PrintDestination& destination) { return fits.For(destination); };
  const RunOutcome outcome = RunSequence(model, request, prompter, target, feedback);
  // The run only prints; the record of what it printed is stored here, once it printed, and a
  // record that cannot be stored is said once.
  if (outcome.history_due) StorePrintedTemplate(model, prompter);
  return outcome.printed;
}
