#include "app/alignment_field.h"

#include <QKeyEvent>

AlignmentField::AlignmentField(const QStringList& entries, QWidget* parent)
    : QLineEdit(parent), entries_(entries) {}

void AlignmentField::keyPressEvent(QKeyEvent* event) {
  const bool up = event->key() == Qt::Key_Up;
  if ((!up && event->key() != Qt::Key_Down) || entries_.isEmpty()) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  // A typed text that is not in the list steps to the first entry, as a simple combo box does.
  const qsizetype index = entries_.indexOf(text());
  qsizetype next = 0;
  if (index >= 0) next = up ? qMax<qsizetype>(index - 1, 0) : qMin(index + 1, entries_.size() - 1);
  if (next != index) {
    setText(entries_[next]);
    selectAll();
  }
  event->accept();
}
