// The hint's judgement: Sharp Dorvil's weighing of whole turns, from the
// player's chair, laid out card by card as the player lays cards, and held
// to the rules the table applies to the player's drops.
#include "Hint.h"

#include "Rules.h"
#include "SharpHand.h"

#include <algorithm>

namespace Hint {

namespace {

using Sharp::Mask;

std::vector<int> CardsOf(Mask m) {
    std::vector<int> cards;
    for (; m; m &= m - 1)
        cards.push_back(Sharp::CardAt(std::countr_zero(m)));
    return cards;
}

bool IsSet(Mask meld) {
    return Rules::ShapeOf(meld) == Rules::Shape::Set;
}

// The order in which the player lays a meld: the cards already in the column
// first; a set in any order; a run grows by one card at either end, so it
// goes up from its top and then down from its bottom.
std::vector<int> LayingOrder(Mask meld, Mask laid) {
    if (!laid || IsSet(meld)) {
        std::vector<int> order = CardsOf(laid);
        for (int n : CardsOf(meld & ~laid))
            order.push_back(n);
        return order;
    }
    std::vector<int> order = CardsOf(laid);
    for (Mask c = Sharp::Highest(laid) << 1; meld & c; c <<= 1)
        order.push_back(Sharp::CardAt(std::countr_zero(c)));
    for (Mask c = Sharp::Lowest(laid) >> 1; meld & c; c >>= 1)
        order.push_back(Sharp::CardAt(std::countr_zero(c)));
    return order;
}

// Whether the cards off the table can still make a meld of three.
bool MeldLeft(Mask off) {
    if (off & (off >> 1) & (off >> 2)) return true;
    for (int rank = 1; rank <= 13; ++rank)
        if (Sharp::Count(off & Sharp::RankMask(rank)) >= 3) return true;
    return false;
}

// No card can be laid any more by either side, so the hand could never end:
// the table takes no card still in play (or neither side has made the meld
// that a lay-off needs), and no new meld can be made: every column is taken,
// or both sides hold a single card (three are needed after a draw), or the
// cards off the table make no meld.
bool Locked(const Sharp::Outlook& o, const Sharp::SideSees& s) {
    if (o.FitNow != 0 && (s.MadeMeld || s.RivalMadeMeld)) return false;
    return o.FreeColumns == 0 || (s.Hand.size() <= 1 && s.RivalCount <= 1) ||
           !MeldLeft(Sharp::AllCards & ~o.Table);
}

// Rebuilt this often, a stock has been drawn through again and again by a
// hand that will not end.
constexpr int LongHand = 4;

Advice Of(Advice::Kind kind, Advice::Reason why = Advice::Plain, int card = 0, int column = 0,
          std::vector<int> meld = {}) {
    Advice a;
    a.What = kind;
    a.Why = why;
    a.Card = card;
    a.Column = column;
    a.Planned = std::move(meld);
    a.Text = Sentence(a);
    return a;
}

// Why the face card is worth taking: what the best turn with it makes of it.
Advice TakeFace(const PlayerSees& s, int face, const Sharp::Play& with) {
    const Mask f = Sharp::Bit(face);
    for (Mask meld : with.NewMelds)
        if (meld & f)
            return Of(Advice::TakeFace, IsSet(meld) ? Advice::CompletesSet : Advice::CompletesRun,
                      face);
    for (const auto& [column, chain] : with.LayOffs)
        if (chain & f) return Of(Advice::TakeFace, Advice::FitsTable, face, column);
    return Of(Advice::TakeFace, s.StockCount == 0 ? Advice::StockEmpty : Advice::NearMeld, face);
}

Advice Take(const PlayerSees& s) {
    const Sharp::Outlook o = Sharp::Look(s);
    if (s.CallDrawOpen && Locked(o, s)) return Of(Advice::CallDraw);
    if (s.CallDrawOpen && s.StockRebuilds >= LongHand) return Of(Advice::CallDraw, Advice::TooLong);
    const int face = s.FaceCard();
    if (face) {
        const Sharp::FaceWeighed weighed = Sharp::WeighFaceCard(s, o);
        if (weighed.Take || s.StockCount == 0) return TakeFace(s, face, weighed.With);
    }
    if (s.StockCount > 0) return Of(Advice::TakeStock);
    return s.CallDrawOpen ? Of(Advice::CallDraw) : Advice{};
}

// An open meld: the hint weighs the hand as if its cards were still in it,
// and goes on with the meld when the best turn makes one of them all.
Advice GoOn(const PlayerSees& s) {
    const int c = s.OpenColumn;
    Sharp::SideSees v = s;
    Sharp::ColumnSeen& open = v.Columns[static_cast<size_t>(c - 1)];
    const Mask laid = Sharp::MaskOf(open.Cards);
    v.Hand.insert(v.Hand.end(), open.Cards.begin(), open.Cards.end());
    std::sort(v.Hand.begin(), v.Hand.end());
    open = Sharp::ColumnSeen{};
    const Sharp::Outlook o = Sharp::Look(v);
    const Sharp::Play best = Sharp::BestTurn(o.Mine, o, Sharp::KeptCard(v)).Best;
    for (Mask meld : best.NewMelds) {
        if ((meld & laid) != laid) continue;
        const std::vector<int> order = LayingOrder(meld, laid);
        const size_t k = static_cast<size_t>(Sharp::Count(laid));
        if (k < order.size() && Accepts(s, order[k], c))
            return Of(Advice::Meld, k >= 2 ? Advice::Completes : Advice::GoesOn, order[k], c,
                      order);
    }
    return Of(Advice::TakeBack, Advice::Plain, 0, c);
}

Advice LayOrDiscard(const PlayerSees& s) {
    const Sharp::Outlook o = Sharp::Look(s);
    const Mask keep = Sharp::KeptCard(s);
    const Sharp::TurnValue turn = Sharp::BestTurn(o.Mine, o, keep);
    if (const std::optional<Sharp::MeldStep> step = Sharp::FirstStep(s, turn.Best)) {
        const int c = step->Column;
        // The whole meld, where Dorvil would lay its first three cards at once.
        const std::vector<int> order =
            turn.Best.NewMelds.empty() ? step->Cards : LayingOrder(turn.Best.NewMelds.front(), 0);
        if (Accepts(s, order.front(), c))
            return turn.Best.NewMelds.empty()
                       ? Of(Advice::LayOff, Advice::Plain, order.front(), c)
                       : Of(Advice::Meld, Advice::StartsMeld, order.front(), c, order);
    }
    if (s.Hand.empty()) return {};
    const int d = Sharp::ChooseDiscard(o, keep, turn.Discard);
    return Of(Advice::Discard, s.Hand.size() == 1 ? Advice::GoesOut : Advice::Plain, d);
}

} // namespace

Advice NextStep(const PlayerSees& s) {
    if (!s.MyTurn) return {};
    if (!s.HasDrawn) return Take(s);
    if (s.OpenColumn) return GoOn(s);
    return LayOrDiscard(s);
}

bool Accepts(const PlayerSees& s, int n, int c) {
    if (c < 1 || c > 6 || !std::binary_search(s.Hand.begin(), s.Hand.end(), n)) return false;
    for (int other = 1; other <= 6; ++other) {
        const Sharp::ColumnSeen& col = s.Columns[static_cast<size_t>(other - 1)];
        if (other != c && !col.Cards.empty() && !col.Done && !Rules::MayLayIn(c, other))
            return false;
    }
    const Sharp::ColumnSeen& col = s.Columns[static_cast<size_t>(c - 1)];
    const Rules::Meld meld = Rules::MeldOf(Sharp::MaskOf(col.Cards), col.IsSet, col.IsRun);
    return Rules::Joins(meld, n) && (!col.Done || Rules::MayLayOff(s.MadeMeld));
}

} // namespace Hint
