#pragma once

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QtMath>

#include "model/units.h"

// Twips → pixels at the screen's logical DPI. Every window lays out its controls with it, so
// all of them share one scale.
inline double ScreenDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->logicalDotsPerInchX() : 96.0;
}

inline int ScreenTwips(int twips) { return qRound(TwipsToPixels(twips, ScreenDpi())); }

inline QRect ScreenTwipsRect(int left, int top, int width, int height) {
  return QRect(ScreenTwips(left), ScreenTwips(top), ScreenTwips(width), ScreenTwips(height));
}
