#pragma once

#include <QString>

// A template row is one line of a label and one line of a history record. A line break, a tab or
// any other control character in it (pasted from a spreadsheet or an e-mail) would split the
// record and shift every row after it, so each becomes a blank; so does a byte-order mark, which
// prints as a blank anyway.
QString WithoutControlCharacters(const QString& text);

// True when `c` is a control character, a line or paragraph separator or a byte-order mark.
bool IsControlCharacter(QChar c);
