#pragma once

#include "model/prompter.h"

class QWidget;

// The program's message boxes: OK for a message, Yes and No for a question, 照樣列印 / 不印 before
// a print with problems, 儲存 / 不儲存 / 取消 before changes would be lost, buttons of a choice's
// own (唯讀開啟 / 開成副本 / 不開啟 for a job someone else has open), titled with the program's
// name, over the given window or the modal window open above it.
class QtPrompter : public Prompter {
 public:
  explicit QtPrompter(QWidget* parent) : parent_(parent) {}

  void Message(const QString& text) override;
  bool AskYesNo(const QString& text) override;
  bool AskToPrintDespite(const QString& intro, const QStringList& items) override;
  SaveChoice AskSaveChanges(const QString& text) override;
  int Choose(const QString& text, const QStringList& choices) override;

 private:
  QWidget* parent_;
};
