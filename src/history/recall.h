#pragma once

#include <QString>

class Prompter;
struct MainModel;

// Calls a printed template back from the history list: `item` is a list item such as
// "03,MADE IN TAIWAN", whose first two characters name the history file. The file's lines become
// the rows' contents, trimmed; a row holding exactly "C/NO.:" or "P/NO.:" is chosen as the carton-
// or pallet-number row as if the user had clicked its option. Alignments, block fields and the
// block table stay as they are.
//
// A file that is missing or cannot be read is reported and nothing changes (returns false). A file
// of fewer lines than rows fills the rows it has and empties the rest.
bool RecallHistory(MainModel& model, const QString& item, Prompter& prompter);
