// The barcode settings dialog on its own; how the window uses it is in job_menu_test.cpp.

#include "app/barcode_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
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
  QStringList kinds;
  for (int i = 0; i < kind->count(); ++i) kinds << kind->itemText(i);
  EXPECT_EQ(kinds, (QStringList{"不印條碼", "Code 128", "GS1-128 (SSCC)", "QR 碼"}));
  EXPECT_TRUE(dialog.findChild<QLabel*>(QStringLiteral("barcode_hint"))->text().contains(u"{C}"));

  const auto enabled = [&dialog] {
    QStringList names;
    for (const QLineEdit* field : dialog.findChildren<QLineEdit*>()) {
      if (field->isEnabled()) names << field->objectName().mid(8);  // without "barcode_"
    }
    names.sort();
    return names;
  };
  const struct {
    int kind;
    QStringList fields;
  } cases[] = {
      {0, {}},
      {1, {"height", "left", "module", "template", "top"}},
      {2, {"extension", "height", "left", "module", "prefix", "top"}},
      {3, {"height", "left", "template", "top"}},
  };
  for (const auto& c : cases) {
    kind->setCurrentIndex(c.kind);
    EXPECT_EQ(enabled(), c.fields) << c.kind;
  }
  // A disabled field keeps its text.
  EXPECT_EQ(dialog.Fields().company_prefix, QStringLiteral("4712345"));
  EXPECT_EQ(dialog.Fields().kind, BarcodeKind::kQrCode);
}

}  // namespace
