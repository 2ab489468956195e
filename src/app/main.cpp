#include <QApplication>

#include "app/main_window.h"
#include "app/test_driver.h"
#include "model/fonts.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Cratemark"));
  QApplication::setApplicationVersion(QStringLiteral("0.2"));
  InstallFontSubstitutions();

  MainWindow window;
  if (qEnvironmentVariableIsSet("CRATEMARK_TEST_DRIVER")) new TestDriver(&window);
  window.show();
  // `cratemark JOB` opens the job; the question about a job left by a crash comes first.
  const QString job = QApplication::arguments().value(1);
  window.StartSession(job.startsWith(u'-') ? QString() : job);
  return app.exec();
}
