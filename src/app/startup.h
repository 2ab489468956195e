#pragma once

struct MainModel;

// The main window's start-up sequence: program-wide start values, the lists of l_block, the
// alignments and the history list. Runs when the window loads and again at the end of Refresh;
// it leaves the content texts, the row choices and the other block fields alone.
void StartUp(MainModel& model);
