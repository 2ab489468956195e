#pragma once

struct MainModel;

// The row choices: row `row` carries the pallet number (its l_p(row+1) is on) or the carton number
// (its l_c(row) is on). Choosing writes the placeholder "P/NO.:" or "C/NO.:" into the row, after
// emptying the first row that held exactly that placeholder, and turns the other choice of the row
// off, so no row carries both numbers. A click on an option, a move of the rows and a recalled
// history record all choose through these.
void ChoosePalletRow(MainModel& model, int row);
void ChooseCartonRow(MainModel& model, int row);
