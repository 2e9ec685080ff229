// The rules of a meld and of the end of a hand, on card masks.
#include "Rules.h"

#include <limits>

namespace Rules {

namespace {
// The lanes' bits whose rank has the given bit set: a hand's points are four
// counts of bits, weighted 1, 2, 4 and 8.
constexpr Mask RanksWith(int bit) {
    Mask m = 0;
    for (int rank = 1; rank <= 13; ++rank)
        if (rank & bit) m |= RankMask(rank);
    return m;
}
} // namespace

Meld MeldOf(Mask cards, bool markedSet, bool markedRun) {
    if (Count(cards) >= 2 && (markedSet || markedRun))
        return {cards, markedSet ? Shape::Set : Shape::Run};
    return {cards, ShapeOf(cards)};
}

Mask Takes(const Meld& meld) {
    const Mask low = Lowest(meld.Cards);
    switch (meld.Kind) {
    case Shape::Empty:
        return AllCards;
    case Shape::Single:
        return ((RankMask(RankOfBit(low)) & ~low) | (low << 1) | (low >> 1)) & AllCards;
    case Shape::Set:
        return TakenBy(0, RankMask(RankOfBit(low))) & ~meld.Cards;
    case Shape::Run:
        return TakenBy(meld.Cards, 0);
    }
    return 0;
}

Meld With(const Meld& meld, int card) {
    const Mask bit = Bit(card);
    switch (meld.Kind) {
    case Shape::Empty:
        return {bit, Shape::Single};
    case Shape::Single:
        return {meld.Cards | bit, ShapeOf(meld.Cards | bit)};
    default:
        return {meld.Cards | bit, meld.Kind};
    }
}

Shape ShapeOf(Mask cards) {
    const int count = Count(cards);
    if (count == 0) return Shape::Empty;
    if (count == 1) return Shape::Single;
    return (cards & ~RankMask(RankOfBit(Lowest(cards)))) == 0 ? Shape::Set : Shape::Run;
}

bool IsMeld(Mask cards) {
    if ((cards & ~AllCards) != 0) return false;
    switch (ShapeOf(cards)) {
    case Shape::Run: {
        // One suit, no gap: the cards shifted down to bit 0 are all ones.
        const Mask run = cards >> std::countr_zero(cards);
        return (run & (run + 1)) == 0;
    }
    default:
        return true;
    }
}

int Points(Mask hand) {
    constexpr Mask R1 = RanksWith(1), R2 = RanksWith(2), R4 = RanksWith(4), R8 = RanksWith(8);
    return Count(hand & R1) + 2 * Count(hand & R2) + 4 * Count(hand & R4) + 8 * Count(hand & R8);
}

int16_t AddPoints(int16_t score, int points) {
    const long long sum = static_cast<long long>(score) + points;
    if (sum > std::numeric_limits<int16_t>::max()) return std::numeric_limits<int16_t>::max();
    if (sum < std::numeric_limits<int16_t>::min()) return std::numeric_limits<int16_t>::min();
    return static_cast<int16_t>(sum);
}

Settlement Settle(int16_t winnerScore, int16_t loserScore, int target, Mask loserHand) {
    Settlement s;
    s.Points = Points(loserHand);
    s.WinnerScore = AddPoints(winnerScore, s.Points);
    s.GameWon = WinsGame(s.WinnerScore, loserScore, target);
    return s;
}

} // namespace Rules
