#pragma once

#include <QString>

// The program's two font names. Neither exists outside Traditional Chinese Windows; both are
// mapped to an installed Ming font that is exactly two columns wide for a Chinese character and
// one for a Latin one, so captions and printed columns come out right.
inline const QString kMingFont = QStringLiteral("細明體");
inline const QString kNewMingFont = QStringLiteral("新細明體");

// Call once after the application object exists.
void InstallFontSubstitutions();
