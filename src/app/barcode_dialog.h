#pragma once

#include <QDialog>
#include <array>

#include "barcode/barcode_settings.h"

class Prompter;
class QComboBox;
class QLabel;
class QLineEdit;

// 檔案 → 條碼設定…: the job's barcode settings as fields. OK reads them with AcceptBarcodeFields;
// a bad field gets its message and the dialog stays open with what the user typed. The fields a
// kind does not use are disabled but keep their text. Choosing another kind brings its module width
// with it while the field still shows the old kind's (WithKindChosen).
class BarcodeDialog : public QDialog {
  Q_OBJECT

 public:
  BarcodeDialog(const BarcodeSettings& settings, Prompter& prompter, QWidget* parent = nullptr);

  // The fields as they stand, and the settings OK accepted.
  BarcodeFields Fields() const;
  void SetFields(const BarcodeFields& fields);
  const BarcodeSettings& settings() const { return settings_; }

  void accept() override;

 private:
  void ShowKind();
  void KindChosen();

  Prompter& prompter_;
  BarcodeSettings settings_;
  QComboBox* kind_ = nullptr;
  QLineEdit* content_ = nullptr;
  QLabel* content_hint_ = nullptr;
  QLabel* sscc_hint_ = nullptr;
  QLineEdit* extension_ = nullptr;
  QLineEdit* prefix_ = nullptr;
  QLineEdit* left_ = nullptr;
  QLineEdit* top_ = nullptr;
  QLineEdit* height_ = nullptr;
  QLineEdit* module_ = nullptr;
  BarcodeKind shown_kind_ = BarcodeKind::kNone;  // the kind the fields were last shown for
};
