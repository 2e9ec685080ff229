// Gathering what the player sees: Sharp's view of a side from the player's
// chair, and the state of the player's turn.
#include "PlayerSees.h"

#include "FrmMain.h"
#include "SharpSeat.h"

#include <algorithm>

namespace Hint {

bool Available(const FrmMain& f) {
    return f.GameInPlay && !f.HandOver && !f.GameOver && !f.Closing && f.PlayerTurn && !f.OppTurn &&
           !f.TakingCard;
}

PlayerSees WhatPlayerSees(const FrmMain& f) {
    PlayerSees s;
    static_cast<Sharp::SideSees&>(s) = Sharp::SeenFrom(f, false);
    s.MyTurn = Available(f);
    s.HasDrawn = f.PlayerHasDrawn;
    // The Call Draw button shows from a stock rebuild until the next hand,
    // and the record of the hand starts afresh with every hand.
    s.StockRebuilds =
        static_cast<int>(std::count_if(f.HandLog.begin(), f.HandLog.end(), [](const TableEvent& e) {
            return e.What == TableEvent::StockReplaced;
        }));
    s.CallDrawOpen = s.StockRebuilds > 0;
    for (int c = 1; c <= 6 && !s.OpenColumn; ++c)
        if (f.Melds(c).InUse && !f.Melds(c).Done) s.OpenColumn = c;
    return s;
}

void Tally::Asked(const FrmMain& f) {
    if (f.HandSerial != Hand) Hand = f.HandSerial, Count = 0;
    ++Count;
}

int Tally::InHand(const FrmMain& f) const {
    return f.HandSerial == Hand ? Count : 0;
}

} // namespace Hint
