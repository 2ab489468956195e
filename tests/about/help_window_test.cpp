#include "about/help_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <optional>

#include "about/fake_openers.h"
#include "about/help_document.h"
#include "app/main_window.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

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
