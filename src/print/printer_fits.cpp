#include "print/printer_fits.h"

QString QueueOf(const QString& printer) { return printer.section(u'/', 0, 0); }

StockFit PrinterFits::For(const PrintDestination& destination) const {
  if (!destination.pdf_path.isEmpty()) return pdf;
  if (destination.printer.isEmpty()) return {};
  return printers.value(QueueOf(destination.printer));
}
