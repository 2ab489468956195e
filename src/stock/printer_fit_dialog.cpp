#include "stock/printer_fit_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

#include "model/prompter.h"
#include "print/qt_print_target.h"
#include "stock/calibration_sheet.h"
#include "stock/stock_dialog.h"

namespace {

QLineEdit* AddField(QFormLayout* form, const char* name, const QString& caption,
                    const QString& hint) {
  auto* field = new QLineEdit;
  field->setObjectName(QString::fromLatin1(name));
  field->setMaximumWidth(90);
  auto* row = new QHBoxLayout;
  row->addWidget(field);
  row->addWidget(new QLabel(hint));
  row->addStretch();
  form->addRow(caption, row);
  return field;
}

bool SameTexts(const PrinterFitTexts& a, const PrinterFitTexts& b) {
  return a.offset_x.trimmed() == b.offset_x.trimmed() &&
         a.offset_y.trimmed() == b.offset_y.trimmed() && a.pitch.trimmed() == b.pitch.trimmed() &&
         a.stock == b.stock;
}

}  // namespace

PrinterFitDialog::PrinterFitDialog(PrinterFitStore store, Prompter& prompter,
                                   const QStringList& queues, const QString& default_queue,
                                   QWidget* parent)
    : QDialog(parent), store_(std::move(store)), prompter_(prompter) {
  setObjectName(QStringLiteral("printer_fit"));
  setWindowTitle(tr("印表機校正"));
  auto* layout = new QVBoxLayout(this);
  auto* intro =
      new QLabel(tr("每台印表機送紙的位置都不太一樣。先印一張校正頁, 疊在標籤紙上對著光看:\n"
                    "標籤的角在十字右邊或下面幾公釐, 位移就加幾公釐, 在左邊或上面就減。\n"
                    "印校正頁會先儲存下面的數字; 再印一張, 十字就該落在標籤的角上。"));
  layout->addWidget(intro);

  auto* form = new QFormLayout;
  printer_ = new QComboBox;
  printer_->setObjectName(QStringLiteral("printer"));
  for (const QString& queue : queues) {
    printer_->addItem(queue == default_queue ? tr("%1 (預設的印表機)").arg(queue) : queue, queue);
  }
  printer_->addItem(tr("PDF 檔"), QString());
  form->addRow(tr("印表機:"), printer_);
  stock_ = new QComboBox;
  stock_->setObjectName(QStringLiteral("stock"));
  auto* add_stock = new QPushButton(tr("新增(&N)…"));
  add_stock->setObjectName(QStringLiteral("add_stock"));
  edit_stock_ = new QPushButton(tr("修改(&E)…"));
  edit_stock_->setObjectName(QStringLiteral("edit_stock"));
  auto* stock_row = new QHBoxLayout;
  stock_row->addWidget(stock_, 1);
  stock_row->addWidget(add_stock);
  stock_row->addWidget(edit_stock_);
  form->addRow(tr("標籤紙:"), stock_row);
  offset_x_ = AddField(form, "offset_x", tr("水平位移:"), tr("公釐, 往右為正 (-20.0 到 +20.0)"));
  offset_y_ = AddField(form, "offset_y", tr("垂直位移:"), tr("公釐, 往下為正 (-20.0 到 +20.0)"));
  pitch_ =
      AddField(form, "pitch", tr("每排標籤的距離:"), tr("公釐, 原本 73.55; A4 8 格標籤紙是 74.25"));
  layout->addLayout(form);

  // In the order of the work: store, print the sheet, close.
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  auto* save = new QPushButton(tr("儲存(&S)"));
  save->setObjectName(QStringLiteral("save"));
  auto* print = new QPushButton(tr("印校正頁(&P)"));
  print->setObjectName(QStringLiteral("print_sheet"));
  auto* close = new QPushButton(tr("關閉(&C)"));
  close->setObjectName(QStringLiteral("close"));
  for (QPushButton* button : {save, print, close}) buttons->addWidget(button);
  layout->addLayout(buttons);
  connect(add_stock, &QPushButton::clicked, this, &PrinterFitDialog::AddStock);
  connect(edit_stock_, &QPushButton::clicked, this, &PrinterFitDialog::EditStock);
  connect(save, &QPushButton::clicked, this, &PrinterFitDialog::Save);
  connect(print, &QPushButton::clicked, this, &PrinterFitDialog::PrintSheet);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  // Enter in a field must not close the window with what was typed.
  for (QPushButton* button : {save, print, close, add_stock, edit_stock_}) {
    button->setAutoDefault(false);
  }

  const int first = std::max(0, printer_->findData(default_queue));
  printer_->setCurrentIndex(first);
  shown_index_ = first;
  ShowSet(queue());
  connect(printer_, &QComboBox::currentIndexChanged, this, &PrinterFitDialog::ChoosePrinter);
  connect(stock_, &QComboBox::currentIndexChanged, this, &PrinterFitDialog::ChooseStock);
}

