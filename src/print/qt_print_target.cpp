#include "print/qt_print_target.h"

#include <cups/cups.h>

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include "model/file_writing.h"
#include "print/paged_surface.h"

namespace {

// Labels are laid out from the printable area's top-left corner; a PDF file gets the margins of a
// common office printer, which leave room for two 4-inch labels side by side on A4.
const QMarginsF kPdfMargins(18, 36, 18, 36);  // points
constexpr int kResolution = 1200;             // dots an inch, as a printer at high resolution
const char* const kJobTitle = "Cratemark";

}  // namespace

QtPrintTarget::QtPrintTarget() = default;

QtPrintTarget::~QtPrintTarget() { Release(); }

bool QtPrintTarget::HasDefaultPrinter() const { return !QPrinterInfo::defaultPrinter().isNull(); }

QString QtPrintTarget::DefaultPrinterName() const {
  return QPrinterInfo::defaultPrinter().printerName();
}

bool QtPrintTarget::HasPrinter(const QString& name) const {
  return QPrinterInfo::availablePrinterNames().contains(name);
}

QStringList QtPrintTarget::PrinterNames() const { return QPrinterInfo::availablePrinterNames(); }

QRectF QtPrintTarget::PrintableArea(const PrintDestination& destination) const {
  constexpr double kTwipsPerPoint = 20;
  if (!destination.pdf_path.isEmpty()) {
    const QPageLayout pdf(QPageSize(QPageSize::A4), QPageLayout::Portrait, kPdfMargins,
                          QPageLayout::Point);
    const QRectF rect = pdf.paintRect(QPageLayout::Point);
    return QRectF(rect.topLeft() * kTwipsPerPoint, rect.size() * kTwipsPerPoint);
  }
  const QPrinterInfo info = destination.printer.isEmpty()
                                ? QPrinterInfo::defaultPrinter()
                                : QPrinterInfo::printerInfo(destination.printer);
  if (info.isNull()) return {};
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  const QRectF rect = printer.pageLayout().paintRect(QPageLayout::Point);
  return QRectF(rect.topLeft() * kTwipsPerPoint, rect.size() * kTwipsPerPoint);
}

Surface* QtPrintTarget::Open(const PrintDestination& destination) {
  Release();
  copies_ = destination.copies;
  return destination.pdf_path.isEmpty() ? OpenPrinter(destination.printer)
                                        : OpenPdf(destination.pdf_path);
}

Surface* QtPrintTarget::OpenPrinter(const QString& name) {
  const QPrinterInfo info =
      name.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(name);
  if (info.isNull()) return nullptr;
  spool_ =
      std::make_unique<QTemporaryFile>(QDir::temp().filePath(QStringLiteral("cratemark-XXXXXX")));
  if (!spool_->open()) return nullptr;
  spool_->close();

  printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  printer_name_ = info.printerName();
  printer_->setDocName(QString::fromLatin1(kJobTitle));
  printer_->setPageSize(QPageSize(QPageSize::A4));
  // With a file name (and no .pdf ending) the printer's own engine, with its paper and margins,
  // writes the job into that file instead of sending it; Submit sends it once it is complete.
  printer_->setOutputFileName(spool_->fileName());
  surface_ = std::make_unique<PagedSurface>(*printer_);
  return surface_.get();
}

Surface* QtPrintTarget::OpenPdf(const QString& path) {
  // A device or a FIFO under the name would be replaced by the file, or written into.
  if (TargetProblem(path)) return nullptr;
  pdf_file_ = std::make_unique<QSaveFile>(path);
  if (!pdf_file_->open(QIODevice::WriteOnly)) return nullptr;
  pdf_writer_ = std::make_unique<QPdfWriter>(pdf_file_.get());
  pdf_writer_->setResolution(kResolution);
  pdf_writer_->setTitle(QString::fromLatin1(kJobTitle));
  pdf_writer_->setCreator(QString::fromLatin1(kJobTitle));
  pdf_writer_->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         kPdfMargins, QPageLayout::Point));
  surface_ = std::make_unique<PagedSurface>(*pdf_writer_);
  return surface_.get();
}

bool QtPrintTarget::Failed() const {
  if (surface_ && surface_->failed()) return true;
  if (printer_ && printer_->printerState() == QPrinter::Error) return true;
  return pdf_file_ && pdf_file_->error() != QFileDevice::NoError;
}

bool QtPrintTarget::Close() {
  if (!surface_) return false;
  const bool begun = surface_->begun();
  surface_->EndDocument();
  bool ok = !Failed();
  if (ok && begun) {
    if (printer_) ok = Submit();
    if (pdf_file_) ok = CommitSaveFile(*pdf_file_);
  }
  Release();
  return ok;
}

bool QtPrintTarget::Submit() {
  // CUPS knows the queue without the instance part of the name.
  const QByteArray queue = printer_name_.section(u'/', 0, 0).toLocal8Bit();
  const QByteArray media = printer_->pageLayout().pageSize().key().toLocal8Bit();
  cups_option_t* options = nullptr;
  int count = cupsAddOption("media", media.constData(), 0, &options);
  if (copies_ > 1) {
    count = cupsAddOption("copies", QByteArray::number(copies_).constData(), count, &options);
  }
  const int job =
      cupsPrintFile(queue.constData(), QFile::encodeName(spool_->fileName()).constData(), kJobTitle,
                    count, options);
  cupsFreeOptions(count, options);
  return job > 0;
}

void QtPrintTarget::Abort() {
  if (printer_) printer_->abort();
  Release();
}

void QtPrintTarget::Release() {
  // The painter ends before its device goes; an unfinished PDF file is thrown away unwritten, and
  // the spool file goes with its object.
  surface_.reset();
  pdf_writer_.reset();
  if (pdf_file_) pdf_file_->cancelWriting();
  pdf_file_.reset();
  printer_.reset();
  spool_.reset();
}
