#include "model/row_text.h"

bool IsControlCharacter(QChar c) {
  // A byte-order mark takes a column on the label and shows nothing, like a blank; at the start of
  // a record it would be taken for the mark of the file's encoding and dropped.
  if (c == QChar::ByteOrderMark) return true;
  switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
      return true;
    default:
      return false;
  }
}

QString WithoutControlCharacters(const QString& text) {
  QString clean = text;
  for (QChar& c : clean) {
    if (IsControlCharacter(c)) c = u' ';
  }
  return clean;
}
