#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

class MainWindow;
class QSocketNotifier;

// Lets an end-to-end test stand in for the user of a running program, which it starts with
// CRATEMARK_TEST_DRIVER=1 in the environment; without that variable nothing of this exists. The
// test writes one command a line to standard input:
//   type NAME TEXT   types TEXT, key by key, at the end of the field named NAME
//   answer ROLE      presses the button of the open message box with that role: yes, no, save,
//                    discard or cancel (waits for the box to appear)
//   press LABEL      presses the button of the open message box whose text (without its &)
//                    starts with LABEL (waits for the box and the button)
//   enter            presses Enter in the open message box, as a user who only hits the key does
//                    (waits for the box to appear)
//   file PATH        writes the path the open file dialog suggests, then a line "."; then chooses
//                    PATH in it, or cancels it without a PATH (waits for the dialog)
//   clear NAME       selects all of the field named NAME and deletes it with the Delete key
//   click NAME       clicks the button named NAME
//   trigger NAME     triggers the menu action named NAME, as its menu entry or its key does
//   captions         writes the name and text of every caption, button and menu entry of the
//                    window to standard output, one "name<TAB>text" a line, then a line "."
//   message          writes the open message box's text, then its buttons' texts, a line each with
//                    line breaks as \n, then a line "." (waits for the box, leaves it open)
//   dump             writes the job as 儲存工作 would save it to standard output, then a line "."
//   title            writes the window's title, then a line "."
//   close            closes the main window as the title bar's close button does
// Every command but `answer`, `press`, `enter` and `file` waits until no message box or dialog is
// open. The commands go
// through the window's real keys, dialogs and timers. A command that has waited for a few seconds
// says on standard error what it waits for, so a failing test shows the message box in the way.
class TestDriver : public QObject {
  Q_OBJECT

 public:
  explicit TestDriver(MainWindow* window);

 private:
  void ReadInput();
  void RunNext();
  bool Run(const QString& command);
  void WriteCaptions() const;

  MainWindow* window_;
  QSocketNotifier* input_ = nullptr;
  QByteArray pending_;
  QStringList commands_;
  QTimer retry_;
  QPointer<QWidget> answered_;  // the message box answered last, until it has gone
  int waits_ = 0;               // retries of the first command so far
  bool title_due_ = false;      // `title` has let the window's timers run
};
