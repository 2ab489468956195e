#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QString>

#include "print/print_target.h"

class QProgressDialog;
class QWidget;

// The file dialog for a PDF file and the progress dialog with its Cancel button. The dialog
// suggests `suggested_name` (the job's, see JobSession::SuggestedFileName; labels when none) in
// the folder last used for PDF files, and remembers the folder chosen.
class QtPrintFeedback : public PrintFeedback {
  Q_DECLARE_TR_FUNCTIONS(QtPrintFeedback)

 public:
  explicit QtPrintFeedback(QWidget* parent, QString suggested_name = {})
      : parent_(parent), suggested_name_(std::move(suggested_name)) {}
  ~QtPrintFeedback() override;

  QString AskPdfPath() override;
  void StartProgress(int sheets) override;
  bool SheetsDone(int done) override;
  void EndProgress() override;

 private:
  QWidget* parent_;
  QString suggested_name_;
  QPointer<QProgressDialog> progress_;
};

// QtPrintFeedback over the window that starts the run, for the windows the main window opens.
PrintFeedbackMaker QtPrintDialogs(const QString& suggested_name = {});
