#pragma once

#include <QDialog>
#include <QList>
#include <functional>
#include <memory>
#include <optional>

#include "model/main_model.h"
#include "preview/run_summary.h"
#include "preview/sheet_preview.h"
#include "print/preflight.h"
#include "print/print_options.h"
#include "print/print_target.h"
#include "print/run_plan.h"
#include "print/run_sequence.h"

class Prompter;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTextBrowser;
class SheetView;

// Where the preview's prints go; what is left null is the print system (printers and PDF files)
// with its dialogs over the preview window.
struct PreviewPrintServices {
  PrintTarget* target = nullptr;
  PrintFeedback* feedback = nullptr;
  // A printer's fit to its label stock; none: nothing moves.
  std::function<StockFit(const PrintDestination&)> fit;
  // The print system's dialogs over the preview when `feedback` is null: the program's own, which
  // the main window gives (app/qt_print_feedback.h); none: no PDF file can be chosen.
  PrintFeedbackMaker dialogs;
};

// The whole-run preview "列印預覽": every sheet of a job as the chosen printer will print it, with
// the run's summary and the preflight's list under it (choosing an item turns to its sheet and
// outlines its spot), and the print panel: printer, copies and whether they come out collated, the
// start place on the first sheet, what to print (the whole run, sheets a–b of its preview or
// cartons a–b), 列印 and 存成 PDF…. The pages show what the current choice prints, zoomed to a fit
// or in steps (Ctrl+wheel, Ctrl++ and Ctrl+−).
//
// The job is a copy of the main window's model taken when the preview opens (after the print
// checks passed), so the pages never change under the user; the window is modal to the main window,
// so the template cannot change behind it either. It opens over or beside the main window, closes
// with Escape and deletes itself when closed.
//
// It writes no history: a whole run that printed to its end says so with wholeRunPrinted, and the
// main window, which opened it, stores the record. Reprints of sheets or cartons store none.
class RunPreviewWindow : public QDialog {
  Q_OBJECT

 public:
  RunPreviewWindow(const MainModel& job, Prompter& prompter, PreviewPrintServices services = {},
                   QWidget* parent = nullptr);
  ~RunPreviewWindow() override;

  const MainModel& job() const { return job_; }
  const RunPlan& plan() const { return plan_; }
  // The print the pages show: the last choice that was right.
  const PrintLayout& layout() const { return *layout_; }
  const QList<SummaryLine>& summary() const { return summary_; }
  // What the preflight finds in the print the pages show, on the chosen printer.
  const Preflight& preflight() const { return preflight_; }
  // Turns to the sheet of preflight item `index` and outlines its spot.
  void ShowPreflightItem(int index);
  SheetView* view() const { return view_; }

  // The choices as typed.
  PrintOptionTexts OptionTexts() const;
  // Prints the current choice on the chosen printer, or into a PDF file the user names, through the
  // run sequence: its checks, its one question about the preflight's items, its way out.
  void Print();
  void SaveAsPdf();

 signals:
  // A whole run went to the printer or into a PDF file to its end.
  void wholeRunPrinted();

 private:
  QWidget* CreateNavigation();
  QWidget* CreatePanel();
  void Connect();
  void FillPrinters();
  // Reads the choices and, when they are right, shows what they print.
  void ChoiceChanged();
  // The chosen printer's paper and stock, asked of the print system when the printer changes.
  void UpdatePaper();
  // Shows what `options` print, and the summary of the whole run with their copies.
  void ShowLayout(const PrintOptions& options);
  void ShowPageNumber();
  void ShowZoom();
  PrintDestination PreviewDestination() const;
  void ShowPreflight();
  void PrintTo(RunRequest request);

  PrintTarget& target();
  PrintFeedback& feedback();

  const MainModel job_;
  const RunPlan plan_;
  Prompter& prompter_;
  PreviewPrintServices services_;
  std::unique_ptr<PrintTarget> own_target_;
  std::unique_ptr<PrintFeedback> own_feedback_;

  std::optional<PrintLayout> layout_;
  PrintChoice shown_choice_;                   // what `layout_` was made for
  std::optional<PrintDestination> shown_for_;  // and the destination it was made for
  std::optional<PrintDestination> paper_for_;  // the destination `geometry_` was made for
  std::optional<LabelGeometry> geometry_;
  std::unique_ptr<SheetPreview> sheets_;
  QList<SummaryLine> summary_;
  Preflight preflight_;
  int summary_start_ = 0;  // the start place, stock and copies the summary was made for
  SheetShape summary_shape_;
  int summary_copies_ = 0;

  SheetView* view_ = nullptr;
  QPushButton* first_ = nullptr;
  QPushButton* previous_ = nullptr;
  QPushButton* next_ = nullptr;
  QPushButton* last_ = nullptr;
  QSpinBox* page_number_ = nullptr;
  QLabel* page_count_ = nullptr;
  QString page_count_text_;  // after the page number field, with %2 for the count
  QComboBox* zoom_ = nullptr;

  QTextBrowser* summary_text_ = nullptr;
  QListWidget* preflight_list_ = nullptr;
  QComboBox* printer_ = nullptr;
  QSpinBox* copies_ = nullptr;
  QCheckBox* collate_ = nullptr;
  QSpinBox* start_place_ = nullptr;
  QButtonGroup* kind_ = nullptr;
  QRadioButton* whole_ = nullptr;
  QRadioButton* sheets_range_ = nullptr;
  QRadioButton* cartons_range_ = nullptr;
  QLineEdit* sheets_from_ = nullptr;
  QLineEdit* sheets_to_ = nullptr;
  QLineEdit* cartons_from_ = nullptr;
  QLineEdit* cartons_to_ = nullptr;
  QLabel* choice_status_ = nullptr;
  QPushButton* print_ = nullptr;
  QPushButton* save_pdf_ = nullptr;
  QPushButton* close_ = nullptr;
};
