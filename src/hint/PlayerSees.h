// What the player sees of the hand in play, the mirror of what Dorvil sees:
// the player's own cards, the melds on the table, the discard pile as it was
// played, what Dorvil took from it and how many cards he holds, and where the
// player's turn stands. Dorvil's cards and the order of the stock are not in
// it, so nothing the hint says can depend on them.
#pragma once

#include "Sharp.h"

class FrmMain;

namespace Hint {

// Sharp's record of one side's view, from the player's chair (Hand is the
// player's, the Rival fields are Dorvil's), and the state of the turn.
struct PlayerSees : Sharp::SideSees {
    bool MyTurn = false;       // the player's turn, nothing moving: the hint may speak
    bool HasDrawn = false;     // a card was taken this turn
    bool CallDrawOpen = false; // Call Draw is offered: the stock was rebuilt this hand
    int StockRebuilds = 0;     // how often, this hand
    int OpenColumn = 0; // the column of the player's open meld (one or two cards); 0 for none
    bool operator==(const PlayerSees&) const = default;
};

// Whether the hint has anything to say: a hand in play, the player's turn,
// no card on its way into the hand. The window asks it at a point of rest
// (no handler running, no card following the pointer).
bool Available(const FrmMain& table);

// Everything the hint may depend on, gathered from the table in this one place.
PlayerSees WhatPlayerSees(const FrmMain& table);

// The hints asked in the hand in play, for the history of games: the count
// starts afresh with every hand, and is still the settled hand's when its
// HandSettled event is told (the next hand is laid out after it).
class Tally {
  public:
    void Asked(const FrmMain& table);
    int InHand(const FrmMain& table) const;

  private:
    int Hand = -1;
    int Count = 0;
};

} // namespace Hint
