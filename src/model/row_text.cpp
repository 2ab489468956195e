#include "model/row_text.h"

bool IsControlCharacter(QChar c) {
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
