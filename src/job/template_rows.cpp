#include "job/template_rows.h"

#include <algorithm>

#include "model/main_model.h"

std::vector<int> TemplateEntries(const MainModel& model) {
  std::vector<int> entries;
  const int last = std::min(model.block_count, BlockTable::kMaxBlocks);
  for (int entry = 1; entry <= last; ++entry) entries.push_back(entry);
  if (model.remainder_edited != 0) entries.push_back(last + 1);
  return entries;
}

BlockEntry TemplateRowsOf(const MainModel& model, int entry) {
  BlockEntry rows;
  if (entry != model.current_block) {
    CopyTemplateRows(model.blocks[entry], rows, model.max_line);
    return rows;
  }
  // As SaveBlock stores them: the text as typed, the alignment word without its blanks.
  for (int row = 0; row <= model.max_line && row < MainModel::kRows; ++row) {
    rows.blk_content[row] = model.l_content[row];
    rows.blk_array[row] = model.l_array[row].trimmed();
    rows.blk_size[row] = model.l_size[row];
  }
  return rows;
}

void CopyTemplateRows(const BlockEntry& from, BlockEntry& to, int max_line) {
  for (int row = 0; row <= max_line && row < BlockEntry::kRows; ++row) {
    to.blk_content[row] = from.blk_content[row];
    to.blk_array[row] = from.blk_array[row];
    to.blk_size[row] = from.blk_size[row];
  }
}

void ApplyRowsToBlocks(MainModel& model, const std::vector<int>& entries) {
  const std::vector<int> job = TemplateEntries(model);
  const BlockEntry shown = TemplateRowsOf(model, model.current_block);
  for (int entry : entries) {
    if (entry == model.current_block || std::find(job.begin(), job.end(), entry) == job.end()) {
      continue;
    }
    CopyTemplateRows(shown, model.blocks[entry], model.max_line);
  }
}
