#pragma once

#include <QLatin1String>
#include <QRect>
#include <QString>
#include <QWidget>

#include "widgets/screen_twips.h"

// Where a control of a window stands: its name and its rectangle in twips from the top-left corner
// of the window's client area. The controls of a control array (one a template row) share a
// place, each row `row_step` twips below the one before.
struct ControlPlace {
  const char* name;
  int left, top, width, height;
  int row_step = 0;

  QRect ScreenRect(int row = 0) const {
    return ScreenTwipsRect(left, top + row_step * row, width, height);
  }
};

// Names `control` after `place` and puts it there. In a control array the control of row `row`
// is named "name(index)", its index as the window numbers it.
template <typename Control>
Control* Place(Control* control, const ControlPlace& place) {
  control->setObjectName(QLatin1String(place.name));
  control->setGeometry(place.ScreenRect());
  return control;
}

template <typename Control>
Control* Place(Control* control, const ControlPlace& place, int row, int index) {
  control->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1String(place.name)).arg(index));
  control->setGeometry(place.ScreenRect(row));
  return control;
}

// The place named `name` in a window's table of places. A name the table lacks is a slip of the
// program's own, found by the first start.
template <size_t N>
const ControlPlace& PlaceOf(const ControlPlace (&table)[N], const char* name) {
  for (const ControlPlace& place : table) {
    if (qstrcmp(place.name, name) == 0) return place;
  }
  qFatal("no place for the control %s", name);
}
