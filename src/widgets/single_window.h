#pragma once

#include <QWidget>

// The secondary windows are one of a kind: opening one that is already open brings that one to the
// front instead of making a second. `open` is the open window of the kind (null when there is
// none); otherwise `make` makes a new one, which is shown and handed to `first_shown` (where it
// can be placed once the window system has framed it). Either way the window ends up in front,
// restored if it was minimised, and active.
template <typename Window, typename Make, typename FirstShown>
Window* ShowSingle(Window* open, Make make, FirstShown first_shown) {
  Window* window = open;
  if (window) {
    window->showNormal();
  } else {
    window = make();
    window->show();
    first_shown(window);
  }
  window->raise();
  window->activateWindow();
  return window;
}

template <typename Window, typename Make>
Window* ShowSingle(Window* open, Make make) {
  return ShowSingle(open, make, [](Window*) {});
}
