#include "stock/stock_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/prompter.h"

namespace {

QLineEdit* AddField(QFormLayout* form, const char* name, StockField field, const QString& hint) {
  auto* edit = new QLineEdit;
  edit->setObjectName(QString::fromLatin1(name));
  edit->setMaximumWidth(90);
  auto* row = new QHBoxLayout;
  row->addWidget(edit);
  if (!hint.isEmpty()) row->addWidget(new QLabel(hint));
  row->addStretch();
  form->addRow(StockFieldName(field) + u':', row);
  return edit;
}

}  // namespace

StockDialog::StockDialog(PrinterFitStore store, Prompter& prompter, const LabelStockTexts& texts,
                         bool editing, QStringList taken, QWidget* parent)
    : QDialog(parent), store_(std::move(store)), prompter_(prompter), taken_(std::move(taken)) {
  setObjectName(QStringLiteral("stock_dialog"));
  setWindowTitle(editing ? tr("修改標籤紙") : tr("新增標籤紙"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      new QLabel(tr("照標籤紙量: 從紙的左上角量到第一張標籤的左上角是邊界,\n"
                    "從一張標籤的左上角量到右邊 (下面) 一張的左上角是水平 (垂直) 間距。")));

  auto* form = new QFormLayout;
  name_ = AddField(form, "name", StockField::kName, tr("文字、數字和 - _ ., 例如 shelf-2x5"));
  name_->setMaximumWidth(180);
  name_->setReadOnly(editing);
  page_ = new QComboBox;
  page_->setObjectName(QStringLiteral("page"));
  page_->addItem(tr("A4 單張"));
  page_->addItem(tr("捲筒, 每頁一張標籤"));
  form->addRow(tr("紙張:"), page_);
  const QString mm = tr("公釐");
  label_width_ = AddField(form, "label_width", StockField::kLabelWidth, mm);
  label_height_ = AddField(form, "label_height", StockField::kLabelHeight, mm);
  columns_ = AddField(form, "columns", StockField::kColumns, tr("橫的幾張"));
  rows_ = AddField(form, "rows", StockField::kRows, tr("直的幾張"));
  pitch_x_ = AddField(form, "pitch_x", StockField::kPitchX, mm);
  pitch_y_ = AddField(form, "pitch_y", StockField::kPitchY, mm);
  margin_left_ = AddField(form, "margin_left", StockField::kMarginLeft, mm);
  margin_top_ = AddField(form, "margin_top", StockField::kMarginTop, mm);
  layout->addLayout(form);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  auto* save = new QPushButton(tr("儲存(&S)"));
  save->setObjectName(QStringLiteral("save"));
  auto* cancel = new QPushButton(tr("取消(&C)"));
  cancel->setObjectName(QStringLiteral("cancel"));
  buttons->addWidget(save);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  // Enter in a field reads and stores: a refused field keeps the window open with what was typed.
  save->setDefault(true);
  cancel->setAutoDefault(false);
  connect(save, &QPushButton::clicked, this, &StockDialog::Save);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  name_->setText(texts.name);
  page_->setCurrentIndex(texts.roll ? 1 : 0);
  label_width_->setText(texts.label_width);
  label_height_->setText(texts.label_height);
  columns_->setText(texts.columns);
  rows_->setText(texts.rows);
  pitch_x_->setText(texts.pitch_x);
  pitch_y_->setText(texts.pitch_y);
  margin_left_->setText(texts.margin_left);
  margin_top_->setText(texts.margin_top);
  ShowPage();
  connect(page_, &QComboBox::currentIndexChanged, this, &StockDialog::ShowPage);
}

LabelStockTexts StockDialog::NewStockTexts() {
  return LabelStockTexts{{},
                         false,
                         QStringLiteral("105.00"),
                         QStringLiteral("74.25"),
                         QStringLiteral("2"),
                         QStringLiteral("4"),
                         QStringLiteral("105.00"),
                         QStringLiteral("74.25"),
                         QStringLiteral("0.00"),
                         QStringLiteral("0.00")};
}

bool StockDialog::Save() {
  const StockReading reading = ReadStockTexts(Typed(), taken_);
  if (!reading.stock) {
    prompter_.Message(reading.message + u'\n' + tr("這種標籤紙還沒有儲存。"));
    const QList<QLineEdit*> fields = {name_,    label_width_, label_height_, columns_,   rows_,
                                      pitch_x_, pitch_y_,     margin_left_,  margin_top_};
    fields[int(reading.field)]->setFocus();
    return false;
  }
  if (!store_.SaveStock(*reading.stock)) {
    prompter_.Message(tr("無法寫入設定檔 %1, 這種標籤紙沒有儲存。").arg(store_.path()));
    return false;
  }
  saved_ = reading.stock;
  accept();
  return true;
}

LabelStockTexts StockDialog::Typed() const {
  return LabelStockTexts{name_->text(),         page_->currentIndex() == 1, label_width_->text(),
                         label_height_->text(), columns_->text(),           rows_->text(),
                         pitch_x_->text(),      pitch_y_->text(),           margin_left_->text(),
                         margin_top_->text()};
}

void StockDialog::ShowPage() {
  // A roll has one label a page: it has no places to count, space or set in.
  const bool sheet = page_->currentIndex() == 0;
  for (QLineEdit* field : {columns_, rows_, pitch_x_, pitch_y_, margin_left_, margin_top_}) {
    field->setEnabled(sheet);
  }
}
