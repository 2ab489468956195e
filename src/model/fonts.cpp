#include "model/fonts.h"

#include <QFont>
#include <QStringList>

void InstallFontSubstitutions() {
  // AR PL UMing TW (Debian's fonts-arphic-uming) first; Noto's monospaced CJK face has the same
  // two-to-one widths and serves where only it is installed.
  const QStringList substitutes{QStringLiteral("AR PL UMing TW"),
                                QStringLiteral("Noto Sans Mono CJK TC")};
  QFont::insertSubstitutions(kMingFont, substitutes);
  QFont::insertSubstitutions(kNewMingFont, substitutes);
}
