#pragma once

#include <QString>

// A template row is one line of a label and one line of a history record. A line break, a tab or
// any other control character in it (pasted from a spreadsheet or an e-mail) would split the
// record and shift every row after it, so each becomes a blank.
QString WithoutControlCharacters(const QString& text);

// True when `c` is a control character or a line or paragraph separator.
bool IsControlCharacter(QChar c);
