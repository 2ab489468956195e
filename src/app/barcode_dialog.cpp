#include "app/barcode_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

QLabel* Hint(QWidget* parent, const char* name, const QString& text) {
  auto* hint = new QLabel(text, parent);
  hint->setObjectName(QLatin1String(name));
  return hint;
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

  // Short hints under the fields they are about, greyed with them.
  content_hint_ =
      Hint(this, "barcode_hint", tr("{C} 是箱號, {P} 是墊板號, {B} 是區段號, 例如 PO4711-{C}"));
  sscc_hint_ = Hint(this, "barcode_sscc_hint",
                    tr("SSCC = 擴充碼 + 廠商代碼 + 補零的箱號 + 自動算出的檢查碼"));

  auto* form = new QFormLayout;
  const QString name = QStringLiteral("%1:");
  const QString mm = tr("%1 (公釐):");
  form->addRow(name.arg(KindFieldName()), kind_);
  form->addRow(name.arg(ContentFieldName()), content_);
  form->addRow(QString(), content_hint_);
  form->addRow(name.arg(ExtensionFieldName()), extension_);
  form->addRow(name.arg(PrefixFieldName()), prefix_);
  form->addRow(QString(), sscc_hint_);
  form->addRow(mm.arg(LeftFieldName()), left_);
  form->addRow(mm.arg(TopFieldName()), top_);
  form->addRow(mm.arg(HeightFieldName()), height_);
  form->addRow(mm.arg(ModuleFieldName()), module_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(tr("確定(&O)"));
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("取消(&C)"));
  connect(buttons, &QDialogButtonBox::accepted, this, &BarcodeDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &BarcodeDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);

  SetFields(FieldsFromSettings(settings));
  connect(kind_, &QComboBox::currentIndexChanged, this, &BarcodeDialog::KindChosen);
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

void BarcodeDialog::KindChosen() {
  module_->setText(WithKindChosen(Fields(), shown_kind_).module_mm);
  ShowKind();
}

void BarcodeDialog::ShowKind() {
  const BarcodeKind kind = Fields().kind;
  shown_kind_ = kind;
  const bool any = kind != BarcodeKind::kNone;
  const bool text = kind == BarcodeKind::kCode128 || kind == BarcodeKind::kQrCode;
  content_->setEnabled(text);
  content_hint_->setEnabled(text);
  for (QWidget* sscc : std::initializer_list<QWidget*>{extension_, prefix_, sscc_hint_}) {
    sscc->setEnabled(kind == BarcodeKind::kSscc);
  }
  for (QLineEdit* field : {left_, top_, height_}) field->setEnabled(any);
  module_->setEnabled(IsLinear(kind));
}

void BarcodeDialog::accept() {
  const std::optional<BarcodeSettings> accepted = AcceptBarcodeFields(Fields(), prompter_);
  if (!accepted) return;
  settings_ = *accepted;
  QDialog::accept();
}
