#include "model/start_values.h"

#include "model/label_grid.h"
#include "model/main_model.h"

void SetStartValues(MainModel& model) {
  model.line_width = int16_t(kStartGrid.line_width);
  model.max_line = int16_t(kStartGrid.max_line);
  model.label_gap = int16_t(kStartGrid.label_gap.value());
  model.page_rows_per_page = int16_t(kStartGrid.page_rows_per_page);
  model.record_prefix = QStringLiteral("record_");
  model.remainder_edited = 0;
  model.current_block = 1;
  model.block_count = 1;

  // Refresh empties the list before it gets here, so setting it is the same as appending to it;
  // setting it keeps a second run from ever doubling the entries.
  model.l_block_list = {QStringLiteral("1"), kRemainderEntry};
  model.l_p_start_text = QStringLiteral("1");
  for (int row = 0; row <= model.max_line; ++row) {
    model.l_array[row] = AlignmentWords().first();
    model.l_size[row] = RowSize::kNormal;
  }
}
