// The rules of the game, written once: what a meld column may take, when a
// side may lay a card off, what the cards left in a hand count, and what the
// end of a hand gives. Pure functions of plain values: the table, the hint,
// Dorvil's judgement, the self-play's players and the model of a hand all
// ask here, and none keeps a check of its own.
#pragma once

#include "Cards.h"

#include <cstdint>

namespace Rules {

// What a meld column holds: nothing, one card, or a set or a run of two or
// more. Two cards already decide which.
enum class Shape : uint8_t { Empty, Single, Set, Run };

struct Meld {
    Mask Cards = 0;
    Shape Kind = Shape::Empty;

    int Count() const { return Rules::Count(Cards); }
    // A meld of three or more: complete, and open to lay-offs.
    bool Complete() const { return Count() >= 3; }
    // A meld of one or two cards, still to be made.
    bool Open() const { return Kind == Shape::Single || (Kind != Shape::Empty && !Complete()); }
    bool operator==(const Meld&) const = default;
};

// What complete melds take, for many at once: each run of `runs` the card
// next to it at either end, each set of `setRanks` (whole ranks) its rank.
constexpr Mask TakenBy(Mask runs, Mask setRanks) {
    return ((((runs << 1) | (runs >> 1)) & ~runs) | setRanks) & AllCards;
}

// A column's meld from its cards and the marks the table keeps from its
// second card on (a set, a run); cards not marked yet are read for what they
// are.
Meld MeldOf(Mask cards, bool markedSet, bool markedRun);

// The cards that may go into the column next, one card at a time: any card
// starts a meld; a second card makes a set with the first (the same rank) or
// a run (the next card of its suit, above or below; the ace is low and
// follows no king); a set takes only its rank, and a run grows at its ends
// only.
Mask Takes(const Meld& meld);
inline bool Joins(const Meld& meld, int card) {
    return IsCard(card) && (Takes(meld) & Bit(card)) != 0;
}
// The column with `card` added; only for a card that joins it.
Meld With(const Meld& meld, int card);

// While a meld of one or two cards is open (in `openColumn`; 0 for none),
// cards go only into its column.
constexpr bool MayLayIn(int column, int openColumn) {
    return openColumn == 0 || openColumn == column;
}

// A card added to a complete meld is laid off, which a side may do once it
// has made a meld of three of its own in this hand.
constexpr bool MayLayOff(bool madeMeldThisHand) {
    return madeMeldThisHand;
}

// Whether cards may lie together in one column: none, one, or a set (cards
// of one rank) or a run (consecutive cards of one suit, ace low).
bool IsMeld(Mask cards);
// The shape of cards that lie together in one column.
Shape ShapeOf(Mask cards);

// Ranks (as a 16-bit lane) of which `hand` holds at least two, or three.
constexpr Mask RanksHeld(Mask hand, bool three) {
    const Mask a = hand & 0xFFFF, b = (hand >> 16) & 0xFFFF, c = (hand >> 32) & 0xFFFF,
               d = hand >> 48;
    return three ? (a & b & c) | (a & b & d) | (a & c & d) | (b & c & d)
                 : (a & b) | (a & c) | (a & d) | (b & c) | (b & d) | (c & d);
}
// A 16-bit lane of ranks in every suit.
constexpr Mask AllSuits(Mask lane) {
    return lane | (lane << 16) | (lane << 32) | (lane << 48);
}
// The cards that would make a meld of three with two cards of `hand`.
constexpr Mask Completes(Mask hand) {
    const Mask runs =
        ((hand >> 1) & (hand >> 2)) | ((hand << 1) & (hand >> 1)) | ((hand << 1) & (hand << 2));
    return (runs | AllSuits(RanksHeld(hand, false))) & AllCards & ~hand;
}

// What the cards count at the end of a hand: their ranks, ace 1 to king 13.
int Points(Mask hand);

// A score with the points of a hand added, kept within the 16 bits it is
// stored in.
int16_t AddPoints(int16_t score, int points);
// A game is won by the side whose score reaches the target with a lead.
constexpr bool WinsGame(int score, int rivalScore, int target) {
    return score >= target && score > rivalScore;
}

// The end of a hand: its winner scores what is left in the loser's hand.
struct Settlement {
    int Points = 0;
    int16_t WinnerScore = 0; // the winner's game score after the hand
    bool GameWon = false;
};
Settlement Settle(int16_t winnerScore, int16_t loserScore, int target, Mask loserHand);

} // namespace Rules
