#pragma once

#include <QString>

class Surface;

// Where a print run's pages go: the system's default printer or a PDF file, both A4. Keeps the run
// free of widgets and devices, so tests can print onto a recording surface and make it fail.
class PrintTarget {
 public:
  virtual ~PrintTarget() = default;

  virtual bool HasDefaultPrinter() const = 0;

  // Opens a document on the default printer (empty `pdf_path`) or in the PDF file `pdf_path`.
  // The surface stays valid until Close or Abort. Null when no document can be opened.
  virtual Surface* Open(const QString& pdf_path) = 0;

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
  virtual void EndProgress() = 0;
};
