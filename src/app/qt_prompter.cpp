#include "app/qt_prompter.h"

#include <QMessageBox>

namespace {
const QString kTitle = QStringLiteral("Cratemark");
}

void QtPrompter::Message(const QString& text) {
  QMessageBox::information(parent_, kTitle, text, QMessageBox::Ok);
}

bool QtPrompter::AskYesNo(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::Yes | QMessageBox::No, parent_);
  return box.exec() == QMessageBox::Yes;
}
