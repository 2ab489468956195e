#pragma once

#include "model/lengths.h"
#include "model/main_model.h"

// The grid a label's texts stand on: `line_width` columns of the print font across, rows 0 to
// `max_line` down, one line each, and `label_gap` between the last line of one page row and the
// first of the next. A column is half the font's size and a line its size: 120 and 240 twips at
// 12 points. The numbers are the template's program-wide state; the start values below are the
// only place they are written, and everything that places a label reads them from here or from
// the job (LabelGrid::Of).
struct LabelGrid {
  int line_width = 48;
  int max_line = 15;
  Twips label_gap{330};
  int page_rows_per_page = 4;  // of the A4 sheet of eight, the default stock
  double points = 12;          // the print font's size

  static LabelGrid Of(const MainModel& model) {
    LabelGrid grid;
    grid.line_width = model.line_width;
    grid.max_line = model.max_line;
    grid.label_gap = Twips(model.label_gap);
    grid.page_rows_per_page = model.page_rows_per_page;
    return grid;
  }

  constexpr int rows() const { return max_line + 1; }
  constexpr Twips column() const { return Twips(points * 10); }
  constexpr Twips line() const { return Twips(points * 20); }
  // A label's width in twips: 5760 at the start values.
  constexpr Twips width() const { return column() * line_width; }
  // From the top of row 0 to the top of the last row: 3600 twips.
  constexpr Twips last_row_top() const { return line() * max_line; }
  // From one page row's first line to the next one's, when no row runs over: the rows and the gap,
  // 4170 twips.
  constexpr Twips page_row_pitch() const { return line() * rows() + label_gap; }

  constexpr bool operator==(const LabelGrid&) const = default;
};

// The template's grid at its start values.
inline constexpr LabelGrid kStartGrid{};
