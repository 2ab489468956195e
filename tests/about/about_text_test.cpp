// The About box's text and the help command, without their windows.

#include "about/about_text.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QStringEncoder>
#include <optional>

#include "about/fake_openers.h"
#include "about/help_document.h"
#include "support/english_interface.h"
#include "support/recording_surface.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"
#include "version.h"

namespace {

const QString kTitle = QStringLiteral("Cratemark %1 版").arg(QLatin1String(kCratemarkVersion));

}  // namespace

TEST(AboutText, TitleIsCentredOnTheOuterWidthFromY300) {
  const struct {
    double width;
    double x;
  } cases[] = {
      {6765, 2662},  // 2662.5 cut toward zero
      {6885, 2722},
      {1001, -219},  // narrower than the title: toward zero, not down to -220
  };
  for (const auto& c : cases) {
    RecordingSurface surface(c.width);
    DrawAboutText(surface, AboutLines());
    ASSERT_FALSE(surface.texts().isEmpty());
    const auto& title = surface.texts().first();
    EXPECT_EQ(title.text, kTitle);
    EXPECT_DOUBLE_EQ(title.x, c.x) << c.width;
    EXPECT_DOUBLE_EQ(title.y, 300) << c.width;
    EXPECT_EQ(surface.font_name(), QStringLiteral("細明體"));
    EXPECT_DOUBLE_EQ(surface.font_points(), 9);
  }
}

TEST(AboutText, DrawsLines0To30OneLineApartAndTheSameEachTime) {
  QStringList lines;
  for (int i = 0; i < kAboutLines; ++i) lines << QStringLiteral("L%1").arg(i);
  RecordingSurface surface(6765);
  DrawAboutText(surface, lines);
  const auto first = surface.texts();
  ASSERT_EQ(first.size(), 31);
  for (int i = 0; i < 31; ++i) {
    EXPECT_EQ(first[i].text, lines[i]);
    EXPECT_DOUBLE_EQ(first[i].y, 300 + 180 * i) << i;
  }

  DrawAboutText(surface, lines);
  EXPECT_EQ(surface.texts().mid(31), first) << "a second drawing lands on the first";
}

// The box has a fixed size, so a translation must fit it too.
TEST(AboutText, TextFitsAboveTheButtonAndInsideTheBoxInEitherLanguage) {
  const QString english_title =
      QStringLiteral("Cratemark %1").arg(QLatin1String(kCratemarkVersion));
  for (const bool english : {false, true}) {
    SCOPED_TRACE(english ? "English" : "Chinese");
    std::optional<EnglishInterface> translation;
    if (english) {
      translation.emplace();
      ASSERT_TRUE(translation->loaded());
    }
    const QStringList lines = AboutLines();
    ASSERT_EQ(lines.size(), kAboutLines);
    EXPECT_EQ(lines[0], english ? english_title : kTitle);
    EXPECT_EQ(lines[1], QString());
    EXPECT_TRUE(lines.join(u'\n').contains(QStringLiteral("MIT")));

    RecordingSurface surface(6765);
    DrawAboutText(surface, lines);
    for (const auto& text : surface.texts()) {
      EXPECT_LE(text.y + 180, 4560) << text.text.toStdString();
      EXPECT_GE(text.x, 0) << text.text.toStdString();
      EXPECT_LE(text.x + surface.TextWidth(text.text), 6765) << text.text.toStdString();
    }
  }
}

