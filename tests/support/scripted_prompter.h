#pragma once

#include <QString>
#include <QStringList>
#include <deque>

#include "model/prompter.h"
#include "support/qt_printers.h"

// Records every message and question and answers questions from a script (Yes, Cancel for the
// question about unsaved changes, or a choice's way out, when the script has run out).
class ScriptedPrompter : public Prompter {
 public:
  void Message(const QString& text) override { messages << text; }

  bool AskYesNo(const QString& text) override {
    questions << text;
    if (answers.empty()) return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }

  // Asked like a Yes/No question, whose text holds the intro and the items; the items are kept too.
  bool AskToPrintDespite(const QString& intro, const QStringList& items) override {
    warnings << items;
    return AskYesNo(intro + u'\n' + items.join(u'\n'));
  }

  SaveChoice AskSaveChanges(const QString& text) override {
    questions << text;
    if (save_answers.empty()) return SaveChoice::kCancel;
    const SaveChoice answer = save_answers.front();
    save_answers.pop_front();
    return answer;
  }

  // Answers from `choices`, or the last choice (the way out) when the script has run out.
  int Choose(const QString& text, const QStringList& offered) override {
    questions << text;
    if (choices.empty()) return int(offered.size()) - 1;
    const int answer = choices.front();
    choices.pop_front();
    return answer;
  }

  QStringList messages;
  QStringList questions;
  QList<QStringList> warnings;  // the items of each question before a print
  std::deque<bool> answers;
  std::deque<SaveChoice> save_answers;
  std::deque<int> choices;
};
