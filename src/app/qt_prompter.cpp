#include "app/qt_prompter.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

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

SaveChoice QtPrompter::AskSaveChanges(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::NoButton, parent_);
  // Buttons of their own, so the answers read the same whatever language Qt's buttons are in.
  QPushButton* save =
      box.addButton(QCoreApplication::translate("QtPrompter", "儲存"), QMessageBox::AcceptRole);
  QPushButton* discard = box.addButton(QCoreApplication::translate("QtPrompter", "不儲存"),
                                       QMessageBox::DestructiveRole);
  QPushButton* cancel =
      box.addButton(QCoreApplication::translate("QtPrompter", "取消"), QMessageBox::RejectRole);
  box.setDefaultButton(save);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == save) return SaveChoice::kSave;
  if (box.clickedButton() == discard) return SaveChoice::kDiscard;
  return SaveChoice::kCancel;
}
