#pragma once

class Prompter;
class PrintFeedback;
class PrintTarget;
struct MainModel;

// What the print button does: checks the fields on screen (stopping with a message at the first
// that fails), stores the block on screen, prints a label for every carton of every block (two
// labels a page row, four page rows a sheet) with its pallet and carton number, then the odd or
// the remainder label and ends the document. Numbers that do not fit the 16-bit carton numbers stop
// the run before anything is printed; a printer that fails, or a Cancel in the progress dialog,
// throws the document away. The progress dialog, once shown, ends with the run however it ends.
// True when the document was printed to its end: the caller then stores the template as the
// newest history record (history/history_writer.h); the run itself writes no file but its pages.
bool PrintRun(MainModel& model, Prompter& prompter, PrintTarget& target, PrintFeedback& feedback);
