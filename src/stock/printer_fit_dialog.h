#pragma once

#include <QDialog>
#include <QStringList>

#include "stock/printer_fit_store.h"
#include "stock/stock_input.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class Prompter;
class PrintFeedback;
class PrintTarget;

// 印表機校正: the printer settings, one set per printer queue and one for PDF files, and the
// calibration sheet. A thin window over PrinterFitStore, ReadPrinterFit and PrintCalibrationSheet:
// typed fields are read and stored only when all of them are good, and a set typed but not stored
// is offered for storing before another printer is chosen or the window closes. Each set has its
// stock, chosen from the built-in ones and the clerk's own, which are added and changed in a
// window of their own (StockDialog).
class PrinterFitDialog : public QDialog {
  Q_OBJECT

 public:
  // `queues`: the printers the print system offers; `default_queue` is chosen first.
  PrinterFitDialog(PrinterFitStore store, Prompter& prompter, const QStringList& queues,
                   const QString& default_queue, QWidget* parent = nullptr);
  ~PrinterFitDialog() override;

  // Where the calibration sheet goes; the print system and its file dialog unless replaced.
  void SetPrintTarget(PrintTarget* target, PrintFeedback* feedback);
  // The file dialog of the print system's sheets: the program's own, which the main window gives
  // (app/qt_print_feedback.h); without it no PDF file can be chosen.
  void SetDialogs(PrintFeedbackMaker dialogs) { dialogs_ = std::move(dialogs); }

  // The chosen set: a queue, or empty for PDF files.
  QString queue() const;

  // What the buttons do; false when nothing was stored or printed.
  bool Save();
  bool PrintSheet();
  // Opens the window for a new stock of the clerk's own, or for the chosen one; a stock stored
  // there becomes the chosen printer's, to be stored with its set.
  void AddStock();
  void EditStock();

  void done(int result) override;

 private:
  void ChoosePrinter(int index);
  void ShowSet(const QString& queue);
  PrinterFitTexts Typed() const;
  bool KeepOrStoreTyped();
  // Lists every stock, `chosen` chosen.
  void ShowStocks(const QString& chosen);
  void ChooseStock();
  void OpenStockDialog(const LabelStockTexts& texts, bool editing);

  PrinterFitStore store_;
  Prompter& prompter_;
  PrintTarget* target_ = nullptr;
  PrintFeedback* feedback_ = nullptr;
  PrintFeedbackMaker dialogs_;
  QComboBox* printer_ = nullptr;
  QLineEdit* offset_x_ = nullptr;
  QLineEdit* offset_y_ = nullptr;
  QLineEdit* pitch_ = nullptr;
  QComboBox* stock_ = nullptr;
  QPushButton* edit_stock_ = nullptr;
  QList<LabelStock> stocks_;
  int shown_index_ = -1;
  PrinterFitTexts shown_;  // as the chosen set was shown or last stored
};
