#pragma once

#include <QString>
#include <memory>

#include "print/print_target.h"

class PagedSurface;
class QPdfWriter;
class QPrinter;
class QSaveFile;
class QTemporaryFile;

// The run's pages on a printer of the print system or in a PDF file.
//
// The printer's job is rendered into a temporary file and handed to the print system only once the
// document is complete: the print system cannot take back a job it has begun to receive, and a
// failed or cancelled run must not put out half its labels. A PDF file is likewise written under a
// temporary name and appears only when complete.
class QtPrintTarget : public PrintTarget {
 public:
  QtPrintTarget();
  ~QtPrintTarget() override;

  bool HasDefaultPrinter() const override;
  QString DefaultPrinterName() const override;
  bool HasPrinter(const QString& name) const override;
  QStringList PrinterNames() const override;
  QRectF PrintableArea(const PrintDestination& destination) const override;
  PrinterPaper PaperOf(const PrintDestination& destination) const override;
  Surface* Open(const PrintDestination& destination) override;
  bool Failed() const override;
  bool Close() override;
  void Abort() override;

 private:
  Surface* OpenPrinter(const PrintDestination& destination);
  Surface* OpenPdf(const PrintDestination& destination);
  bool Submit();
  void Release();

  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<QTemporaryFile> spool_;
  QString printer_name_;
  int copies_ = 1;
  bool collate_ = true;
  std::unique_ptr<QSaveFile> pdf_file_;
  std::unique_ptr<QPdfWriter> pdf_writer_;
  std::unique_ptr<PagedSurface> surface_;
};
