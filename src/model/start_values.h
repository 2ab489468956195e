#pragma once

struct MainModel;

// The program-wide start values that the start-up sequence (app/startup.h) and a new job begin
// with: the label geometry, the record prefix, one block on screen, the lists of l_block, the first
// pallet number, the alignments and the rows' sizes. The history list is the start-up sequence's
// own, as it reads the working folder.
void SetStartValues(MainModel& model);
