#include "about/help_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <optional>

#include "about/help_document.h"
#include "app/main_window.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace {

// Stand-ins for xdg-open: shell scripts in a folder of their own.
class FakeOpeners : public TempFolder {
 public:
  QString Script(const QString& name, const QByteArray& body) const {
    Write(name, "#!/bin/sh\n" + body + "\n");
    QFile::setPermissions(File(name), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return File(name);
  }
};

std::optional<bool> OpenAndWait(DesktopDocumentOpener& opener, const QString& path) {
  std::optional<bool> result;
  opener.Open(path, [&result](bool opened) { result = opened; });
  return QTest::qWaitFor([&result] { return result.has_value(); }, 5000) ? result : std::nullopt;
}

}  // namespace

TEST(DesktopDocumentOpener, FailsWhenMissingOrRefusedAndTrustsAnOpenerStillRunning) {
  FakeOpeners fakes;
  const struct {
    const char* name;
    QString program;
    bool opened;
  } cases[] = {
      {"no opener installed", fakes.File(QStringLiteral("missing")), false},
      {"xdg-open finds no program", fakes.Script(QStringLiteral("none"), "exit 3"), false},
      {"the program it found failed", fakes.Script(QStringLiteral("fails"), "exit 4"), false},
      {"the desktop took it", fakes.Script(QStringLiteral("ok"), "exit 0"), true},
      // A plain xdg-open waits for the editor it started: still running is opened.
      {"still running", fakes.Script(QStringLiteral("waits"), "exec sleep 3"), true},
  };
  for (const auto& c : cases) {
    DesktopDocumentOpener opener(c.program, 300);
    EXPECT_EQ(OpenAndWait(opener, fakes.File(QStringLiteral("readme.txt"))), c.opened) << c.name;
  }
}

TEST(DesktopDocumentOpener, HandsTheFileToTheOpener) {
  FakeOpeners fakes;
  const QString log = fakes.File(QStringLiteral("log"));
  DesktopDocumentOpener opener(
      fakes.Script(QStringLiteral("logs"), "echo \"$1\" > " + log.toUtf8()));
  EXPECT_EQ(OpenAndWait(opener, QStringLiteral("/tmp/說明 文件.txt")), true);
  EXPECT_EQ(QString::fromUtf8(fakes.Read(QStringLiteral("log"))),
            QStringLiteral("/tmp/說明 文件.txt\n"));
}

TEST(DesktopDocumentOpener, ClosingWithTheWindowLeavesTheOpenerRunningAndSilent) {
  FakeOpeners fakes;
  bool reported = false;
  {
    DesktopDocumentOpener opener(fakes.Script(QStringLiteral("slow"), "sleep 0.3; exit 3"), 5000);
    opener.Open(fakes.File(QStringLiteral("readme.txt")), [&reported](bool) { reported = true; });
    QTest::qWait(50);
  }
  QTest::qWait(600);
  EXPECT_FALSE(reported) << "no guide window for a main window that is gone";
}

// The user's view: on a desktop whose opener finds no program, 說明文件 shows the guide of the
// interface's language in the program's own window, read-only.
TEST(HelpWindow, ShowsTheGuideWhenTheDesktopCannot) {
  FakeOpeners fakes;
  TempFolder work;
  work.Write(kHelpDocument, QStringLiteral("Cratemark 使用說明\n一、標籤範本").toUtf8());
  work.Write(kEnglishHelpDocument, "Cratemark user guide\n1. The label template");

  const struct {
    QLocale locale;
    QString guide;
    QString first_line;
  } cases[] = {
      {QLocale(QLocale::Chinese, QLocale::Taiwan), kHelpDocument,
       QStringLiteral("Cratemark 使用說明")},
      {QLocale(QLocale::English, QLocale::UnitedStates), kEnglishHelpDocument,
       QStringLiteral("Cratemark user guide")},
  };
  const QLocale old_locale;
  for (const auto& c : cases) {
    QLocale::setDefault(c.locale);
    MainWindow window(std::make_unique<ScriptedPrompter>());
    window.model().work_dir = work.path();
    window.SetDocumentOpener(
        std::make_unique<DesktopDocumentOpener>(fakes.Script(QStringLiteral("none"), "exit 3")));
    window.findChild<QPushButton*>(QStringLiteral("help_doc"))->click();

    HelpWindow* help = nullptr;
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return (help = window.findChild<HelpWindow*>()) != nullptr; }, 5000))
        << c.guide.toStdString();
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->path(), work.File(c.guide));
    EXPECT_TRUE(help->browser()->isReadOnly());
    EXPECT_TRUE(help->browser()->toPlainText().startsWith(c.first_line))
        << help->browser()->toPlainText().toStdString();
    EXPECT_TRUE(help->windowTitle().contains(c.guide));
    EXPECT_TRUE(static_cast<ScriptedPrompter&>(window.prompter()).messages.isEmpty());

    // A second press fills the same window again rather than opening a second one.
    help->browser()->clear();
    window.findChild<QPushButton*>(QStringLiteral("help_doc"))->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !help->browser()->toPlainText().isEmpty(); }, 5000));
    EXPECT_EQ(window.findChildren<HelpWindow*>().size(), 1);
  }
  QLocale::setDefault(old_locale);
}