PrinterFitDialog::~PrinterFitDialog() = default;

void PrinterFitDialog::SetPrintTarget(PrintTarget* target, PrintFeedback* feedback) {
  target_ = target;
  feedback_ = feedback;
}

QString PrinterFitDialog::queue() const { return printer_->itemData(shown_index_).toString(); }

bool PrinterFitDialog::Save() {
  const std::optional<PrinterFit> fit = ReadPrinterFit(Typed(), prompter_);
  if (!fit) return false;
  if (!store_.Save(queue(), *fit)) {
    prompter_.Message(tr("無法寫入設定檔 %1, 這次沒有儲存。").arg(store_.path()));
    return false;
  }
  ShowSet(queue());
  return true;
}

bool PrinterFitDialog::PrintSheet() {
  // The sheet shows what the runs will do, on the stock they print on: the typed set is stored
  // first.
  if (!Save()) return false;
  const StoredPrinterFits stored = store_.Load();
  const PrinterFit fit = stored.Find(queue()).value_or(PrinterFit{});
  const LabelStock stock = stored.StockOf(queue());
  if (target_ && feedback_) {
    return PrintCalibrationSheet(queue(), fit, stock, prompter_, *target_, *feedback_);
  }
  QtPrintTarget target;
  const std::unique_ptr<PrintFeedback> feedback =
      dialogs_ ? dialogs_(this) : std::make_unique<QuietFeedback>();
  return PrintCalibrationSheet(queue(), fit, stock, prompter_, target, *feedback);
}

void PrinterFitDialog::done(int result) {
  if (!KeepOrStoreTyped()) return;
  QDialog::done(result);
}

void PrinterFitDialog::ChoosePrinter(int index) {
  if (index == shown_index_) return;
  if (!KeepOrStoreTyped()) {
    // The typed set could not be stored: its printer stays chosen, with what was typed.
    const QSignalBlocker blocker(printer_);
    printer_->setCurrentIndex(shown_index_);
    return;
  }
  shown_index_ = index;
  ShowSet(queue());
}

void PrinterFitDialog::ShowSet(const QString& queue) {
  shown_ = PrinterFitTexts::Of(store_.Load().Find(queue).value_or(PrinterFit{}));
  offset_x_->setText(shown_.offset_x);
  offset_y_->setText(shown_.offset_y);
  pitch_->setText(shown_.pitch);
  ShowStocks(shown_.stock);
}

PrinterFitTexts PrinterFitDialog::Typed() const {
  return PrinterFitTexts{offset_x_->text(), offset_y_->text(), pitch_->text(),
                         stock_->currentData().toString()};
}

void PrinterFitDialog::ShowStocks(const QString& chosen) {
  const QSignalBlocker blocker(stock_);
  stocks_ = store_.Load().Stocks();
  stock_->clear();
  for (const LabelStock& stock : stocks_) {
    stock_->addItem(
        tr("%1 (%2)", "a stock's name and description").arg(stock.name, stock.description),
        stock.name);
  }
  stock_->setCurrentIndex(std::max(0, stock_->findData(chosen)));
  ChooseStock();
}

void PrinterFitDialog::ChooseStock() {
  // Only the clerk's own stocks can be changed; they come after the built-in ones.
  edit_stock_->setEnabled(stock_->currentIndex() >= BuiltInStocks().size());
}

void PrinterFitDialog::AddStock() { OpenStockDialog(StockDialog::NewStockTexts(), false); }

void PrinterFitDialog::EditStock() {
  const int index = stock_->currentIndex();
  if (index < BuiltInStocks().size() || index >= stocks_.size()) return;
  OpenStockDialog(LabelStockTexts::Of(stocks_[index]), true);
}

void PrinterFitDialog::OpenStockDialog(const LabelStockTexts& texts, bool editing) {
  QStringList taken = StockNames(stocks_);
  if (editing) taken.removeAll(texts.name);
  StockDialog dialog(store_, prompter_, texts, editing, taken, this);
  if (dialog.exec() != QDialog::Accepted || !dialog.saved()) return;
  ShowStocks(dialog.saved()->name);
}

bool PrinterFitDialog::KeepOrStoreTyped() {
  if (SameTexts(Typed(), shown_)) return true;
  const QString name = FitSetName(queue());
  if (!prompter_.AskYesNo(tr("%1的校正設定改過了, 還沒有儲存。要儲存嗎?").arg(name))) return true;
  return Save();
}
