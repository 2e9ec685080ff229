// Sharp Dorvil's choices. Each is a pure function of what he sees from his
// chair, so nothing he decides can depend on the player's hidden cards or on
// the order of the stock: those are simply not in his view.
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

struct DorvilSees {
    std::vector<int> Hand; // ascending
    std::array<ColumnSeen, 6> Columns;
    std::vector<PileCard> Pile;      // the discard pile as played, the face card last
    std::vector<int> PlayerTook;     // into the player's hand in sight: from the pile, or back
                                     // from an open meld
    std::vector<int> PlayerDiscards; // discarded by the player this hand, in order
    std::vector<int> PlayerPassed;   // face cards the player left, drawing from the stock
    std::vector<int> Restocked;      // cards a stock rebuild put back in the stock
    int PlayerCount = 0;
    int StockCount = 0;
    bool MadeMeld = false;       // he may lay off: he made a meld of three this hand
    bool PlayerMadeMeld = false; // and so may the player
    int TookFace = 0;            // the card he took from the pile this turn
    int MyScore = 0, PlayerScore = 0, Target = 100;
    bool operator==(const DorvilSees&) const = default;

    int FaceCard() const { return Pile.empty() ? 0 : Pile.back().Card; }
};

// Take the face card rather than a stock card?
bool TakesFaceCard(const DorvilSees& sees);

// His next move on the table: three cards laid as a new meld in a free column,
// or one card laid off onto a complete meld. None when he has nothing to lay.
struct MeldStep {
    int Column = 0;
    std::vector<int> Cards; // in the order they are placed
    bool operator==(const MeldStep&) const = default;
};
std::optional<MeldStep> NextMeldStep(const DorvilSees& sees);

// The card to discard; 0 only when his hand is empty.
int ChooseDiscard(const DorvilSees& sees);

} // namespace Sharp
