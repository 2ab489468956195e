#include "app/content_key_filter.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

void ContentKeyFilter::Watch(QWidget* box, int row) {
  rows_.insert(box, row);
  box->installEventFilter(this);
}

bool ContentKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  const auto row = rows_.constFind(watched);
  if (row == rows_.cend()) return false;
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;

  const auto* key = static_cast<QKeyEvent*>(event);
  if (event->type() == QEvent::KeyPress &&
      (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
    emit EnterPressed(*row);
    // Taken here, so it does not travel on to the window.
    return true;
  }
  // The modifiers are not looked at: Shift+Up moves like Up.
  if (event->type() == QEvent::KeyRelease && !key->isAutoRepeat() &&
      (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
    emit ArrowReleased(*row, key->key());
  }
  return false;
}
