#pragma once

#include <QList>
#include <QString>

class PrintLayout;
class RunPlan;
struct SheetShape;
struct MainModel;

// One line of the run's summary beside the preview's pages, with what it is about, so the window
// can set the checks apart.
struct SummaryLine {
  enum Kind {
    kTotal,      // labels and sheets in all
    kBlock,      // a numbered block
    kRemainder,  // the remainder carton
    kWarning,    // a check that found something: a block that prints nothing
    kAllClear,   // the checks found nothing
  };
  Kind kind;
  QString text;

  bool operator==(const SummaryLine&) const = default;
};

// What the run of `plan` (made from `model`) puts on paper, laid out as a whole run on sheets of
// `shape` from `start_place`: labels and sheets in all, and the sheets of `copies` copies; per
// block its cartons, the pallets it uses, the cartons it carries onto an earlier block's pallet,
// the sheet and place of its first label and what its first and last barcodes encode; the
// remainder carton; then the check the preflight leaves to it: blocks whose first carton number is
// above their last, which print nothing. (Blocks sharing cartons are one of the preflight's items.)
QList<SummaryLine> RunSummary(const MainModel& model, const RunPlan& plan, const SheetShape& shape,
                              int start_place = 1, int copies = 1);

// One line on what a print of `layout` in `copies` copies puts on paper: its labels and sheets.
QString LayoutSummary(const PrintLayout& layout, int copies = 1);

// The summary as HTML for a rich-text label: one paragraph a line, the warnings in red.
QString SummaryHtml(const QList<SummaryLine>& lines);
