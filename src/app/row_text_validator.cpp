#include "app/row_text_validator.h"

#include "model/row_text.h"

QValidator::State RowTextValidator::validate(QString& input, int& /*position*/) const {
  // One character for one: the cursor stays where it was.
  input = WithoutControlCharacters(input);
  return Acceptable;
}
