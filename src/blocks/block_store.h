#pragma once

#include <QString>
#include <cstdint>

#include "blocks/pallet_counter.h"

class BlockTable;
class Prompter;
struct MainModel;

// Stores the fields on screen into entry current_block. Refuses, with a message and without
// storing anything, when l_p_start_text is not a whole number in -32768..32767 or a number field
// lies outside the 32-bit range; returns false then, and the calling command stops.
bool SaveBlock(MainModel& model, Prompter& prompter);

// The message for a carton range on screen whose last carton (l_end) lies below its first
// (l_start): it names the field to mend and what it must hold.
QString ReversedRangeMessage(const MainModel& model);

// Shows entry `entry` on screen. The caller sets current_block.
void LoadBlock(MainModel& model, int entry);

// Where the cartons of blocks 1..n end up when they are put onto pallets in carton order.
PalletWalk WalkPallets(const BlockTable& table, int n);
