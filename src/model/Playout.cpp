// The random and the greedy policy, and the playout of a hand to its end.
#include "Playout.h"

namespace Model {

namespace {

using Rules::Bit;
using Rules::Count;
using Rules::Highest;
using Rules::Lowest;
using Rules::RankMask;

int CardOf(Mask single) {
    return Rules::CardOfBit(single);
}

using Rules::AllSuits;
using Rules::Completes;
using Rules::RanksHeld;

// The cards that complete columns take now.
Mask LayOffs(const Position& p) {
    Mask fits = 0;
    for (int c = 1; c <= 6; ++c) {
        const Rules::Meld meld = p.MeldIn(c);
        if (meld.Complete()) fits |= Rules::Takes(meld);
    }
    return fits;
}

// Of `cards`, the card of the highest rank (the highest suit among equals).
Mask HighestRank(Mask cards) {
    const Mask ranks = (cards | (cards >> 16) | (cards >> 32) | (cards >> 48)) & 0xFFFF;
    return Highest(cards & RankMask(Rules::RankOfBit(Highest(ranks))));
}

Mask WorstCard(Mask held) {
    const Mask near =
        (held << 1) | (held >> 1) | (held << 2) | (held >> 2) | AllSuits(RanksHeld(held, false));
    const Mask lone = held & ~near;
    return HighestRank(lone ? lone : held);
}

// The next card of the open meld: one after which the hand can still make it
// a meld of three; none when no card can.
Mask GoOn(const Rules::Meld& open, Mask held) {
    for (Mask m = held & Rules::Takes(open); m; m &= m - 1) {
        const Mask c = Lowest(m);
        const Rules::Meld next = Rules::With(open, CardOf(c));
        if (next.Complete() || (held & ~c & Rules::Takes(next))) return c;
    }
    return 0;
}

// A meld of three or more in the hand: its lowest three cards.
Mask MeldInHand(Mask held) {
    if (const Mask runs = held & (held >> 1) & (held >> 2)) {
        const Mask low = Lowest(runs);
        return low | (low << 1) | (low << 2);
    }
    if (const Mask sets = RanksHeld(held, true)) {
        Mask same = held & RankMask(Rules::RankOfBit(Lowest(sets)));
        if (Count(same) > 3) same &= ~Highest(same);
        return same;
    }
    return 0;
}

Move LayMeld(Mask meld, Side side, int column) {
    const int a = CardOf(Lowest(meld));
    if (side == Player) return {Move::Lay, uint8_t(a), 0, 0, uint8_t(column)};
    meld &= meld - 1;
    const int b = CardOf(Lowest(meld));
    meld &= meld - 1;
    return {Move::Lay, uint8_t(a), uint8_t(b), uint8_t(CardOf(meld)), uint8_t(column)};
}

} // namespace

Move RandomMove(const Position& p, Rng& rng) {
    MoveList moves;
    p.Moves(moves);
    // Call Draw comes last when it is offered.
    const bool draw = moves.Size > 0 && moves.Items[moves.Size - 1].What == Move::CallDraw;
    if (draw && moves.Size > 1) --moves.Size;
    if (moves.Size == 0) return {Move::Pass};
    return moves.Items[rng.Below(moves.Size)];
}

Move GreedyMove(const Position& p, Rng&) {
    const Side side = p.ToMove;
    const Mask held = p.Held[side];
    if (!p.Drawn) {
        const int top = p.PileTop();
        const Mask fits = Rules::MayLayOff(p.MadeMeld[side]) ? LayOffs(p) : 0;
        if (top && (!p.StockCount || ((Completes(held) | fits) & Bit(top))))
            return {Move::TakeFace, uint8_t(top)};
        if (p.StockCount) return {Move::DrawStock};
        return {Move::CallDraw};
    }
    if (p.Open) {
        if (const Mask c = GoOn(p.MeldIn(p.Open), held))
            return {Move::Lay, uint8_t(CardOf(c)), 0, 0, p.Open};
        return {Move::TakeBack};
    }
    int free = 0;
    for (int c = 6; c >= 1; --c)
        if (!p.Columns[c - 1]) free = c;
    if (free)
        if (const Mask meld = MeldInHand(held)) return LayMeld(meld, side, free);
    if (Rules::MayLayOff(p.MadeMeld[side]))
        for (int c = 1; c <= 6; ++c) {
            const Rules::Meld meld = p.MeldIn(c);
            if (!meld.Complete()) continue;
            if (const Mask fits = held & Rules::Takes(meld))
                return {Move::Lay, uint8_t(CardOf(Lowest(fits))), 0, 0, uint8_t(c)};
        }
    return {Move::Discard, uint8_t(CardOf(WorstCard(held)))};
}

Position::Result Playout(Position& p, Policy player, Policy dorvil, Rng& rng) {
    const int cap = p.Turns + PlayoutTurns;
    if (cap < p.TurnCap) p.TurnCap = static_cast<uint16_t>(cap);
    p.Shuffle = rng.Next();
    // A random player may lay and take back for a long while within a turn.
    constexpr int MaxMoves = 40 * PlayoutTurns;
    for (int moves = 0; !p.Over(); ++moves) {
        if (moves == MaxMoves) {
            p.End = Ending::Stopped;
            break;
        }
        p.Apply((p.ToMove == Player ? player : dorvil)(p, rng));
    }
    return p.Outcome();
}

} // namespace Model
