#pragma once

#include <QString>
#include <QStringList>

// The answers to the question asked before unsaved changes would be thrown away.
enum class SaveChoice { kSave, kDiscard, kCancel };

// Every message box of the program goes through this interface, so the commands can be run and
// tested without a window. The Qt implementation lives with the main window; tests script answers.
class Prompter {
 public:
  virtual ~Prompter() = default;

  // A message box with an OK button and the program's title.
  virtual void Message(const QString& text) = 0;

  // A message box with Yes and No buttons; true for Yes.
  virtual bool AskYesNo(const QString& text) = 0;

  // The one question before a print with problems: `intro`, then every item, a line each, in the
  // box's own text; the buttons print and not print, and not printing is what Enter, Escape and
  // closing the box answer. True to print. By default a Yes/No question of the same text.
  virtual bool AskToPrintDespite(const QString& intro, const QStringList& items) {
    return AskYesNo(intro + u'\n' + items.join(u'\n'));
  }

  // A message box with 儲存, 不儲存 and 取消 buttons. A prompter that cannot ask (no one is at a
  // window) answers Cancel, so nothing is thrown away unasked.
  virtual SaveChoice AskSaveChanges(const QString& /*text*/) { return SaveChoice::kCancel; }

  // A message box with a button for each of `choices`, the first the default; returns the index
  // of the one pressed. The last is the way out that changes nothing: Escape and closing the box
  // answer it, and so does a prompter that cannot ask.
  virtual int Choose(const QString& /*text*/, const QStringList& choices) {
    return int(choices.size()) - 1;
  }
};
