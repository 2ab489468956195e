// The desktop's opener of the user guide.

#include "about/help_document.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTest>
#include <optional>

#include "about/fake_openers.h"

namespace {

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
