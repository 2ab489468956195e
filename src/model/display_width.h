#pragma once

#include <QString>
#include <QStringView>

// Columns a text takes on a label: two for a character that the Traditional Chinese code page
// (Big5, code page 950) stores in two bytes; outside Big5, two for a Unicode wide or full-width
// character; one for every other character. The printer, the preview and the renderer all use it.
int DisplayWidth(QStringView text);

// Columns of one character (a surrogate pair counts as one character).
int CharWidth(char32_t code_point);
