#include "about/about_text.h"

#include "model/fonts.h"
#include "model/number_fields.h"
#include "print/surface.h"
#include "version.h"

QStringList AboutLines() {
  // At 9 points a line is 180 twips and a column 90: from y 300 the text has to end above the OK
  // button at 4560 (line 22 at most) and stay within the box's 75 columns.
  QStringList lines{
      QStringLiteral("Cratemark %1 版").arg(QLatin1String(kCratemarkVersion)),
      QString(),
      QStringLiteral("麥頭標籤列印程式"),
      QString(),
      QStringLiteral("依區段、每墊板箱數與混打設定,"),
      QStringLiteral("自動編出每一箱的 C/NO. 與 P/NO.,"),
      QStringLiteral("一張 A4 紙印八張標籤。"),
      QString(),
      QStringLiteral("每次列印後,範本會存成最近 10 筆紀錄之一,"),
      QStringLiteral("可以從主畫面的清單叫回來再用。"),
      QString(),
      QStringLiteral("使用方法請按主畫面的「說明文件」。"),
      QString(),
      QStringLiteral("版本 %1").arg(QLatin1String(kCratemarkVersion)),
      QString(),
      QStringLiteral("本程式以 MIT 授權條款發行:"),
      QStringLiteral("可以自由使用、複製、修改、合併、出版與散布,"),
      QStringLiteral("但須保留版權與授權聲明;"),
      QStringLiteral("本程式不附帶任何明示或默示的保證。"),
      QString(),
      QStringLiteral("Copyright (c) Cratemark 開發者"),
  };
  while (lines.size() < kAboutLines) lines << QString();
  return lines;
}

void DrawAboutText(Surface& surface, const QStringList& lines) {
  surface.SetFont(kMingFont, 9);
  surface.SetX(1);
  surface.SetY(300);
  for (int line = 0; line < kAboutDrawnLines; ++line) {
    const QString text = line < lines.size() ? lines[line] : QString();
    surface.SetX(Fix((surface.SurfaceWidth() - surface.TextWidth(text)) / 2));
    surface.PrintLine(text);
  }
}
