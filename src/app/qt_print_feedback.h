#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QString>

#include "print/print_target.h"

class QProgressDialog;
class QWidget;

// The file dialog for a PDF file and the progress dialog with its Cancel button.
class QtPrintFeedback : public PrintFeedback {
  Q_DECLARE_TR_FUNCTIONS(QtPrintFeedback)

 public:
  explicit QtPrintFeedback(QWidget* parent) : parent_(parent) {}
  ~QtPrintFeedback() override;

  QString AskPdfPath() override;
  void StartProgress(int sheets) override;
  bool SheetsDone(int done) override;
  void EndProgress() override;

 private:
  QWidget* parent_;
  QPointer<QProgressDialog> progress_;
};

// QtPrintFeedback over the window that starts the run, for the windows the main window opens.
PrintFeedbackMaker QtPrintDialogs();
