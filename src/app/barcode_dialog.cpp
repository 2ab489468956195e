#include "app/barcode_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr std::array<BarcodeKind, 4> kKinds{BarcodeKind::kNone, BarcodeKind::kCode128,
                                            BarcodeKind::kSscc, BarcodeKind::kQrCode};

QLineEdit* Field(QWidget* parent, const char* name) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QLatin1String(name));
  return field;
}

}  // namespace

BarcodeDialog::BarcodeDialog(const BarcodeSettings& settings, Prompter& prompter, QWidget* parent)
    : QDialog(parent), prompter_(prompter), settings_(settings) {
  setObjectName(QStringLiteral("barcode_dialog"));
  setWindowTitle(tr("條碼設定"));

  kind_ = new QComboBox(this);
  kind_->setObjectName(QStringLiteral("barcode_kind"));
  for (BarcodeKind kind : kKinds) kind_->addItem(KindDisplayName(kind));
  content_ = Field(this, "barcode_template");
  extension_ = Field(this, "barcode_extension");
  extension_->setMaxLength(1);
  prefix_ = Field(this, "barcode_prefix");
  left_ = Field(this, "barcode_left");
  top_ = Field(this, "barcode_top");
  height_ = Field(this, "barcode_height");
  module_ = Field(this, "barcode_module");

  auto* hint =
      new QLabel(tr("{C} 印成箱號, {P} 印成墊板號, {B} 印成區段號, 例如 PO4711-{C}。\n"
                    "SSCC 由擴充碼、GS1 廠商代碼和補零的箱號組成, 最後一位檢查碼自動算出。"),
                 this);
  hint->setObjectName(QStringLiteral("barcode_hint"));
  hint->setWordWrap(true);

  auto* form = new QFormLayout;
  const QString name = QStringLiteral("%1:");
  const QString mm = tr("%1 (公釐):");
  form->addRow(name.arg(KindFieldName()), kind_);
  form->addRow(name.arg(ContentFieldName()), content_);
  form->addRow(QString(), hint);
  form->addRow(name.arg(ExtensionFieldName()), extension_);
  form->addRow(name.arg(PrefixFieldName()), prefix_);
  form->addRow(mm.arg(LeftFieldName()), left_);
  form->addRow(mm.arg(TopFieldName()), top_);
  form->addRow(mm.arg(HeightFieldName()), height_);
  form->addRow(mm.arg(ModuleFieldName()), module_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &BarcodeDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &BarcodeDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);

  SetFields(FieldsFromSettings(settings));
  connect(kind_, &QComboBox::currentIndexChanged, this, &BarcodeDialog::ShowKind);
}

BarcodeFields BarcodeDialog::Fields() const {
  BarcodeFields fields;
  fields.kind = kKinds[std::clamp(kind_->currentIndex(), 0, int(kKinds.size()) - 1)];
  fields.content_template = content_->text();
  fields.sscc_extension = extension_->text();
  fields.company_prefix = prefix_->text();
  fields.left_mm = left_->text();
  fields.top_mm = top_->text();
  fields.height_mm = height_->text();
  fields.module_mm = module_->text();
  return fields;
}

void BarcodeDialog::SetFields(const BarcodeFields& fields) {
  kind_->setCurrentIndex(
      int(std::find(kKinds.begin(), kKinds.end(), fields.kind) - kKinds.begin()));
  content_->setText(fields.content_template);
  extension_->setText(fields.sscc_extension);
  prefix_->setText(fields.company_prefix);
  left_->setText(fields.left_mm);
  top_->setText(fields.top_mm);
  height_->setText(fields.height_mm);
  module_->setText(fields.module_mm);
  ShowKind();
}

void BarcodeDialog::ShowKind() {
  const BarcodeKind kind = Fields().kind;
  const bool any = kind != BarcodeKind::kNone;
  content_->setEnabled(kind == BarcodeKind::kCode128 || kind == BarcodeKind::kQrCode);
  extension_->setEnabled(kind == BarcodeKind::kSscc);
  prefix_->setEnabled(kind == BarcodeKind::kSscc);
  for (QLineEdit* field : {left_, top_, height_}) field->setEnabled(any);
  module_->setEnabled(IsLinear(kind));
}

void BarcodeDialog::accept() {
  const std::optional<BarcodeSettings> accepted = AcceptBarcodeFields(Fields(), prompter_);
  if (!accepted) return;
  settings_ = *accepted;
  QDialog::accept();
}
