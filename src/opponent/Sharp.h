// Sharp Dorvil's choices. Each is a pure function of what one side sees from
// its chair, so nothing it decides can depend on the other side's hidden
// cards or on the order of the stock: those are simply not in its view.
// Written from Dorvil's chair, as he was the first to sit in it: "he" is the
// side that weighs (Dorvil, or the player when the hint borrows his
// judgement) and "his rival" the other side.
#pragma once

#include <array>
#include <optional>
#include <vector>

namespace Sharp {

// One meld column as both sides see it; a free column has no cards.
struct ColumnSeen {
    std::vector<int> Cards; // card numbers, ascending
    bool Done = false;
    bool IsSet = false;
    bool IsRun = false;
    bool operator==(const ColumnSeen&) const = default;
};

struct PileCard {
    int Card = 0;
    bool ByDorvil = false;
    bool operator==(const PileCard&) const = default;
};

// What one side sees: its own cards, the table, the pile as it was played,
// what its rival did in sight, and the counts anyone can read.
struct SideSees {
    std::vector<int> Hand; // ascending
    std::array<ColumnSeen, 6> Columns;
    std::vector<PileCard> Pile;     // the discard pile as played, the face card last
    std::vector<int> RivalTook;     // into the rival's hand in sight: from the pile, or back
                                    // from an open meld
    std::vector<int> RivalDiscards; // discarded by the rival this hand, in order
    std::vector<int> RivalPassed;   // face cards the rival left, drawing from the stock
    std::vector<int> Restocked;     // cards a stock rebuild put back in the stock
    int RivalCount = 0;
    int StockCount = 0;
    bool MadeMeld = false;      // he may lay off: he made a meld of three this hand
    bool RivalMadeMeld = false; // and so may his rival
    int TookFace = 0;           // the card he took from the pile this turn
    int MyScore = 0, RivalScore = 0, Target = 100;
    bool operator==(const SideSees&) const = default;

    int FaceCard() const { return Pile.empty() ? 0 : Pile.back().Card; }
};

// What Dorvil sees from his chair (FrmMain::WhatDorvilSees).
struct DorvilSees : SideSees {};

// Take the face card rather than a stock card?
bool TakesFaceCard(const SideSees& sees);

// His next move on the table: three cards laid as a new meld in a free column,
// or one card laid off onto a complete meld. None when he has nothing to lay.
struct MeldStep {
    int Column = 0;
    std::vector<int> Cards; // in the order they are placed
    bool operator==(const MeldStep&) const = default;
};
std::optional<MeldStep> NextMeldStep(const SideSees& sees);

// The card to discard; 0 only when his hand is empty.
int ChooseDiscard(const SideSees& sees);

} // namespace Sharp
