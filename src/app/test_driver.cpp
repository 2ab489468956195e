#include "app/test_driver.h"

#include <unistd.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSocketNotifier>
#include <cstdio>

#include "app/main_window.h"
#include "job/job_commands.h"

namespace {

QAbstractButton* ButtonFor(QMessageBox* box, const QString& role) {
  for (QAbstractButton* button : box->buttons()) {
    const QMessageBox::ButtonRole button_role = box->buttonRole(button);
    if ((role == u"yes" && button_role == QMessageBox::YesRole) ||
        (role == u"no" && button_role == QMessageBox::NoRole) ||
        (role == u"save" && button_role == QMessageBox::AcceptRole) ||
        (role == u"discard" && button_role == QMessageBox::DestructiveRole) ||
        (role == u"cancel" && button_role == QMessageBox::RejectRole)) {
      return button;
    }
  }
  return nullptr;
}

// One line of the driver's output: line breaks written as \n, so every text stays on its line.
void WriteLine(const QString& text) {
  std::fputs(qPrintable(QString(text).replace(u'\n', QStringLiteral("\\n"))), stdout);
  std::fputc('\n', stdout);
}

void EndOutput() {
  std::fputs(".\n", stdout);
  std::fflush(stdout);
}

}  // namespace

TestDriver::TestDriver(MainWindow* window) : QObject(window), window_(window) {
  input_ = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
  connect(input_, &QSocketNotifier::activated, this, &TestDriver::ReadInput);
  retry_.setInterval(20);
  retry_.setSingleShot(true);
  connect(&retry_, &QTimer::timeout, this, &TestDriver::RunNext);
}

void TestDriver::ReadInput() {
  char buffer[4096];
  const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
  if (got <= 0) {
    input_->setEnabled(false);  // the test closed its end
    return;
  }
  pending_.append(buffer, got);
  qsizetype end;
  while ((end = pending_.indexOf('\n')) >= 0) {
    commands_ << QString::fromUtf8(pending_.left(end));
    pending_.remove(0, end + 1);
  }
  RunNext();
}

void TestDriver::RunNext() {
  while (!commands_.isEmpty()) {
    // Off the queue while it runs: a command may open a message box, whose own event loop then
    // runs the commands after it from the timer.
    const QString command = commands_.takeFirst();
    if (!commands_.isEmpty()) retry_.start();
    if (!Run(command)) {
      commands_.prepend(command);
      if (++waits_ == 250) {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        std::fprintf(stderr, "test driver: \"%s\" waits; message box: %s\n", qPrintable(command),
                     box ? qPrintable(box->text()) : "none");
      }
      retry_.start();
      return;
    }
    waits_ = 0;
  }
}

