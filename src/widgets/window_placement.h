#pragma once

#include <QAction>
#include <QKeySequence>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <algorithm>

// Where a secondary window opens and how it is closed from the keyboard.

// The top-left corner, frame included, of a window of outer size `window` opened from the window
// whose frame is `owner`: to the owner's right where the screen area `screen` has room for it,
// else to its left, else centred over it; always inside the area, as far as the window fits.
inline QPoint BesidePosition(const QRect& owner, const QSize& window, const QRect& screen) {
  constexpr int kGap = 8;
  QPoint at(owner.right() + 1 + kGap, owner.top());
  if (at.x() + window.width() > screen.right() + 1) {
    at.setX(owner.left() - kGap - window.width());
    if (at.x() < screen.left())
      at = owner.center() - QPoint(window.width() / 2, window.height() / 2);
  }
  at.setX(std::clamp(at.x(), screen.left(),
                     std::max(screen.left(), screen.right() + 1 - window.width())));
  at.setY(std::clamp(at.y(), screen.top(),
                     std::max(screen.top(), screen.bottom() + 1 - window.height())));
  return at;
}

// Places `window` beside `owner`, on the owner's screen. The window system frames the window only
// once it is shown, so its frame is taken to be as wide as the owner's.
inline void PlaceBeside(QWidget* window, const QWidget* owner) {
  const QScreen* screen = owner->screen();
  if (!screen) return;
  const QSize frame = owner->frameGeometry().size() - owner->geometry().size();
  window->move(
      BesidePosition(owner->frameGeometry(), window->size() + frame, screen->availableGeometry()));
}

// Escape closes `window`, as it closes a dialog.
inline void CloseOnEscape(QWidget* window) {
  auto* close = new QAction(window);
  close->setObjectName(QStringLiteral("close_on_escape"));
  close->setShortcut(QKeySequence(Qt::Key_Escape));
  close->setShortcutContext(Qt::WindowShortcut);
  QObject::connect(close, &QAction::triggered, window, &QWidget::close);
  window->addAction(close);
}
