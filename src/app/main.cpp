#include <QApplication>

#include "app/main_window.h"
#include "model/fonts.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Cratemark"));
  QApplication::setApplicationVersion(QStringLiteral("0.2"));
  InstallFontSubstitutions();

  MainWindow window;
  window.show();
  return app.exec();
}