TEST(HelpDocument, OpensTheWorkingFoldersCopyElseTheProgramsElseSaysSo) {
  TempFolder work, program, share;
  RecordingOpener opener;
  RecordingViewer viewer;
  ScriptedPrompter prompter;
  const QStringList program_dirs{program.path(), share.path()};

  share.Write(kHelpDocument, "package copy");
  EXPECT_EQ(OpenHelpDocument(work.path(), program_dirs, kHelpDocument, opener, viewer, prompter),
            share.File(kHelpDocument));
  program.Write(kHelpDocument, "program's copy");
  EXPECT_EQ(OpenHelpDocument(work.path(), program_dirs, kHelpDocument, opener, viewer, prompter),
            program.File(kHelpDocument));
  work.Write(kHelpDocument, "working folder's copy");
  EXPECT_EQ(OpenHelpDocument(work.path(), program_dirs, kHelpDocument, opener, viewer, prompter),
            work.File(kHelpDocument));
  EXPECT_EQ(opener.opened, (QStringList{share.File(kHelpDocument), program.File(kHelpDocument),
                                        work.File(kHelpDocument)}));
  EXPECT_TRUE(prompter.messages.isEmpty());
  EXPECT_TRUE(viewer.shown.isEmpty()) << "the desktop opened it";

  // Where no folder has the English guide the Chinese one stands in for it; the English one comes
  // first wherever it is, also before a Chinese one in the working folder.
  EXPECT_EQ(
      OpenHelpDocument(work.path(), program_dirs, kEnglishHelpDocument, opener, viewer, prompter),
      work.File(kHelpDocument));
  share.Write(kEnglishHelpDocument, "package's English copy");
  EXPECT_EQ(
      OpenHelpDocument(work.path(), program_dirs, kEnglishHelpDocument, opener, viewer, prompter),
      share.File(kEnglishHelpDocument));
  EXPECT_TRUE(prompter.messages.isEmpty());

  // A folder of that name is no document; the message names the guide of the language.
  TempFolder empty;
  QDir(empty.path()).mkdir(kHelpDocument);
  opener.opened.clear();
  for (const QString& name : {kHelpDocument, kEnglishHelpDocument}) {
    prompter.messages.clear();
    EXPECT_EQ(OpenHelpDocument(empty.path(), {}, name, opener, viewer, prompter), QString());
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].contains(QStringLiteral("找不到說明文件 ") + name))
        << prompter.messages[0].toStdString();
  }
  EXPECT_TRUE(opener.opened.isEmpty());
}

TEST(HelpDocument, WhenTheDesktopCannotOpenItTheProgramShowsIt) {
  TempFolder work;
  RecordingOpener opener;
  opener.works = false;
  RecordingViewer viewer;
  ScriptedPrompter prompter;
  work.Write(kHelpDocument, QStringLiteral("一、標籤範本").toUtf8());

  EXPECT_EQ(OpenHelpDocument(work.path(), {}, kHelpDocument, opener, viewer, prompter),
            work.File(kHelpDocument));
  EXPECT_EQ(viewer.shown, QStringList{work.File(kHelpDocument) + QStringLiteral("|一、標籤範本")});
  EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST(HelpDocument, GuidesAreReadInUtf8OrBig5) {
  const QString text = QStringLiteral("說明文件 C/NO. : 12");
  QStringEncoder big5("Big5");
  ASSERT_TRUE(big5.isValid()) << "Qt without ICU cannot read Big5";
  QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
  const struct {
    const char* name;
    QByteArray bytes;
  } cases[] = {
      {"UTF-8", text.toUtf8()},
      {"UTF-8 with a byte order mark", "\xEF\xBB\xBF" + text.toUtf8()},
      {"Big5", big5(text)},
      {"UTF-16 with a byte order mark", utf16(text)},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeHelpDocument(c.bytes), text) << c.name;
}

TEST(HelpDocument, TheGuideFollowsTheLanguageAndTheProgramsFolder) {
  EXPECT_EQ(HelpDocumentName(QLocale(QLocale::English, QLocale::UnitedKingdom)),
            QStringLiteral("readme_en.txt"));
  EXPECT_EQ(HelpDocumentName(QLocale(QLocale::Chinese, QLocale::Taiwan)),
            QStringLiteral("readme.txt"));
  EXPECT_EQ(HelpDocumentName(QLocale::c()), QStringLiteral("readme.txt"));
  EXPECT_EQ(ProgramGuideFolders(QStringLiteral("/usr/bin")),
            (QStringList{QStringLiteral("/usr/bin"), QStringLiteral("/usr/share/cratemark")}));
}
