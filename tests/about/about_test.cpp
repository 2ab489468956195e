#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStringEncoder>
#include <QTest>

#include "about/about_box.h"
#include "about/about_text.h"
#include "about/help_document.h"
#include "app/main_window.h"
#include "print/recording_surface.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"
#include "version.h"

namespace {

const QString kTitle = QStringLiteral("Cratemark %1 版").arg(QLatin1String(kCratemarkVersion));
constexpr double kTitleWidth = 16 * 90;  // 16 columns of 9-point type

class RecordingOpener : public DocumentOpener {
 public:
  void Open(const QString& path, std::function<void(bool)> done) override {
    opened << path;
    done(works);
  }
  QStringList opened;
  bool works = true;
};

class RecordingViewer : public GuideViewer {
 public:
  void Show(const QString& path, const QString& text) override { shown << path + u'|' + text; }
  QStringList shown;
};

// The bounding box of everything drawn darker than the background, above the button.
QRect InkAboveButton(const QImage& image, int button_top) {
  const QRgb background = image.pixel(2, 2);
  QRect ink;
  for (int y = 0; y < button_top; ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != background) ink |= QRect(x, y, 1, 1);
    }
  }
  return ink;
}

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

TEST(AboutText, TextFitsAboveTheButtonAndInsideTheBox) {
  const QStringList lines = AboutLines();
  ASSERT_EQ(lines.size(), kAboutLines);
  EXPECT_EQ(lines[0], kTitle);
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

  // The English guide is another file; the Chinese one does not stand in for it.
  EXPECT_EQ(
      OpenHelpDocument(work.path(), program_dirs, kEnglishHelpDocument, opener, viewer, prompter),
      QString());
  ASSERT_EQ(prompter.messages.size(), 1);
  EXPECT_TRUE(prompter.messages[0].contains(QStringLiteral("找不到說明文件 readme_en.txt")));

  // A folder of that name is no document.
  TempFolder empty;
  QDir(empty.path()).mkdir(kHelpDocument);
  opener.opened.clear();
  prompter.messages.clear();
  EXPECT_EQ(OpenHelpDocument(empty.path(), {}, kHelpDocument, opener, viewer, prompter), QString());
  EXPECT_TRUE(opener.opened.isEmpty());
  ASSERT_EQ(prompter.messages.size(), 1);
  EXPECT_TRUE(prompter.messages[0].contains(QStringLiteral("找不到說明文件 readme.txt")));
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

TEST(AboutBox, StandsCentredWithItsButtonFocused) {
  QPointer<AboutBox> box = AboutBox::ShowFor(nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowActive(box));
  EXPECT_EQ(box->objectName(), QStringLiteral("Form2"));
  EXPECT_EQ(box->windowTitle(), QStringLiteral("About..."));
  EXPECT_EQ(box->size(), QSize(MainWindow::Twips(6765), MainWindow::Twips(5310)));
  auto* ok = box->findChild<QPushButton*>(QStringLiteral("button_ok"));
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->text(), QStringLiteral("ok啦!"));
  EXPECT_EQ(ok->geometry(), QRect(MainWindow::Twips(2760), MainWindow::Twips(4560),
                                  MainWindow::Twips(1095), MainWindow::Twips(495)));
  EXPECT_EQ(QApplication::focusWidget(), ok);
  const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
  EXPECT_LE((box->frameGeometry().center() - centre).manhattanLength(), 2);

  QTest::mouseClick(ok, Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(box.isNull()) << "button_ok closes and deletes the box";
}

TEST(AboutBox, DrawsTheTitleWhereTheTextSaysAndAClickRedrawsItInPlace) {
  QPointer<AboutBox> box = AboutBox::ShowFor(nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(box));
  const QImage before = box->grab().toImage();
  if (box->frameGeometry().width() > box->width()) {
    EXPECT_DOUBLE_EQ(box->OuterWidthTwips(),
                     box->frameGeometry().width() * 1440.0 / box->logicalDpiX())
        << "centred on the outer width, frame included";
  }
  const QRect ink = InkAboveButton(before, MainWindow::Twips(4560));
  ASSERT_TRUE(ink.isValid()) << "nothing drawn";

  // The title is the widest-centred top line: its first ink is near its cell's left edge.
  const double x = (box->OuterWidthTwips() - kTitleWidth) / 2;
  const int title_left = MainWindow::Twips(static_cast<int>(x));
  const QRect title = InkAboveButton(before.copy(0, 0, before.width(), MainWindow::Twips(480)),
                                     MainWindow::Twips(480));
  ASSERT_TRUE(title.isValid());
  EXPECT_NEAR(title.left(), title_left, 3);
  EXPECT_GE(title.top(), MainWindow::Twips(300) - 1);

  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(box->grab().toImage(), before);
  box->close();
}

namespace {

class AboutCommandsTest : public testing::Test {
 protected:
  AboutCommandsTest() : old_dir(QDir::currentPath()) {
    QDir::setCurrent(folder.path());
    window = std::make_unique<MainWindow>(std::make_unique<ScriptedPrompter>());
    auto recording = std::make_unique<RecordingOpener>();
    opener = recording.get();
    window->SetDocumentOpener(std::move(recording));
    window->show();
  }
  ~AboutCommandsTest() override { QDir::setCurrent(old_dir); }

  void Press(const char* name) {
    QTest::mouseClick(window->findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
  }
  QList<AboutBox*> Boxes() const { return window->findChildren<AboutBox*>(); }

  TempFolder folder;
  QString old_dir;
  std::unique_ptr<MainWindow> window;
  RecordingOpener* opener = nullptr;
};

}  // namespace

TEST_F(AboutCommandsTest, AboutOpensOneBoxAndItsButtonClosesIt) {
  Press("About");
  ASSERT_EQ(Boxes().size(), 1);
  QPointer<AboutBox> first = Boxes().first();
  EXPECT_TRUE(first->isVisible());
  EXPECT_TRUE(first->isWindow());

  Press("About");
  ASSERT_EQ(Boxes().size(), 1);
  EXPECT_EQ(Boxes().first(), first.data());

  QTest::mouseClick(first->findChild<QPushButton*>(QStringLiteral("button_ok")), Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(first.isNull());
  EXPECT_TRUE(Boxes().isEmpty());

  window->findChild<QAction*>(QStringLiteral("action_about"))->trigger();
  EXPECT_EQ(Boxes().size(), 1) << "a closed box opens again, from the menu too";
}

TEST_F(AboutCommandsTest, EachHelpPressOpensTheWorkingFoldersReadme) {
  folder.Write(kHelpDocument, "說明");
  Press("help_doc");
  Press("help_doc");
  window->findChild<QAction*>(QStringLiteral("action_help"))->trigger();
  const QString readme = QDir(folder.path()).absoluteFilePath(kHelpDocument);
  EXPECT_EQ(opener->opened, (QStringList{readme, readme, readme}));
  EXPECT_TRUE(static_cast<ScriptedPrompter&>(window->prompter()).messages.isEmpty());
}
