#pragma once

#include <cstdint>

class BlockTable;
class Prompter;
struct MainModel;

// The commands of the block area: which block is shown (l_block), adding and removing blocks and
// the remainder-carton option (l_last). Each runs on the model with the window's fields in it; a
// command that refuses shows why and leaves the table, the counts and the fields as they were.

// Lists the numbered blocks in l_block, followed by the remainder carton while l_last is "Yes".
// When the remainder carton leaves the list while it is l_block's text, the text becomes the last
// block's number; the fields on screen stay.
void RebuildBlockList(MainModel& model);

// Shows the entry picked in l_block after storing the one shown; the first pick of the remainder
// carton sets it up behind the last numbered block.
void SelectBlock(MainModel& model, Prompter& prompter);

// Stores the shown block and starts a new last block as a copy of it, with its first carton right
// after the shown block's last one and its first pallet after the pallets already used.
void AddBlock(MainModel& model, Prompter& prompter);

// The first pallet 新增區段 proposes for the block after blocks 1..`previous`: the pallet after the
// previous block's last one, or one further when that pallet is partly filled.
int64_t ProposedFirstPallet(const BlockTable& table, int previous);

// Drops the shown numbered block without storing its edits; the blocks behind it, and the
// remainder carton, move down by one.
void RemoveBlock(MainModel& model, Prompter& prompter);
