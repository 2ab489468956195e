#pragma once

#include <cstdint>
#include <optional>

#include "print/label_renderer.h"
#include "print/run_plan.h"

class Surface;
struct MainModel;

// The labels' print size, points: a column of 120 twips, a line of 240.
inline constexpr double kLabelPoints = 12.0;

// Puts the texts of `label` into half `half` of the page-row texts: the rows of its block, with
// "P/NO. : " and its pallet number in the pallet-number row and "C/NO. : " and its carton number in
// the carton-number row ("P/NO. " and "C/NO. " for the remainder carton). A row marked for both
// numbers carries the pallet number.
void ComposeLabel(const MainModel& model, const PlannedLabel& label, PrintBuffer& texts, int half);

// Draws the labels of a layout sheet by sheet, for the printer, a PDF file and the screen alike.
class SheetDrawer {
 public:
  // `pitch`: twips from one page row to the next (when no row runs over), from a printer's fit to
  // its stock; none: the template's rows and label_gap.
  SheetDrawer(const MainModel& model, const PrintLayout& layout,
              std::optional<double> pitch = std::nullopt);

  // Page rows of `sheet` (from 1) that are drawn: up to the last one holding a label.
  int PageRowsOn(int64_t sheet) const;

  // Draws page row `page_row` of `sheet` at the surface's print position; the places before the
  // first printed label stay empty but take their room.
  void DrawPageRow(Surface& surface, int64_t sheet, int page_row);

  // Moves the print position from one page row down to the next.
  void StepToNextPageRow(Surface& surface) const;

  // Draws a whole sheet from the top of the surface's current page.
  void DrawSheet(Surface& surface, int64_t sheet);

  const PictureCache& pictures() const { return pictures_; }

 private:
  const MainModel& model_;
  const PrintLayout& layout_;
  std::optional<double> pitch_;
  PictureCache pictures_;
};
