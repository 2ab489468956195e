#include "app/content_key_filter.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

#include "app/editing_keys.h"

namespace {

// The toolkit's own test for a repeat pair allows this much between release and press.
constexpr quint64 kRepeatPairMs = 10;

bool IsArrow(int key) { return key == Qt::Key_Up || key == Qt::Key_Down; }

}  // namespace

ContentKeyFilter::ContentKeyFilter(QObject* parent) : QObject(parent) {
  settle_.setSingleShot(true);
  settle_.setInterval(kSettleMs);
  connect(&settle_, &QTimer::timeout, this, &ContentKeyFilter::Settle);
}

void ContentKeyFilter::Watch(QWidget* box, int row) {
  rows_.insert(box, row);
  box->installEventFilter(this);
}

bool ContentKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  const auto row = rows_.constFind(watched);
  if (row == rows_.cend()) return false;
  // Only a key event is a QKeyEvent: the type is looked at before the event is taken as one.
  if (event->type() == QEvent::KeyPress) {
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (auto* box = qobject_cast<QLineEdit*>(watched)) TypeOverBlanks(*box, key);
    Press(*row, key);
    // Enter is taken here, so it does not travel on to the window.
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
  }
  if (event->type() == QEvent::KeyRelease) Release(*row, static_cast<const QKeyEvent&>(*event));
  return false;
}

void ContentKeyFilter::TypeOverBlanks(QLineEdit& box, const QKeyEvent& key) {
  const QString typed = key.text();
  if (typed.isEmpty() || !typed.front().isPrint() || box.hasSelectedText()) return;
  if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return;
  const int cursor = box.cursorPosition();
  const int blanks = BlanksTypedOver(box.text(), cursor, int(typed.size()));
  // The blanks are selected, so the box puts what is typed in their place.
  if (blanks > 0) box.setSelection(cursor, blanks);
}

void ContentKeyFilter::Press(int row, const QKeyEvent& key) {
  if (waiting_ && key.key() == waiting_key_) {
    const quint64 gap = key.timestamp() > waiting_time_ ? key.timestamp() - waiting_time_
                                                        : waiting_time_ - key.timestamp();
    if (key.isAutoRepeat() || gap <= kRepeatPairMs) {
      // The key is still held: the release was half of a repeat pair.
      waiting_ = false;
      settle_.stop();
      return;
    }
  }
  // Whatever came before is reported before this key acts.
  Settle();
  if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) emit EnterPressed(row);
}

void ContentKeyFilter::Release(int row, const QKeyEvent& key) {
  // The modifiers are not looked at: Shift+Up moves like Up.
  if (key.isAutoRepeat() || !IsArrow(key.key())) return;
  Settle();
  waiting_ = true;
  waiting_row_ = row;
  waiting_key_ = key.key();
  waiting_time_ = key.timestamp();
  settle_.start();
}

void ContentKeyFilter::Settle() {
  settle_.stop();
  if (!waiting_) return;
  waiting_ = false;
  emit ArrowReleased(waiting_row_, waiting_key_);
}
