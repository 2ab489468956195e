#pragma once

#include <QString>

class Prompter;
class PrintFeedback;
class PrintLayout;
class PrintTarget;
struct MainModel;
struct PrintDestination;
struct PrinterFits;

// The checks of the print button, in their order, each stopping with its message: the remainder
// option, the carton range on screen, storing the block on screen (which stays stored when a later
// check fails), cartons per pallet, the pallet-number and carton-number rows, and numbers that the
// 16-bit carton numbering cannot print, then every label's barcode (CheckLabelBarcode). True when a
// run may be planned from the table.
bool CheckRun(MainModel& model, Prompter& prompter);

// The question the print button asks before it prints a run whose numbered blocks share carton
// numbers; empty when none do. It names the blocks and the cartons.
QString OverlapQuestion(const MainModel& model);

// What the print button does: the checks, the overlap question, then the whole run on the default
// printer from the first place of the first sheet (into a PDF file of the user's choice when there
// is no printer): two labels a page row, four page rows a sheet, each carton's label with its
// pallet and carton number, then the odd or the remainder label. The run is printed with that
// printer's fit from `fits` (the PDF files' one for a PDF file), after the fit check has asked
// about marks outside the printer's printable area. A No to the overlap question or to the fit
// check prints nothing and leaves the block table as it was. True when the document was printed
// to its end; the caller then stores the history record.
bool PrintRun(MainModel& model, Prompter& prompter, PrintTarget& target, PrintFeedback& feedback,
              const PrinterFits& fits);

// Prints the labels of `layout` (made from a plan of `model` that passed CheckRun) to
// `destination`. A printer that fails, a printer that has gone away or a Cancel in the progress
// dialog throws the document away with a message (none for Cancel); the progress dialog, once
// shown, ends with the run however it ends, before any message. True when the document was
// printed to its end.
bool PrintLayoutTo(const MainModel& model, const PrintLayout& layout,
                   const PrintDestination& destination, Prompter& prompter, PrintTarget& target,
                   PrintFeedback& feedback);
