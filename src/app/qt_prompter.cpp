#include "app/qt_prompter.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

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

SaveChoice QtPrompter::AskSaveChanges(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::NoButton, Over(parent_));
  // Buttons of their own, so the answers read the same whatever language Qt's buttons are in.
  // Each with its letter, so the answer is one key away.
  QPushButton* save =
      box.addButton(QCoreApplication::translate("QtPrompter", "儲存(&S)"), QMessageBox::AcceptRole);
  QPushButton* discard = box.addButton(QCoreApplication::translate("QtPrompter", "不儲存(&N)"),
                                       QMessageBox::DestructiveRole);
  QPushButton* cancel =
      box.addButton(QCoreApplication::translate("QtPrompter", "取消(&C)"), QMessageBox::RejectRole);
  box.setDefaultButton(save);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == save) return SaveChoice::kSave;
  if (box.clickedButton() == discard) return SaveChoice::kDiscard;
  return SaveChoice::kCancel;
}
