#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

#include "print/printer_fits.h"
#include "stock/printer_fit.h"

class Prompter;

// What the printer settings file holds, as read.
struct StoredPrinterFits {
  QHash<QString, PrinterFit> printers;  // by queue name
  std::optional<PrinterFit> pdf;        // the PDF files' set
  // Sets that could not be read (a damaged or hand-edited file): their printers print with no
  // fit. The names as the messages show them.
  QStringList damaged;
  bool file_damaged = false;  // the whole file could not be read; nothing of it is used
  QString file_problem;       // why, when it is not the file's contents: a FIFO, a folder, its size

  // The stored set of `queue` (empty: PDF files), when there is a readable one.
  std::optional<PrinterFit> Find(const QString& queue) const;

  // The fits the print run applies.
  PrinterFits Fits() const;
};

// The printer settings in their file: one group per printer queue and one for PDF files, each with
// the offsets and the pitch as the clerk typed them (QSettings, INI format):
//
//   [pdf]
//   offset_x_mm=0.0
//   offset_y_mm=0.0
//
//   [printers]
//   LABELS\offset_x_mm=-1.5
//   LABELS\offset_y_mm=2.0
//   LABELS\pitch_mm=74.25
//
// A set without pitch_mm keeps the template's pitch. Every value is read as strictly as typed
// input: a set with anything else is not used at all, so a hand-edited file never puts a label
// in a wrong place without a word.
class PrinterFitStore {
 public:
  // Per user: ~/.config/Cratemark/printers.conf (XDG_CONFIG_HOME is honoured), unless another
  // file was set, as tests set one of their own.
  static QString DefaultPath();
  static void SetDefaultPath(const QString& path);

  explicit PrinterFitStore(QString path = DefaultPath()) : path_(std::move(path)) {}

  const QString& path() const { return path_; }

  // Reads the file only when it is a regular file of at most a megabyte of text; anything else is
  // damaged as a whole.
  StoredPrinterFits Load() const;

  // Stores the set of `queue` (empty: PDF files), all or nothing: on a full disk the old file
  // stays. A damaged file is started afresh, since nothing of it was in use. False when the file
  // cannot be written.
  bool Save(const QString& queue, const PrinterFit& fit) const;

 private:
  QString path_;
};

// The one message about a damaged settings file, empty when there is nothing to say.
QString DamagedFitsMessage(const StoredPrinterFits& stored, const QString& path);

// The name under which the settings show a set: the queue, or the PDF files.
QString FitSetName(const QString& queue);

// Reads the settings at start-up and says once when any of them cannot be used.
PrinterFits LoadPrinterFits(const PrinterFitStore& store, Prompter& prompter);
