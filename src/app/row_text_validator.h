#pragma once

#include <QValidator>

// Keeps a template row on one line as it is typed or pasted into: every control character
// (a line break, a tab) becomes a blank, and the text is always acceptable.
class RowTextValidator : public QValidator {
  Q_OBJECT

 public:
  using QValidator::QValidator;

  State validate(QString& input, int& position) const override;
};
