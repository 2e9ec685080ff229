// The hint: the next step of a good turn for the player, one step at a time,
// chosen by Sharp Dorvil's judgement from the player's chair, or by Expert
// Dorvil's while he sits at the table (AtTable). It is a pure
// function of what the player sees, and it changes nothing on the table: the
// player (or the demo) still makes the move through the usual handlers.
#pragma once

#include "PlayerSees.h"

#include <QString>
#include <vector>

namespace Hint {

struct Advice {
    enum Kind {
        None,      // not the player's turn, or nothing can be done
        TakeFace,  // press the discard pile's face card (Card)
        TakeStock, // press any card of the stock
        Meld,      // drop Card on empty or open column Column, the next card of Planned
        LayOff,    // drop Card on complete meld Column
        TakeBack,  // click Take Back: the open meld in Column makes no meld with the hand
        Discard,   // drop Card on the discard pile
        CallDraw,  // click Call Draw: the hand can never end, or will not
    };
    // Why, where the sentence tells it.
    enum Reason {
        Plain,
        CompletesRun, // TakeFace: the card makes a run with the hand
        CompletesSet, // TakeFace: a set
        FitsTable,    // TakeFace: it can be laid off
        NearMeld,     // TakeFace: it joins cards of the hand on the way to a meld
        PlaysBest,    // TakeFace: Expert's playouts find it best, for no simpler reason
        StockEmpty,   // TakeFace: there is no other card to take
        StartsMeld,   // Meld: the first card of a new meld
        GoesOn,       // Meld: a further card of the open meld
        Completes,    // Meld: the card that makes the open meld complete
        GoesOut,      // Discard: the last card
        TooLong,      // CallDraw: the stock has been drawn through again and again
    };
    Kind What = None;
    Reason Why = Plain;
    int Card = 0;
    int Column = 0;
    std::vector<int> Planned; // Meld: the whole meld, in the order of laying, laid cards first
    QString Text;             // one sentence in the game's voice
    bool operator==(const Advice&) const = default;
};

// The next step of a good turn; None when it is not the player's turn.
Advice NextStep(const PlayerSees& sees);

// The next step by Expert Dorvil's judgement from the player's chair (when he
// sits at the table): slower than NextStep, as he plays his choices forward.
Advice ExpertStep(const PlayerSees& sees);

// The hint the table offers, and the demo plays: a player who meets Expert
// Dorvil is advised with his judgement (a few milliseconds a step), any
// other with Sharp's.
Advice AtTable(const FrmMain& table);

// Whether the table takes card n dropped on column c, by the rules the game
// applies to the player's drops.
bool Accepts(const PlayerSees& sees, int n, int c);

// The sentence of an advice, filled in from its kind, reason, cards and column.
QString Sentence(const Advice& advice);

} // namespace Hint
