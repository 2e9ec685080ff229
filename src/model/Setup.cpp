// A position dealt from a shuffled pack, and two positions held side by side:
// the same play, and every card in one place.
#include "Position.h"

#include <algorithm>

namespace Model {

namespace {

Mask StockSet(const Position& p) {
    Mask m = 0;
    for (int i = 0; i < p.StockCount; ++i)
        m |= Rules::Bit(p.Stock[i]);
    return m;
}

} // namespace

Position Deal(const uint8_t (&pack)[52], Side dealer, int16_t playerScore, int16_t dorvilScore,
              int16_t target) {
    Position p;
    const Side first = Other(dealer);
    for (int i = 0; i < 20; ++i)
        p.Held[i % 2 == 0 ? first : dealer] |= Rules::Bit(pack[i]);
    p.Face = pack[20];
    p.StockCount = 31;
    for (int i = 0; i < 31; ++i)
        p.Stock[i] = pack[51 - i];
    p.ToMove = first;
    p.Score[Player] = playerScore;
    p.Score[Dorvil] = dorvilScore;
    p.Target = target;
    return p;
}

bool Position::SamePlay(const Position& o) const {
    return Held[0] == o.Held[0] && Held[1] == o.Held[1] &&
           std::equal(Columns, Columns + 6, o.Columns) &&
           std::equal(Shapes, Shapes + 6, o.Shapes) && StockCount == o.StockCount &&
           StockSet(*this) == StockSet(o) && PileCount == o.PileCount &&
           std::equal(Pile, Pile + PileCount, o.Pile) && Face == o.Face && ToMove == o.ToMove &&
           Drawn == o.Drawn && Open == o.Open && MadeMeld[0] == o.MadeMeld[0] &&
           MadeMeld[1] == o.MadeMeld[1] && Rebuilds == o.Rebuilds && DorvilTook == o.DorvilTook &&
           Turns == o.Turns && Score[0] == o.Score[0] && Score[1] == o.Score[1] &&
           Target == o.Target && End == o.End && (End != Ending::Out || Winner == o.Winner);
}

bool Position::Whole() const {
    Mask seen = 0;
    bool twice = false;
    auto place = [&](Mask m) {
        twice = twice || (seen & m) != 0 || (m & ~Rules::AllCards) != 0;
        seen |= m;
    };
    place(Held[0]);
    place(Held[1]);
    for (int c = 1; c <= 6; ++c) {
        const Rules::Meld meld = MeldIn(c);
        place(meld.Cards);
        if (!Rules::IsMeld(meld.Cards) || Rules::ShapeOf(meld.Cards) != meld.Kind) return false;
        if (meld.Open() != (Open == c)) return false;
    }
    for (int i = 0; i < StockCount; ++i)
        place(Rules::IsCard(Stock[i]) ? Rules::Bit(Stock[i]) : ~Mask{0});
    for (int i = 0; i < PileCount; ++i)
        place(Rules::IsCard(Pile[i]) ? Rules::Bit(Pile[i]) : ~Mask{0});
    if (Face) place(Rules::IsCard(Face) ? Rules::Bit(Face) : ~Mask{0});
    return !twice && seen == Rules::AllCards;
}

} // namespace Model
