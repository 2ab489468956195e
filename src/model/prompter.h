#pragma once

#include <QString>

// Every message box of the program goes through this interface, so the commands can be run and
// tested without a window. The Qt implementation lives with the main window; tests script answers.
class Prompter {
 public:
  virtual ~Prompter() = default;

  // A message box with an OK button and the program's title.
  virtual void Message(const QString& text) = 0;

  // A message box with Yes and No buttons; true for Yes.
  virtual bool AskYesNo(const QString& text) = 0;
};
