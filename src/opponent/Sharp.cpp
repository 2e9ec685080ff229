// Sharp Dorvil's three choices of a turn: the face card or the stock, what to
// lay on the table, and what to discard. Each weighs whole turns: every way
// of laying the hand, followed by the discard that leaves the least to fear.
#include "SharpHand.h"

namespace Sharp {

namespace {

constexpr double TakeMargin = 1.0; // taking the face card shows the player what he collects

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

} // namespace

bool TakesFaceCard(const DorvilSees& sees) {
    const int face = sees.FaceCard();
    if (face == 0) return false;
    const Outlook o = Look(sees);
    const Mask f = Bit(face);
    if (!(f & Related(o))) return false;
    const double take = BestTurn(o.Mine | f, o, f).Value;
    // A stock card is any card he has not seen, each as likely as the next.
    double sum = 0;
    int n = 0;
    for (Mask rest = o.Live; rest; rest &= rest - 1, ++n)
        sum += BestTurn(o.Mine | Lowest(rest), o, 0).Value;
    return n == 0 || take + TakeMargin < sum / n;
}

std::optional<MeldStep> NextMeldStep(const DorvilSees& sees) {
    const Outlook o = Look(sees);
    const Mask keep = sees.TookFace ? Bit(sees.TookFace) : 0;
    const Play best = BestTurn(o.Mine, o, keep).Best;
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

int ChooseDiscard(const DorvilSees& sees) {
    const Outlook o = Look(sees);
    if (!o.Mine) return 0;
    const Mask keep = sees.TookFace ? Bit(sees.TookFace) : 0;
    Mask d = BestTurn(o.Mine, o, keep).Discard;
    // Only a hand the table would take whole leaves no discard to weigh; that
    // hand is laid before he discards, so this is a safeguard.
    if (!d) d = (o.Mine & ~keep) ? Highest(o.Mine & ~keep) : o.Mine;
    return CardAt(std::countr_zero(d));
}

} // namespace Sharp
