#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "model/label_stock.h"

class QWidget;
class Surface;

// A printer's fit to its label stock, from its printer settings: the stock it is fed (none: the
// default stock, a4-8), everything printed moves by `offset` twips, and page rows follow each
// other `pitch` twips apart (none: the stock's own pitch). The default changes nothing.
struct StockFit {
  QPointF offset;
  std::optional<double> pitch;
  std::optional<LabelStock> stock = std::nullopt;

  bool operator==(const StockFit&) const = default;
};

// What a printer says about the paper it takes, in twips; none where it says nothing (and for a
// PDF file, which takes any page).
struct PrinterPaper {
  std::optional<QSizeF> loaded;   // the page it is set up for: its default page size
  std::optional<QSizeF> largest;  // the largest page it can take

  bool operator==(const PrinterPaper&) const = default;
};

// Where a print goes: a printer of the print system or a PDF file, the page that of its stock.
struct PrintDestination {
  QString printer;   // a queue of the print system; empty: its default printer
  QString pdf_path;  // when not empty, the run goes into this PDF file instead
  int copies = 1;
  StockFit fit;
  // Several copies come out as whole sets (sheets 1, 2, 3, 1, 2, 3), else each sheet again.
  bool collate = true;

  bool operator==(const PrintDestination&) const = default;
};

// Where a run's pages go. Keeps the run free of widgets and devices, so tests can print onto a
// recording surface and make it fail.
class PrintTarget {
 public:
  virtual ~PrintTarget() = default;

  virtual bool HasDefaultPrinter() const = 0;
  // The queue name of the print system's default printer; empty when there is none.
  virtual QString DefaultPrinterName() const = 0;
  // True while the print system offers the queue `name`.
  virtual bool HasPrinter(const QString& name) const = 0;
  // The queues the print system offers, for the user to choose from.
  virtual QStringList PrinterNames() const = 0;

  // The part of the page of the destination's stock that `destination` prints on, in twips from
  // the page's top-left corner; a print's (0, 0) is its top-left corner. A PDF file prints on the
  // whole page. Empty when the printer is not known.
  virtual QRectF PrintableArea(const PrintDestination& destination) const = 0;

  // What the printer of `destination` says about its paper; nothing by default.
  virtual PrinterPaper PaperOf(const PrintDestination& /*destination*/) const { return {}; }

  // Opens a document for `destination`. The surface stays valid until Close or Abort. Null when no
  // document can be opened.
  virtual Surface* Open(const PrintDestination& destination) = 0;

  // True once the device has reported a fault: a page it could not start, a file it could not
  // write. The run looks after every page row.
  virtual bool Failed() const = 0;

  // Ends the document and hands it to the printer (or finishes the file); false when that failed.
  virtual bool Close() = 0;

  // Throws the open document away: nothing of it reaches the printer.
  virtual void Abort() = 0;
};

// What the user sees of a run besides message boxes: the choice of a PDF file when there is no
// printer, and the progress of a long run with its Cancel button.
class PrintFeedback {
 public:
  virtual ~PrintFeedback() = default;

  // The path of a PDF file to save the run in; empty when the user cancels.
  virtual QString AskPdfPath() = 0;

  // A run of `sheets` sheets begins.
  virtual void StartProgress(int sheets) = 0;
  // `done` sheets are finished; false once the user has asked to cancel.
  virtual bool SheetsDone(int done) = 0;
  // The run is over, however it ended; the progress goes away.
  virtual void EndProgress() = 0;
};

// Makes the feedback of a run started from a window: dialogs over `parent`. The dialogs are the
// program's own (app/qt_print_feedback.h); the main window hands them to the windows it opens.
using PrintFeedbackMaker = std::function<std::unique_ptr<PrintFeedback>(QWidget* parent)>;

// The feedback of a run nobody watches: no PDF file is chosen (so a run that needs one puts out
// nothing) and no progress is shown.
class QuietFeedback : public PrintFeedback {
 public:
  QString AskPdfPath() override { return {}; }
  void StartProgress(int) override {}
  bool SheetsDone(int) override { return true; }
  void EndProgress() override {}
};
