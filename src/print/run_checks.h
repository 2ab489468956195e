#pragma once

#include "barcode/barcode_symbol.h"

class Prompter;
class SymbolShapes;
struct MainModel;

// The checks of a print, in their order, each stopping with its message: the remainder option, the
// carton range on screen, storing the block on screen (which stays stored when a later check
// fails), cartons per pallet, the pallet-number and carton-number rows, and numbers that the
// 16-bit carton numbering cannot print, then every label's barcode: settings, content and a symbol
// that fits the label at its size on the printer's `dots` (the first label that cannot carry its
// symbol is named). True when a run may be planned from the table. The symbols are encoded by
// shape into `shapes`, which the run's preflight then reuses.
bool CheckRun(MainModel& model, Prompter& prompter, SymbolShapes& shapes,
              const PrinterDots& dots = {});
bool CheckRun(MainModel& model, Prompter& prompter);
