// Sharp Dorvil's three choices of a turn: the face card or the stock, what to
// lay on the table, and what to discard. Each weighs whole turns: every way
// of laying the hand, followed by the discard that leaves the least to fear.
#include "SharpHand.h"

#include <algorithm>
#include <limits>

namespace Sharp {

namespace {

constexpr double TakeMargin = 1.0; // taking the face card shows the rival what he collects
constexpr size_t LookAhead = 3;    // discards weighed against every card he may draw next
constexpr long Budget = 16000;     // cards of the hands weighed for one choice, at the most

// Cards that could matter to him: the ranks he holds, his neighbours in suit
// and what the table takes.
Mask Related(const Outlook& o) {
    Mask near = o.FitNow | o.FitNext;
    for (Mask rest = o.Mine; rest; rest &= rest - 1) {
        const Mask c = Lowest(rest);
        near |= RankMask(RankOfBit(c)) | (c << 1) | (c >> 1) | (c << 2) | (c >> 2);
    }
    return near & AllCards;
}

std::vector<int> Cards(Mask m) {
    std::vector<int> cards;
    for (; m; m &= m - 1)
        cards.push_back(CardAt(std::countr_zero(m)));
    return cards;
}

// A stock card is any card he has not seen, each as likely as the next: the
// value of his next turn, on average over them; none once the budget is spent.
std::optional<double> AfterNextDraw(Mask hand, const Outlook& o, long budget) {
    double sum = 0;
    int n = 0;
    for (Mask rest = o.Live; rest; rest &= rest - 1, ++n) {
        const TurnValue next = BestTurn(hand | Lowest(rest), o, 0, &budget);
        if (next.Spent) return std::nullopt;
        sum += next.Value;
    }
    return n ? sum / n : 0.0;
}

// Of the few discards that look best as the hand stands, the one that leaves
// the best hand after his next draw: what a card is worth shows best in what
// it can still become. A hand too rich to weigh so keeps the first choice.
Mask LookAheadDiscard(const Outlook& o, Mask keep, Mask first) {
    Play none;
    none.FitNow = o.FitNow;
    none.FitNext = o.FitNext;
    std::vector<std::pair<double, Mask>> ranked;
    for (Mask rest = o.Mine & ~keep; rest; rest &= rest - 1) {
        const Mask c = Lowest(rest);
        ranked.emplace_back(Leftover(o.Mine & ~c, none, o) + Danger(c, o), c);
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    if (ranked.size() > LookAhead) ranked.resize(LookAhead);
    Mask chosen = first;
    double best = std::numeric_limits<double>::infinity();
    for (const auto& [now, c] : ranked) {
        const std::optional<double> after = AfterNextDraw(o.Mine & ~c, o, Budget / LookAhead);
        if (!after) return first;
        const double value = Danger(c, o) + *after;
        if (value < best) best = value, chosen = c;
    }
    return chosen;
}

} // namespace

FaceWeighed WeighFaceCard(const SideSees& sees, const Outlook& o) {
    FaceWeighed weighed;
    const int face = sees.FaceCard();
    if (face == 0) return weighed;
    const Mask f = Bit(face);
    if (!(f & Related(o))) return weighed;
    const TurnValue take = BestTurn(o.Mine | f, o, f);
    weighed.With = take.Best;
    // When his hand is too rich to weigh every draw, the stock is judged as
    // no better than the hand he holds.
    const double stock = AfterNextDraw(o.Mine, o, Budget).value_or(BestTurn(o.Mine, o, 0).Value);
    weighed.Take = !o.Live || take.Value + TakeMargin < stock;
    return weighed;
}

bool TakesFaceCard(const SideSees& sees) {
    return sees.FaceCard() != 0 && WeighFaceCard(sees, Look(sees)).Take;
}

std::optional<MeldStep> FirstStep(const SideSees& sees, const Play& best) {
    if (!best.NewMelds.empty()) {
        std::vector<int> cards = Cards(best.NewMelds.front());
        cards.resize(3); // the rest follow as lay-offs once the meld is down
        int column = 1;
        while (!sees.Columns[static_cast<size_t>(column - 1)].Cards.empty())
            ++column;
        return MeldStep{column, cards};
    }
    if (!best.LayOffs.empty()) {
        const auto& [column, chain] = best.LayOffs.front();
        const Mask onTable = MaskOf(sees.Columns[static_cast<size_t>(column - 1)].Cards);
        // A chain below a run goes on from its top, one above from its bottom.
        const std::vector<int> cards = Cards(chain);
        return MeldStep{column, {chain < onTable ? cards.back() : cards.front()}};
    }
    return std::nullopt;
}

Mask KeptCard(const SideSees& sees) {
    return sees.TookFace ? Bit(sees.TookFace) : 0;
}

std::optional<MeldStep> NextMeldStep(const SideSees& sees) {
    const Outlook o = Look(sees);
    return FirstStep(sees, BestTurn(o.Mine, o, KeptCard(sees)).Best);
}

int ChooseDiscard(const Outlook& o, Mask keep, Mask best) {
    if (!o.Mine) return 0;
    Mask d = best;
    // Only a hand the table would take whole leaves no discard to weigh; that
    // hand is laid before he discards, so this is a safeguard.
    if (!d) d = (o.Mine & ~keep) ? Highest(o.Mine & ~keep) : o.Mine;
    if (Count(o.Mine) >= 2) d = LookAheadDiscard(o, keep, d);
    return CardAt(std::countr_zero(d));
}

int ChooseDiscard(const SideSees& sees) {
    const Outlook o = Look(sees);
    if (!o.Mine) return 0;
    const Mask keep = KeptCard(sees);
    return ChooseDiscard(o, keep, BestTurn(o.Mine, o, keep).Discard);
}

} // namespace Sharp
