#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "model/fonts.h"

// Every test executable gets an application object; widget tests and fonts need one. Without a
// display the offscreen platform serves, also when CTest lists the tests.
//
// Settings the program keeps per user (the printer settings) go to a folder of the test's own, so
// a test never reads or changes the user's and tests running side by side never share one.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  QApplication app(argc, argv);
  InstallFontSubstitutions();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
