#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "model/label_stock.h"
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
  // The clerk's own stocks that could be read, in the file's order.
  QList<LabelStock> custom_stocks;
  // The clerk's own stocks that could not be read: they are offered nowhere.
  QStringList damaged_stocks;
  // Sets whose stock is no stock that could be read: their printers print on the default stock.
  // The names as the messages show them.
  QStringList unknown_stocks;

  // The stored set of `queue` (empty: PDF files), when there is a readable one.
  std::optional<PrinterFit> Find(const QString& queue) const;

  // Every stock a printer can be given: the built-in ones, then the clerk's own.
  QList<LabelStock> Stocks() const;

  // The stock `queue` (empty: PDF files) is fed: its set's, or the default one.
  LabelStock StockOf(const QString& queue) const;

  // The fits the print run applies.
  PrinterFits Fits() const;
};

// The printer settings in their file: one group per printer queue and one for PDF files, each with
// the offsets and the pitch as the clerk typed them and the name of the stock it is fed, and the
// clerk's own stocks (QSettings, INI format):
//
//   [pdf]
//   offset_x_mm=0.0
//   offset_y_mm=0.0
//   stock=a4-8
//
//   [printers]
//   LABELS\offset_x_mm=-1.5
//   LABELS\offset_y_mm=2.0
//   LABELS\pitch_mm=74.25
//   LABELS\stock=shelf-2x5
//
//   [stocks]
//   shelf-2x5\page=a4
//   shelf-2x5\label_width_mm=100.00
//   shelf-2x5\label_height_mm=55.00
//   shelf-2x5\columns=2
//   shelf-2x5\rows=5
//   shelf-2x5\pitch_x_mm=105.00
//   shelf-2x5\pitch_y_mm=55.00
//   shelf-2x5\margin_left_mm=0.00
//   shelf-2x5\margin_top_mm=11.00
//   zebra-big\page=roll
//   zebra-big\label_width_mm=100.00
//   zebra-big\label_height_mm=200.00
//
// The stocks live beside the printers that use them: one file holds everything a printer's labels
// are placed by, so a printer's stock name never points into another file that is missing or
// older, and the file is read and reported on once. A set without pitch_mm keeps the template's
// pitch, one without stock is fed the default stock. Every value is read as strictly as typed
// input: a set with anything else is not used at all, so a hand-edited file never puts a label in
// a wrong place without a word; a stock that cannot be read is offered nowhere, and a printer
// given a stock that is not there prints on the default stock.
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

  // Stores a stock of the clerk's own, replacing the one of its name. False when the file cannot
  // be written.
  bool SaveStock(const LabelStock& stock) const;

 private:
  // Replaces `group` by `values`, in the order given.
  bool WriteGroup(const QString& group, const QList<std::pair<QString, QString>>& values) const;

  QString path_;
};

// The one message about a damaged settings file, empty when there is nothing to say.
QString DamagedFitsMessage(const StoredPrinterFits& stored, const QString& path);

// The name under which the settings show a set: the queue, or the PDF files.
QString FitSetName(const QString& queue);

// Reads the settings at start-up and says once when any of them cannot be used.
PrinterFits LoadPrinterFits(const PrinterFitStore& store, Prompter& prompter);
