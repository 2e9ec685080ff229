// What one side sees of the hand in play, gathered from the table in one
// place for Dorvil's chair (FrmMain::WhatDorvilSees) and for the player's
// (the hint), so that both read the table by the same rules.
#pragma once

#include "Sharp.h"

class FrmMain;

namespace Sharp {

// Dorvil's view when `dorvil`, else the player's.
SideSees SeenFrom(const FrmMain& table, bool dorvil);

} // namespace Sharp
