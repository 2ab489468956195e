#include "app/test_driver.h"

#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
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
  if (verb == u"answer") {
    if (!box || box == answered_) return false;
    QAbstractButton* button = ButtonFor(box, command.section(u' ', 1).trimmed());
    if (!button) return false;
    answered_ = box;
    button->click();
    return true;
  }
  // The last answer is done with once its box is gone and whatever it led to has run.
  if (answered_ || QApplication::activeModalWidget() || window_->RunningCommand()) return false;

  if (verb == u"type") {
    auto* field = window_->findChild<QLineEdit*>(command.section(u' ', 1, 1));
    if (!field) {
      std::fprintf(stderr, "test driver: no field %s\n", qPrintable(command.section(u' ', 1, 1)));
      return true;
    }
    field->setFocus();
    field->end(false);
    for (const QChar c : command.section(u' ', 2)) {
      QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
      QApplication::sendEvent(field, &press);
      QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
      QApplication::sendEvent(field, &release);
    }
  } else if (verb == u"dump") {
    const QByteArray bytes = JobBytesAsSaved(window_->ModelOnScreen()).value_or(QByteArray());
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fputs("\n.\n", stdout);
    std::fflush(stdout);
  } else if (verb == u"close") {
    window_->close();
  }
  return true;
}
