#include "about/about_text.h"

#include <QCoreApplication>

#include "model/fonts.h"
#include "model/number_fields.h"
#include "print/surface.h"
#include "version.h"

namespace {

// The About text's translations.
struct Text {
  Q_DECLARE_TR_FUNCTIONS(AboutText)
};

}  // namespace

QStringList AboutLines() {
  // At 9 points a line is 180 twips and a column 90: from y 300 the text has to end above the OK
  // button at 4560 (line 22 at most) and stay within the box's 75 columns. Each paragraph is one
  // text, broken into lines where it says so, so that a translation breaks its lines where its
  // own words allow; an empty line stands between paragraphs.
  const QString version = QLatin1String(kCratemarkVersion);
  const QString paragraphs[] = {
      Text::tr("Cratemark %1 版").arg(version),
      Text::tr("麥頭標籤列印程式"),
      Text::tr("依區段、每墊板箱數與混打設定,\n"
               "自動編出每一箱的 C/NO. 與 P/NO.,\n"
               "一張 A4 紙印八張標籤。"),
      Text::tr("每次列印後,範本會存成最近 10 筆紀錄之一,\n"
               "可以從主畫面的清單叫回來再用。"),
      Text::tr("使用方法請按主畫面的「說明文件」。"),
      Text::tr("版本 %1").arg(version),
      Text::tr("本程式以 MIT 授權條款發行:\n"
               "可以自由使用、複製、修改、合併、出版與散布,\n"
               "但須保留版權與授權聲明;\n"
               "本程式不附帶任何明示或默示的保證。"),
      Text::tr("Copyright (c) Cratemark 開發者"),
  };
  QStringList lines;
  for (const QString& paragraph : paragraphs) {
    if (!lines.isEmpty()) lines << QString();
    lines << paragraph.split(u'\n');
  }
  while (lines.size() < kAboutLines) lines << QString();
  return lines.mid(0, kAboutLines);
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
