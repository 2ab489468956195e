#include "app/qt_prompter.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

namespace {

const QString kTitle = QStringLiteral("Cratemark");
// More items than this go into a list that scrolls, inside the box, so the box stays on the
// screen.
constexpr int kItemsInText = 12;

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

bool QtPrompter::AskToPrintDespite(const QString& intro, const QStringList& items) {
  QMessageBox box(QMessageBox::Warning, kTitle, intro, QMessageBox::NoButton, Over(parent_));
  if (items.size() <= kItemsInText) {
    QStringList lines;
    for (const QString& item : items) lines << QStringLiteral("• ") + item;
    box.setText(intro + QStringLiteral("\n\n") + lines.join(u'\n'));
  } else {
    auto* list = new QListWidget(&box);
    list->setObjectName(QStringLiteral("preflight_items"));
    list->addItems(items);
    list->setMinimumSize(560, 260);
    // Below the text, above the buttons, across the box: the buttons move down a row.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
      auto* buttons = box.findChild<QDialogButtonBox*>();
      const int at = buttons ? grid->indexOf(buttons) : -1;
      int row = grid->rowCount();
      int column = 0;
      int rows = 1;
      int columns = grid->columnCount();
      if (at >= 0) {
        grid->getItemPosition(at, &row, &column, &rows, &columns);
        grid->removeWidget(buttons);
        grid->addWidget(buttons, row + 1, column, rows, columns);
      }
      grid->addWidget(list, row, 0, 1, grid->columnCount());
    }
  }
  // Buttons of their own, so the answers read the same whatever language Qt's buttons are in.
  QPushButton* print = box.addButton(QCoreApplication::translate("QtPrompter", "照樣列印(&P)"),
                                     QMessageBox::YesRole);
  QPushButton* dont =
      box.addButton(QCoreApplication::translate("QtPrompter", "不印(&N)"), QMessageBox::NoRole);
  // Enter, Escape and the title bar's close button never print labels with a problem.
  box.setDefaultButton(dont);
  box.setEscapeButton(dont);
  box.exec();
  return box.clickedButton() == print;
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

int QtPrompter::Choose(const QString& text, const QStringList& choices) {
  QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::NoButton, Over(parent_));
  QList<QPushButton*> buttons;
  for (qsizetype i = 0; i < choices.size(); ++i) {
    const QMessageBox::ButtonRole role = i == 0                    ? QMessageBox::AcceptRole
                                         : i == choices.size() - 1 ? QMessageBox::RejectRole
                                                                   : QMessageBox::ActionRole;
    buttons << box.addButton(choices[i], role);
  }
  box.setDefaultButton(buttons.constFirst());
  box.setEscapeButton(buttons.constLast());
  box.exec();
  const qsizetype chosen = buttons.indexOf(box.clickedButton());
  return int(chosen < 0 ? choices.size() - 1 : chosen);
}
