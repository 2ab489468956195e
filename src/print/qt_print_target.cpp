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

constexpr int kResolution = 1200;  // dots an inch, as a printer at high resolution
const char* const kJobTitle = "Cratemark";
constexpr double kTwipsPerPoint = 20;

// The page of the destination's stock: A4 as the print system names it, a roll's label size as
// the printer's own page of that size when it lists one ("w288h432" for 4 × 6 in).
QPageSize StockPage(const PrintDestination& destination) {
  const LabelStock stock = destination.fit.stock.value_or(BuiltInStocks().first());
  const QSizeF mm(PaperMm::Of(stock.page.width).value(), PaperMm::Of(stock.page.height).value());
  return QPageSize(mm, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
}

// A stock measured from the paper's edge is placed against the printer's true unprintable edge:
// where a printer can print to the edge, Qt would otherwise keep a margin of 10 points. The sheets
// of eight as printed always keep the printable area Qt has always given them.
void SetPage(QPrinter& printer, const PrintDestination& destination) {
  printer.setPageSize(StockPage(destination));
  const LabelStock stock = destination.fit.stock.value_or(BuiltInStocks().first());
  if (stock.anchor == LabelStock::Anchor::kPaperEdge) {
    const QPageLayout layout = printer.pageLayout();
    printer.setPageMargins(layout.minimumMargins(), layout.units());
  }
}

QRectF TwipsFromPoints(const QRectF& points) {
  return QRectF(points.topLeft() * kTwipsPerPoint, points.size() * kTwipsPerPoint);
}

std::optional<QSizeF> TwipsOf(const QPageSize& size) {
  const QSizeF points = size.size(QPageSize::Point);
  if (!size.isValid() || points.isEmpty()) return std::nullopt;
  return points * kTwipsPerPoint;
}

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
  if (!destination.pdf_path.isEmpty()) {
    // A PDF file has no unprintable edge.
    return TwipsFromPoints(QRectF(QPointF(), StockPage(destination).size(QPageSize::Point)));
  }
  const QPrinterInfo info = destination.printer.isEmpty()
                                ? QPrinterInfo::defaultPrinter()
                                : QPrinterInfo::printerInfo(destination.printer);
  if (info.isNull()) return {};
  QPrinter printer(info, QPrinter::HighResolution);
  SetPage(printer, destination);
  return TwipsFromPoints(printer.pageLayout().paintRect(QPageLayout::Point));
}

PrinterPaper QtPrintTarget::PaperOf(const PrintDestination& destination) const {
  if (!destination.pdf_path.isEmpty()) return {};
  const QPrinterInfo info = destination.printer.isEmpty()
                                ? QPrinterInfo::defaultPrinter()
                                : QPrinterInfo::printerInfo(destination.printer);
  if (info.isNull()) return {};
  PrinterPaper paper;
  paper.loaded = TwipsOf(info.defaultPageSize());
  // A printer that takes pages of any size up to a largest one says how large.
  if (info.supportsCustomPageSizes()) paper.largest = TwipsOf(info.maximumPhysicalPageSize());
  return paper;
}

Surface* QtPrintTarget::Open(const PrintDestination& destination) {
  Release();
  copies_ = destination.copies;
  collate_ = destination.collate;
  return destination.pdf_path.isEmpty() ? OpenPrinter(destination) : OpenPdf(destination);
}

Surface* QtPrintTarget::OpenPrinter(const PrintDestination& destination) {
  const QString& name = destination.printer;
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
  SetPage(*printer_, destination);
  // With a file name (and no .pdf ending) the printer's own engine, with its paper and margins,
  // writes the job into that file instead of sending it; Submit sends it once it is complete.
  printer_->setOutputFileName(spool_->fileName());
  surface_ = std::make_unique<PagedSurface>(*printer_);
  return surface_.get();
}

Surface* QtPrintTarget::OpenPdf(const PrintDestination& destination) {
  // A device or a FIFO under the name would be replaced by the file, or written into.
  if (TargetProblem(destination.pdf_path)) return nullptr;
  pdf_file_ = std::make_unique<QSaveFile>(destination.pdf_path);
  if (!pdf_file_->open(QIODevice::WriteOnly)) return nullptr;
  pdf_writer_ = std::make_unique<QPdfWriter>(pdf_file_.get());
  pdf_writer_->setResolution(kResolution);
  pdf_writer_->setTitle(QString::fromLatin1(kJobTitle));
  pdf_writer_->setCreator(QString::fromLatin1(kJobTitle));
  // The whole page: a PDF file has no unprintable edge, and its (0, 0) is the paper's corner.
  pdf_writer_->setPageLayout(
      QPageLayout(StockPage(destination), QPageLayout::Portrait, QMarginsF(), QPageLayout::Point));
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
    // CUPS's own option: the print system sorts the copies itself where the printer cannot
    // (cups-filters' pdftopdf repeats the document), and asks a printer that can to do it.
    count = cupsAddOption("collate", collate_ ? "true" : "false", count, &options);
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
