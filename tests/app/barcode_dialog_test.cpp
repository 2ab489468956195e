// The barcode settings dialog on its own; how the window uses it is in job_menu_test.cpp.

#include "app/barcode_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>

#include "support/qt_printers.h"
#include "support/scripted_prompter.h"

namespace {

TEST(BarcodeDialog, OffersTheKindsAndEnablesOnlyTheFieldsOfTheChosenOne) {
  ScriptedPrompter prompter;
  BarcodeSettings settings;
  settings.company_prefix = QStringLiteral("4712345");
  BarcodeDialog dialog(settings, prompter);
  auto* kind = dialog.findChild<QComboBox*>(QStringLiteral("barcode_kind"));
  ASSERT_NE(kind, nullptr);
  const QStringList kinds{"不印條碼", "Code 128", "GS1-128 (SSCC)", "QR 碼"};
  // The fields each kind uses, by object name without "barcode_".
  const QStringList fields[] = {{},
                                {"height", "left", "module", "template", "top"},
                                {"extension", "height", "left", "module", "prefix", "top"},
                                {"height", "left", "template", "top"}};
  for (int i = 0; i < kind->count(); ++i) {
    kind->setCurrentIndex(i);
    EXPECT_EQ(kind->currentText(), kinds[i]);
    QStringList enabled;
    for (const QLineEdit* field : dialog.findChildren<QLineEdit*>()) {
      if (field->isEnabled()) enabled << field->objectName().mid(8);
    }
    enabled.sort();
    EXPECT_EQ(enabled, fields[i]) << i;
  }
  EXPECT_EQ(kind->count(), 4);
  // A disabled field keeps its text.
  EXPECT_EQ(dialog.Fields().company_prefix, QStringLiteral("4712345"));
}

}  // namespace
