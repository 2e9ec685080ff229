// How Sharp Dorvil weighs a hand: the cards as the rules' bit masks
// (src/rules/Cards.h), what he knows of every card, the ways his hand can be
// laid on the table, and what the cards he keeps are worth.
#pragma once

#include "Cards.h"
#include "Sharp.h"

#include <cstdint>
#include <vector>

namespace Sharp {

using Rules::AllCards;
using Rules::Bit;
using Rules::CardAt;
using Rules::Count;
using Rules::Highest;
using Rules::Lowest;
using Rules::Mask;
using Rules::RankAt;
using Rules::RankMask;
using Rules::RankOf;
using Rules::RankOfBit;
using Rules::SuitOf;
Mask MaskOf(const std::vector<int>& cards);

// A complete meld on the table that takes cards laid off.
struct Anchor {
    int Column = 0;
    bool IsSet = false;
    Mask Cards = 0;
    Mask Takes = 0; // the cards it takes next, by the rules
};

// What he makes of the table: where every card is as far as he can know, and
// how soon the hand may end.
struct Outlook {
    Mask Mine = 0, Table = 0, Pile = 0;
    Mask RivalHolds = 0;          // surely in his rival's hand
    Mask Live = 0;                // in the stock or the rival's hand, he cannot tell which
    Mask TableRuns = 0;           // cards of complete runs on the table
    Mask SetRanks = 0;            // every card of a rank laid as a complete set
    Mask FitNow = 0, FitNext = 0; // cards the table takes now, and after one more
    std::vector<Anchor> Anchors;
    int FreeColumns = 0;
    bool MayLayOff = false;
    bool RivalMayLayOff = false;
    double Hold[64] = {};     // chance that the rival holds the card of that bit
    double Use[64] = {};      // chance that the rival can use the card at once
    double Miss[64] = {};     // chance that it does not come to him before the hand ends
    double Risk = 1;          // weight of a point kept in his hand
    double MissPair[40] = {}; // chance that none of n pairs of live cards comes to him
};
Outlook Look(const SideSees& sees);

// A way of laying part of a hand: new melds and lay-offs, and what is left.
struct Play {
    Mask Left = 0;
    Mask FitNow = 0;  // cards the table would take once this is laid
    Mask FitNext = 0; // cards it would take after one more
    std::vector<Mask> NewMelds;
    std::vector<std::pair<int, Mask>> LayOffs; // column, cards laid off in a chain
};

// The value of a turn (lower is better) when he holds `hand` before melding:
// the best way to lay it followed by the best discard. `keep` is a card he
// must not discard unless it is his last (the face card he just took).
// `budget`, when given, counts down the hands he weighs: at 0 he stops, with
// Spent set. Counting work, not time, keeps his choices repeatable.
struct TurnValue {
    double Value = 0;
    Play Best;
    Mask Discard = 0;
    bool Spent = false;
};
TurnValue BestTurn(Mask hand, const Outlook& o, Mask keep, long* budget = nullptr);

// His three choices (Sharp.h) from an outlook already made, so that a caller
// that weighs more than one of them looks at the table once.
struct FaceWeighed {
    bool Take = false; // the face card rather than a stock card
    Play With;         // the best way of laying the hand with it
};
FaceWeighed WeighFaceCard(const SideSees& sees, const Outlook& o);
// The step that begins `best`, his best way of laying the hand.
std::optional<MeldStep> FirstStep(const SideSees& sees, const Play& best);
// The card to discard when `best` (the best turn's discard) is his first thought.
int ChooseDiscard(const Outlook& o, Mask keep, Mask best);
// The card he took from the pile this turn, which he keeps unless it is his last.
Mask KeptCard(const SideSees& sees);

// What the cards left in his hand are expected to cost him.
double Leftover(Mask left, const Play& play, const Outlook& o);
// What the card he discards is worth to his rival.
double Danger(Mask card, const Outlook& o);

} // namespace Sharp
