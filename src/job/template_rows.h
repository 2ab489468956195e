#pragma once

#include <vector>

#include "model/block_table.h"

struct MainModel;

// One template for many blocks: the rows of one block (their texts, alignments and sizes) copied
// to others. What a row holds is decided here only, so a later setting of a row is copied with the
// rest once it is added to CopyTemplateRows and TemplateRowsOf.

// The entries of the job a template can come from or go to: the numbered blocks and, once it has
// been set up, the remainder carton.
std::vector<int> TemplateEntries(const MainModel& model);

// The rows of `entry` as the clerk knows them: those on screen for the entry on screen (stored or
// not), those of the table for the others. The other columns of the result are empty.
BlockEntry TemplateRowsOf(const MainModel& model, int entry);

// Copies the template rows 0..max_line of `from` into `to`; the carton and pallet columns stay.
void CopyTemplateRows(const BlockEntry& from, BlockEntry& to, int max_line);

// 套用到其他區段: the rows on screen go to each of `entries` (the entry on screen among them
// changes nothing). Entries that are not the job's are left alone.
void ApplyRowsToBlocks(MainModel& model, const std::vector<int>& entries);
