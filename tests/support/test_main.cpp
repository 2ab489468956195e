#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QStandardPaths>

#include "model/fonts.h"

// Every test executable gets an application object; widget tests and fonts need one. Without a
// display the offscreen platform serves, also when CTest lists the tests. Settings and data folders
// are the test ones (~/.qttest), so no test reads or changes the user's recent jobs.
int main(int argc, char** argv) {
  QStandardPaths::setTestModeEnabled(true);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  InstallFontSubstitutions();
  // The interface's own language, whatever the machine's locale; a test of another language
  // chooses it itself.
  QLocale::setDefault(
      QLocale(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan));
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
