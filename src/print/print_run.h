#pragma once

class Prompter;
class PrintFeedback;
class PrintTarget;
struct MainModel;

// What the print button does: checks the fields on screen (stopping with a message at the first
// that fails), stores the block on screen, prints a label for every carton of every block (two
// labels a page row, four page rows a sheet) with its pallet and carton number, then the odd or
// the remainder label, ends the document and stores the template on screen as the newest history
// record. Numbers that do not fit the 16-bit carton numbers stop the run before anything is
// printed; a printer that fails, or a Cancel in the progress dialog, throws the document away and
// writes no history record. True when the document was printed to its end.
bool PrintRun(MainModel& model, Prompter& prompter, PrintTarget& target, PrintFeedback& feedback);