bool TestDriver::Run(const QString& command) {
  const QString verb = command.section(u' ', 0, 0);
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (verb == u"message") {
    if (!box || box == answered_) return false;
    WriteLine(box->text());
    for (QAbstractButton* button : box->buttons()) WriteLine(button->text());
    EndOutput();
    return true;
  }
  if (verb == u"answer") {
    if (!box || box == answered_) return false;
    QAbstractButton* button = ButtonFor(box, command.section(u' ', 1).trimmed());
    if (!button) return false;
    answered_ = box;
    button->click();
    return true;
  }
  if (verb == u"press") {
    if (!box || box == answered_) return false;
    const QString label = command.section(u' ', 1);
    for (QAbstractButton* button : box->buttons()) {
      if (button->text().remove(u'&').startsWith(label)) {
        answered_ = box;
        button->click();
        return true;
      }
    }
    return false;
  }
  if (verb == u"file") {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog || dialog == answered_) return false;
    WriteLine(dialog->selectedFiles().value(0));
    EndOutput();
    answered_ = dialog;
    const QString path = command.section(u' ', 1);
    if (path.isEmpty()) {
      dialog->reject();
      return true;
    }
    // Typed as a clerk types a name: a file the dialog chose by itself while it read the folder
    // would win over a name given with selectFile.
    dialog->setDirectory(QFileInfo(path).absolutePath());
    for (auto* view : dialog->findChildren<QAbstractItemView*>()) {
      if (view->selectionModel()) view->selectionModel()->clear();
    }
    if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
      name->setText(QFileInfo(path).fileName());
    }
    static_cast<QDialog*>(dialog)->accept();  // as its Save or Open button does
    return true;
  }
  if (verb == u"enter") {
    if (!box || box == answered_) return false;
    answered_ = box;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(box, &press);
    return true;
  }
  // The last answer is done with once its box is gone and whatever it led to has run.
  if (answered_ || QApplication::activeModalWidget() || window_->RunningCommand()) return false;

  if (verb == u"type" || verb == u"clear") {
    auto* field = window_->findChild<QLineEdit*>(command.section(u' ', 1, 1));
    if (!field) {
      std::fprintf(stderr, "test driver: no field %s\n", qPrintable(command.section(u' ', 1, 1)));
      return true;
    }
    field->setFocus();
    field->end(false);
    if (verb == u"clear") {
      field->selectAll();
      QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
      QApplication::sendEvent(field, &press);
      return true;
    }
    for (const QChar c : command.section(u' ', 2)) {
      QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
      QApplication::sendEvent(field, &press);
      QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
      QApplication::sendEvent(field, &release);
    }
  } else if (verb == u"click") {
    auto* button = window_->findChild<QAbstractButton*>(command.section(u' ', 1, 1));
    if (!button) {
      std::fprintf(stderr, "test driver: no button %s\n", qPrintable(command.section(u' ', 1, 1)));
      return true;
    }
    button->click();
  } else if (verb == u"captions") {
    WriteCaptions();
  } else if (verb == u"dump") {
    const QByteArray bytes = JobBytesAsSaved(window_->ModelOnScreen()).value_or(QByteArray());
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fputs("\n.\n", stdout);
    std::fflush(stdout);
  } else if (verb == u"trigger") {
    auto* action = window_->findChild<QAction*>(command.section(u' ', 1, 1));
    if (!action) {
      std::fprintf(stderr, "test driver: no action %s\n", qPrintable(command.section(u' ', 1, 1)));
      return true;
    }
    action->trigger();
  } else if (verb == u"title") {
    // The title follows a change on a timer of its own: read after the events of one more turn.
    if (!title_due_) {
      title_due_ = true;
      return false;
    }
    title_due_ = false;
    WriteLine(window_->windowTitle());
    EndOutput();
  } else if (verb == u"close") {
    window_->close();
  }
  return true;
}

void TestDriver::WriteCaptions() const {
  for (const QLabel* label : window_->findChildren<QLabel*>()) {
    if (!label->objectName().isEmpty() && !label->text().isEmpty()) {
      WriteLine(label->objectName() + u'\t' + label->text());
    }
  }
  for (const QAbstractButton* button : window_->findChildren<QAbstractButton*>()) {
    if (!button->objectName().isEmpty() && !button->text().isEmpty()) {
      WriteLine(button->objectName() + u'\t' + button->text());
    }
  }
  // Menus by their place, entries by their menu and place: "menu 1", "menu 1.3".
  const QList<QAction*> menus = window_->menuBar()->actions();
  for (int m = 0; m < menus.size(); ++m) {
    WriteLine(QStringLiteral("menu %1\t").arg(m + 1) + menus[m]->text());
    if (!menus[m]->menu()) continue;
    const QList<QAction*> entries = menus[m]->menu()->actions();
    for (int e = 0; e < entries.size(); ++e) {
      if (entries[e]->isSeparator()) continue;
      WriteLine(QStringLiteral("menu %1.%2\t").arg(m + 1).arg(e + 1) + entries[e]->text());
    }
  }
  EndOutput();
}
