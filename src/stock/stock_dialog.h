#pragma once

#include <QDialog>
#include <QStringList>
#include <optional>

#include "stock/printer_fit_store.h"
#include "stock/stock_input.h"

class QComboBox;
class QLineEdit;
class Prompter;

// 自訂標籤紙: a stock of the clerk's own, typed field by field and stored in the printer settings.
// A thin window over ReadLabelStock and PrinterFitStore::SaveStock: nothing is stored until every
// field is good, and a refused field keeps what was typed. A stock being changed keeps its name,
// which printers' settings refer to.
class StockDialog : public QDialog {
  Q_OBJECT

 public:
  // `texts`: the fields as first shown; `editing`: they are a stored stock's, whose name stays.
  // `taken`: the names no new stock may have.
  StockDialog(PrinterFitStore store, Prompter& prompter, const LabelStockTexts& texts, bool editing,
              QStringList taken, QWidget* parent = nullptr);

  // The fields of a new stock: an A4 sheet of eight labels, edge to edge.
  static LabelStockTexts NewStockTexts();

  // 儲存: reads and stores the fields and closes the window; false, with the window left as it
  // is, when nothing was stored.
  bool Save();

  // The stock stored by Save.
  const std::optional<LabelStock>& saved() const { return saved_; }

  LabelStockTexts Typed() const;

 private:
  void ShowPage();

  PrinterFitStore store_;
  Prompter& prompter_;
  QStringList taken_;
  std::optional<LabelStock> saved_;
  QLineEdit* name_ = nullptr;
  QComboBox* page_ = nullptr;
  QLineEdit* label_width_ = nullptr;
  QLineEdit* label_height_ = nullptr;
  QLineEdit* columns_ = nullptr;
  QLineEdit* rows_ = nullptr;
  QLineEdit* pitch_x_ = nullptr;
  QLineEdit* pitch_y_ = nullptr;
  QLineEdit* margin_left_ = nullptr;
  QLineEdit* margin_top_ = nullptr;
};
