// Throws arbitrary bytes at the packing-list import: it must never crash, every refusal names its
// problem, and the blocks of an accepted list go into a job without harm.

#include <QString>

#include "fuzz_rules.h"
#include "job/packing_list.h"
#include "model/block_table.h"
#include "model/main_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = FuzzBytes(data, size);
  QString problem;
  const auto blocks = ParsePackingList(bytes, &problem);
  if (!blocks) {
    Require(!problem.isEmpty(), "a refused list says why");
    return 0;
  }
  Require(!blocks->empty(), "an accepted list has blocks");
  Require(blocks->size() <= size_t(BlockTable::kMaxBlocks), "no more blocks than the table holds");
  for (const PackedBlock& block : *blocks) {
    Require(block.start <= block.end, "a block's first carton is not after its last");
  }
  MainModel model;
  model.max_line = MainModel::kRows - 1;
  ApplyPackingList(model, *blocks);
  Require(model.block_count == int32_t(blocks->size()), "every block is in the job");
  return 0;
}
