#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "model/fonts.h"

// CRATEMARK_TEST_APP chooses the application object: 0 QCoreApplication (the core's tests, which
// so prove they need no more), 1 QGuiApplication (painting, fonts), 2 QApplication (windows).
#if CRATEMARK_TEST_APP == 2
#include <QApplication>
using TestApplication = QApplication;
#elif CRATEMARK_TEST_APP == 1
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

// Without a display the offscreen platform serves, also when CTest lists the tests. Settings and
// data folders are the test ones (~/.qttest), so no test reads or changes the user's recent jobs,
// and XDG_CONFIG_HOME is a folder of the test's own, also for the program a test starts.
int main(int argc, char** argv) {
  QStandardPaths::setTestModeEnabled(true);
  const QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  TestApplication app(argc, argv);
#if CRATEMARK_TEST_APP > 0
  InstallFontSubstitutions();
#endif
  // The interface's own language, whatever the machine's locale; a test of another language
  // chooses it itself.
  QLocale::setDefault(
      QLocale(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan));
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
