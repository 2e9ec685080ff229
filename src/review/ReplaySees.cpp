// A side's view at a moment of a kept hand.
#include "ReplaySees.h"

#include <algorithm>

namespace Review {

Sharp::SideSees SeenAt(const KeptHand& h, const std::vector<Model::Position>& steps, int step,
                       Model::Side side) {
    Sharp::SideSees s;
    const Model::Position& p = steps[size_t(step)];
    const Model::Side rival = Model::Other(side);
    for (Rules::Mask m = p.Held[side]; m; m &= m - 1)
        s.Hand.push_back(Rules::CardOfBit(Rules::Lowest(m)));
    for (int c = 1; c <= 6; ++c) {
        Sharp::ColumnSeen& col = s.Columns[size_t(c - 1)];
        const Rules::Meld meld = p.MeldIn(c);
        for (Rules::Mask m = meld.Cards; m; m &= m - 1)
            col.Cards.push_back(Rules::CardOfBit(Rules::Lowest(m)));
        col.Done = meld.Complete();
        col.IsSet = meld.Kind == Rules::Shape::Set;
        col.IsRun = meld.Kind == Rules::Shape::Run;
    }
    // The pile replayed as the table's record would have it: the deal's face
    // card at the bottom, each discard on top, a take lifting a card off, a
    // rebuild gathering all but the top card into the stock.
    std::vector<Sharp::PileCard> pile{{h.Dealt().Face, false}};
    auto lift = [&](int n) {
        std::erase_if(pile, [n](const Sharp::PileCard& c) { return c.Card == n; });
    };
    int tookThisTurn = 0;
    for (int i = 0; i < step; ++i) {
        const Model::Position& before = steps[size_t(i)];
        const Model::Move& m = h.Moves[size_t(i)];
        const bool byRival = before.ToMove == rival;
        switch (m.What) {
        case Model::Move::TakeFace:
            lift(m.Card);
            if (byRival) s.RivalTook.push_back(m.Card);
            tookThisTurn = byRival ? 0 : m.Card;
            break;
        case Model::Move::DrawStock:
            if (byRival && !pile.empty()) s.RivalPassed.push_back(pile.back().Card);
            tookThisTurn = 0;
            break;
        case Model::Move::TakeBack:
            if (byRival)
                for (Rules::Mask c = before.Columns[before.Open - 1]; c; c &= c - 1)
                    s.RivalTook.push_back(Rules::CardOfBit(Rules::Lowest(c)));
            break;
        case Model::Move::Discard:
            lift(m.Card);
            pile.push_back({m.Card, before.ToMove == Model::Dorvil});
            if (byRival) s.RivalDiscards.push_back(m.Card);
            if (byRival && before.Open)
                for (Rules::Mask c = before.Columns[before.Open - 1]; c; c &= c - 1)
                    s.RivalTook.push_back(Rules::CardOfBit(Rules::Lowest(c)));
            break;
        default:
            break;
        }
        if (steps[size_t(i + 1)].Rebuilds > before.Rebuilds) {
            for (size_t k = 0; k + 1 < pile.size(); ++k)
                s.Restocked.push_back(pile[k].Card);
            if (!pile.empty()) pile.erase(pile.begin(), pile.end() - 1);
        }
    }
    Rules::Mask onPile = p.Face ? Rules::Bit(p.Face) : 0;
    for (int i = 0; i < p.PileCount; ++i)
        onPile |= Rules::Bit(p.Pile[i]);
    for (const Sharp::PileCard& c : pile)
        if ((onPile & Rules::Bit(c.Card)) && c.Card != p.Face) s.Pile.push_back(c);
    if (p.Face) {
        auto top = std::find_if(pile.begin(), pile.end(),
                                [&](const Sharp::PileCard& c) { return c.Card == p.Face; });
        s.Pile.push_back({p.Face, top != pile.end() && top->ByDorvil});
    }
    s.TookFace = p.ToMove == side && p.Drawn ? tookThisTurn : 0;
    s.RivalCount = Rules::Count(p.Held[rival]);
    s.StockCount = p.StockCount;
    s.MadeMeld = p.MadeMeld[side];
    s.RivalMadeMeld = p.MadeMeld[rival];
    s.MyScore = p.Score[side];
    s.RivalScore = p.Score[rival];
    s.Target = p.Target;
    return s;
}

} // namespace Review
