#pragma once

#include <QList>
#include <QStringList>
#include <functional>

#include "print/print_target.h"
#include "support/recording_surface.h"

// A print target and feedback for tests: the run's pages go onto a recording surface, the device
// can be made to fail at a sheet, and the user's answers are scripted.
class RecordingTarget : public PrintTarget, public PrintFeedback {
 public:
  // Device and user behaviour.
  bool has_printer = true;
  int fail_at_sheet = 0;                  // Failed() once this sheet (from 1) has been started
  bool close_fails = false;               // Close() reports a failure
  QString pdf_answer;                     // what the file dialog answers
  int cancel_at_sheet = 0;                // SheetsDone(n) answers Cancel from this n on
  std::function<void()> on_progress_end;  // called as the progress dialog ends

  // What the run did.
  RecordingSurface surface;
  QStringList opened;  // the PDF path of each Open ("" for a printer)
  QList<PrintDestination> destinations;
  QStringList printers{QStringLiteral("LABELS")};  // the queues the print system offers
  QString default_printer = QStringLiteral("LABELS");
  QRectF printable{360, 720, 11186, 15398};  // the generic PDF printer's A4, in twips
  PrinterPaper paper;                        // what the printer says of its paper: nothing
  double dpi = 0;                            // the printer's dots an inch: it does not say
  int pdf_questions = 0;
  bool closed = false;
  bool aborted = false;
  int progress_sheets = -1;  // what StartProgress got; -1 when not shown
  QList<int> sheets_done;
  bool progress_ended = false;

  bool HasDefaultPrinter() const override { return has_printer; }
  QString DefaultPrinterName() const override { return has_printer ? default_printer : QString(); }
  bool HasPrinter(const QString& name) const override { return printers.contains(name); }
  QStringList PrinterNames() const override { return printers; }
  // A PDF file prints on its whole page, a printer on `printable` of any stock's page.
  QRectF PrintableArea(const PrintDestination& destination) const override {
    if (destination.pdf_path.isEmpty()) return printable;
    return QRectF(QPointF(),
                  destination.fit.stock.value_or(BuiltInStocks().first()).page.ToSizeF());
  }
  PrinterPaper PaperOf(const PrintDestination&) const override { return paper; }
  double DotsPerInch(const PrintDestination&) const override { return dpi; }
  Surface* Open(const PrintDestination& destination) override {
    opened << destination.pdf_path;
    destinations << destination;
    return &surface;
  }
  bool Failed() const override { return fail_at_sheet > 0 && surface.pages() >= fail_at_sheet; }
  bool Close() override {
    surface.EndDocument();
    closed = true;
    return !close_fails;
  }
  void Abort() override { aborted = true; }

  QString AskPdfPath() override {
    ++pdf_questions;
    return pdf_answer;
  }
  void StartProgress(int sheets) override { progress_sheets = sheets; }
  bool SheetsDone(int done) override {
    sheets_done << done;
    return cancel_at_sheet == 0 || done < cancel_at_sheet;
  }
  void EndProgress() override {
    progress_ended = true;
    if (on_progress_end) on_progress_end();
  }
};
