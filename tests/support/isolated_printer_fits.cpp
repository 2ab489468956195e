// Linked into every test program that can reach the printer settings: they go into the folder the
// test main makes XDG_CONFIG_HOME, where a program the test starts finds them too, so no test ever
// prints with the user's settings or with another test's.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "stock/printer_fit_store.h"

namespace {

class IsolatedPrinterFits : public testing::Environment {
 public:
  void SetUp() override {
    const QString config = QFile::decodeName(qgetenv("XDG_CONFIG_HOME"));
    PrinterFitStore::SetDefaultPath(
        QDir(config).filePath(QStringLiteral("Cratemark/printers.conf")));
  }
};

const testing::Environment* const kIsolated =
    testing::AddGlobalTestEnvironment(new IsolatedPrinterFits);

}  // namespace
