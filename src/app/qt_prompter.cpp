#include "app/qt_prompter.h"

#include <QApplication>
#include <QMessageBox>

namespace {

const QString kTitle = QStringLiteral("Cratemark");

// A message stands over the window the user works in: a modal window opened over the main window
// (such as the print preview) when there is one.
QWidget* Over(QWidget* parent) {
  QWidget* modal = QApplication::activeModalWidget();
  return modal ? modal : parent;
}

}  // namespace

void QtPrompter::Message(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::Ok, Over(parent_));
  box.exec();
}

bool QtPrompter::AskYesNo(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::Yes | QMessageBox::No,
                  Over(parent_));
  return box.exec() == QMessageBox::Yes;
}
