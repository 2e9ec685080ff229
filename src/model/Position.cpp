// The moves of a hand on the model: which are open to the side to move, and
// what each does, turn by turn as the table plays them.
#include "Position.h"

#include <initializer_list>

namespace Model {

namespace {

using Rules::Bit;
using Rules::CardAt;

int FirstCard(Mask m) {
    return CardAt(std::countr_zero(m));
}

int Size(const Rules::Meld& m) {
    return m.Count();
}

// Dorvil's new melds of three from his hand, each as he lays it: the three
// cards in card order.
void AddMeldsOfThree(Mask held, int column, MoveList& out) {
    for (int rank = 1; rank <= 13; ++rank) {
        const Mask same = held & Rules::RankMask(rank);
        if (Rules::Count(same) < 3) continue;
        for (Mask left = same; left; left &= left - 1) {
            // Three of the rank: all of them, or all but one of four.
            const Mask three = Rules::Count(same) == 3 ? same : same & ~Rules::Lowest(left);
            Mask rest = three;
            const int a = FirstCard(rest);
            rest &= rest - 1;
            const int b = FirstCard(rest);
            rest &= rest - 1;
            out.Add({Move::Lay, uint8_t(a), uint8_t(b), uint8_t(FirstCard(rest)), uint8_t(column)});
            if (Rules::Count(same) == 3) break;
        }
    }
    for (Mask starts = held & (held >> 1) & (held >> 2); starts; starts &= starts - 1) {
        const int low = FirstCard(starts);
        out.Add({Move::Lay, uint8_t(low), uint8_t(low + 1), uint8_t(low + 2), uint8_t(column)});
    }
}

} // namespace

int Position::PileTop() const {
    if (Face) return Face;
    // With the face card gone the top card of the pile shows, and the
    // player's hand may take it; Dorvil takes only a face card.
    if (ToMove == Player && PileCount) return Pile[PileCount - 1];
    return 0;
}

void Position::Moves(MoveList& out) const {
    out.Size = 0;
    if (Over()) return;
    const Side side = ToMove;
    if (!Drawn) {
        if (const int top = PileTop()) out.Add({Move::TakeFace, uint8_t(top)});
        if (StockCount) out.Add({Move::DrawStock});
        if (side == Player && Rebuilds) out.Add({Move::CallDraw});
        return;
    }
    const Mask held = Held[side];
    int free = 0;
    for (int c = 6; c >= 1; --c)
        if (!Columns[c - 1]) free = c;
    if (side == Player && Open) {
        for (Mask m = held & Rules::Takes(MeldIn(Open)); m; m &= m - 1)
            out.Add({Move::Lay, uint8_t(FirstCard(m)), 0, 0, Open});
        out.Add({Move::TakeBack});
    } else {
        if (free && side == Player)
            for (Mask m = held; m; m &= m - 1)
                out.Add({Move::Lay, uint8_t(FirstCard(m)), 0, 0, uint8_t(free)});
        if (free && side == Dorvil) AddMeldsOfThree(held, free, out);
        if (Rules::MayLayOff(MadeMeld[side]))
            for (int c = 1; c <= 6; ++c) {
                const Rules::Meld meld = MeldIn(c);
                if (!meld.Complete()) continue;
                for (Mask m = held & Rules::Takes(meld); m; m &= m - 1)
                    out.Add({Move::Lay, uint8_t(FirstCard(m)), 0, 0, uint8_t(c)});
            }
    }
    for (Mask m = held; m; m &= m - 1)
        out.Add({Move::Discard, uint8_t(FirstCard(m))});
    if (side == Dorvil && DorvilTook && held == Bit(DorvilTook)) out.Add({Move::Pass});
    if (side == Player && Rebuilds) out.Add({Move::CallDraw});
}

bool Position::IsLegal(const Move& m) const {
    if (Over()) return false;
    const Side side = ToMove;
    const Mask held = Held[side];
    auto holds = [&](int card) { return Rules::IsCard(card) && (held & Bit(card)); };
    switch (m.What) {
    case Move::TakeFace:
        return !Drawn && m.Card != 0 && m.Card == PileTop();
    case Move::DrawStock:
        if (Drawn || !StockCount) return false;
        for (int i = 0; i < StockCount && m.Card; ++i)
            if (Stock[i] == m.Card) return true;
        return m.Card == 0;
    case Move::CallDraw:
        return side == Player && Rebuilds;
    case Move::TakeBack:
        return side == Player && Drawn && Open;
    case Move::Discard:
        return Drawn && holds(m.Card);
    case Move::Pass:
        return side == Dorvil && Drawn && DorvilTook && held == Bit(DorvilTook);
    case Move::Lay:
        break;
    }
    if (!Drawn || m.Column < 1 || m.Column > 6 || !holds(m.Card)) return false;
    Rules::Meld meld = MeldIn(m.Column);
    if (m.Card2 || m.Card3) {
        // Dorvil's new meld: three cards of his into a free column at once.
        if (side != Dorvil || meld.Kind != Rules::Shape::Empty) return false;
        for (int card : {m.Card, m.Card2, m.Card3}) {
            if (!holds(card) || !Rules::Joins(meld, card)) return false;
            meld = Rules::With(meld, card);
        }
        return true;
    }
    if (!Rules::MayLayIn(m.Column, Open)) return false;
    if (!Rules::Joins(meld, m.Card)) return false;
    if (meld.Complete()) return Rules::MayLayOff(MadeMeld[side]);
    // Only the player builds a meld card by card; Dorvil lays three at once.
    return side == Player;
}

void Position::Apply(const Move& m) {
    if (Over()) return;
    const Side side = ToMove;
    switch (m.What) {
    case Move::TakeFace:
        TakeFromPile(m.Card ? m.Card : PileTop());
        return;
    case Move::DrawStock:
        DrawFromStock(m.Card);
        return;
    case Move::Lay:
        LayOne(m.Card, m.Column);
        if (m.Card2) LayOne(m.Card2, m.Column);
        if (m.Card3) LayOne(m.Card3, m.Column);
        if (!Held[side] && !Open) GoOut(side);
        return;
    case Move::TakeBack:
        if (!Open) return;
        Held[side] |= Columns[Open - 1];
        Columns[Open - 1] = 0;
        Shapes[Open - 1] = Rules::Shape::Empty;
        Open = 0;
        return;
    case Move::Discard:
        Held[side] &= ~Bit(m.Card);
        if (Face) Pile[PileCount++] = Face;
        Face = m.Card;
        // The player's open meld comes back into the hand after the discard.
        if (Open) Apply({Move::TakeBack});
        if (!Held[side])
            GoOut(side);
        else
            EndTurn();
        return;
    case Move::Pass:
        EndTurn();
        return;
    case Move::CallDraw:
        End = Ending::CalledDraw;
        return;
    }
}

void Position::LayOne(int card, int column) {
    const Rules::Meld before = MeldIn(column);
    const Rules::Meld after = Rules::With(before, card);
    Held[ToMove] &= ~Bit(card);
    Columns[column - 1] = after.Cards;
    Shapes[column - 1] = after.Kind;
    if (Size(after) == 1) Open = uint8_t(column);
    if (Size(after) == 3 && Size(before) == 2) {
        MadeMeld[ToMove] = true;
        Open = 0;
    }
}

void Position::TakeFromPile(int card) {
    if (card == Face) {
        Face = 0;
    } else {
        int i = 0;
        while (i < PileCount && Pile[i] != card)
            ++i;
        if (i == PileCount) return;
        for (--PileCount; i < PileCount; ++i)
            Pile[i] = Pile[i + 1];
    }
    Held[ToMove] |= Bit(card);
    if (ToMove == Dorvil) DorvilTook = uint8_t(card);
    Drawn = true;
    ++Turns;
}

void Position::DrawFromStock(int card) {
    if (!StockCount) return;
    int i = StockCount - 1;
    if (card) {
        while (i >= 0 && Stock[i] != card)
            --i;
        if (i < 0) return;
        for (; i + 1 < StockCount; ++i)
            Stock[i] = Stock[i + 1];
    } else {
        card = Stock[i];
    }
    --StockCount;
    Held[ToMove] |= Bit(card);
    Drawn = true;
    ++Turns;
    if (!StockCount) Rebuild();
}

// The draw that empties the stock turns the pile over: all of it but the face
// card, in an order the table draws at random.
void Position::Rebuild() {
    Rng shuffle{Shuffle};
    for (int i = 0; i < PileCount; ++i) {
        const int j = shuffle.Below(i + 1);
        Stock[i] = Stock[j];
        Stock[j] = Pile[i];
    }
    Shuffle = shuffle.State;
    StockCount = PileCount;
    PileCount = 0;
    if (Rebuilds < 255) ++Rebuilds;
}

void Position::EndTurn() {
    ToMove = Other(ToMove);
    Drawn = false;
    if (Turns >= TurnCap) {
        End = Ending::Stopped;
        return;
    }
    // Dorvil goes on without a card when there is none to take; the player
    // waits, and only a called draw ends the hand.
    if (!PileTop() && !StockCount) {
        if (ToMove == Dorvil)
            Drawn = true;
        else if (!Rebuilds)
            End = Ending::Stopped;
    }
}

void Position::GoOut(Side side) {
    End = Ending::Out;
    Winner = side;
}

Position::Result Position::Outcome() const {
    Result r;
    r.End = End;
    r.Winner = Winner;
    r.Score[Player] = Score[Player];
    r.Score[Dorvil] = Score[Dorvil];
    if (End == Ending::Out) {
        const Side w = Winner, l = Other(Winner);
        const Rules::Settlement s = Rules::Settle(Score[w], Score[l], Target, Held[l]);
        r.Points = s.Points;
        r.Score[w] = s.WinnerScore;
        r.GameWon = s.GameWon;
    } else if (End == Ending::CalledDraw) {
        r.Score[Player] = r.Score[Dorvil] = 0;
    }
    return r;
}

void Position::ShuffleStock(uint64_t seed) {
    Rng shuffle{seed};
    for (int i = StockCount - 1; i > 0; --i) {
        const int j = shuffle.Below(i + 1);
        const uint8_t card = Stock[i];
        Stock[i] = Stock[j];
        Stock[j] = card;
    }
}

} // namespace Model
