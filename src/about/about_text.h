#pragma once

#include <QStringList>

class Surface;

// The About box holds 51 text lines; the first 31 are drawn.
inline constexpr int kAboutLines = 51;
inline constexpr int kAboutDrawnLines = 31;

// The lines shown in the About box: the title line, an empty line, then what the program is for,
// its version and its licence, in the interface's language. Lines not used are empty.
QStringList AboutLines();

// Draws `lines` 0..30 on `surface` in 9-point 細明體 from y 300 twips, each centred on the
// surface's width. Every drawing starts again at the top, so a repeated drawing paints the same
// lines over themselves.
void DrawAboutText(Surface& surface, const QStringList& lines);
