#include "app/qt_print_feedback.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QProgressDialog>
#include <QSettings>
#include <QStandardPaths>
#include <memory>

#include "job/user_settings.h"

PrintFeedbackMaker QtPrintDialogs(const QString& suggested_name) {
  return [suggested_name](QWidget* parent) {
    return std::make_unique<QtPrintFeedback>(parent, suggested_name);
  };
}

QtPrintFeedback::~QtPrintFeedback() { EndProgress(); }

QString QtPrintFeedback::AskPdfPath() {
  QSettings settings(QSettings::UserScope, QStringLiteral("Cratemark"),
                     QStringLiteral("Cratemark"));
  const QString name = suggested_name_.isEmpty() ? QStringLiteral("labels") : suggested_name_;
  const QString start =
      SuggestedSavePath(settings, FileKind::kPdf, name + QStringLiteral(".pdf"),
                        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
  QString path =
      QFileDialog::getSaveFileName(parent_, tr("存成 PDF 檔"), start, tr("PDF 檔 (*.pdf)"));
  if (path.isEmpty()) return path;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
  RememberFolder(settings, FileKind::kPdf, path);
  return path;
}

void QtPrintFeedback::StartProgress(int sheets) {
  EndProgress();
  progress_ = new QProgressDialog(tr("正在列印標籤…"), tr("取消(&C)"), 0, sheets, parent_);
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
