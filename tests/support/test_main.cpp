#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "model/fonts.h"
#include "stock/printer_fit_store.h"

// Every test executable gets an application object; widget tests and fonts need one. Without a
// display the offscreen platform serves, also when CTest lists the tests. Settings and data folders
// are the test ones (~/.qttest), so no test reads or changes the user's recent jobs. The printer
// settings, which move every printed mark, go into a folder of the test's own, for the program
// that a test starts too: no test ever prints with the user's settings or another test's.
int main(int argc, char** argv) {
  QStandardPaths::setTestModeEnabled(true);
  const QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  PrinterFitStore::SetDefaultPath(
      QDir(config.path()).filePath(QStringLiteral("Cratemark/printers.conf")));
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
