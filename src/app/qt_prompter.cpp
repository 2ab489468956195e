#include "app/qt_prompter.h"

#include <QMessageBox>

namespace {
const QString kTitle = QStringLiteral("Cratemark");
}

void QtPrompter::Message(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::Ok, parent_);
  box.exec();
}

bool QtPrompter::AskYesNo(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::Yes | QMessageBox::No, parent_);
  return box.exec() == QMessageBox::Yes;
}
