#include "app/qt_print_feedback.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QProgressDialog>
#include <QStandardPaths>
#include <memory>

PrintFeedbackMaker QtPrintDialogs() {
  return [](QWidget* parent) { return std::make_unique<QtPrintFeedback>(parent); };
}

QtPrintFeedback::~QtPrintFeedback() { EndProgress(); }

QString QtPrintFeedback::AskPdfPath() {
  const QString start = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                            .filePath(QStringLiteral("labels.pdf"));
  QString path =
      QFileDialog::getSaveFileName(parent_, tr("存成 PDF 檔"), start, tr("PDF 檔 (*.pdf)"));
  if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
  return path;
}

void QtPrintFeedback::StartProgress(int sheets) {
  EndProgress();
  progress_ = new QProgressDialog(tr("正在列印標籤…"), tr("取消"), 0, sheets, parent_);
  progress_->setWindowTitle(QApplication::applicationName());
  progress_->setWindowModality(Qt::WindowModal);
  progress_->setMinimumDuration(0);
  progress_->setAutoClose(false);
  progress_->setAutoReset(false);
  progress_->setValue(0);
}

bool QtPrintFeedback::SheetsDone(int done) {
  if (!progress_) return true;
  progress_->setLabelText(
      tr("正在列印標籤… 第 %1 張, 共 %2 張").arg(done).arg(progress_->maximum()));
  // A window-modal dialog takes the user's events here, Cancel among them.
  progress_->setValue(done);
  return !progress_->wasCanceled();
}

void QtPrintFeedback::EndProgress() {
  if (!progress_) return;
  // Hidden at once: a message box about the run's end must not stand beside a dialog that is only
  // deleted once the event loop gets back here.
  progress_->hide();
  progress_->deleteLater();
  progress_ = nullptr;
}
