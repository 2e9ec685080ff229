// The weighing of candidates over sampled deals of the unseen cards.
#include "Expert.h"

#include "HandModel.h"
#include "SharpHand.h"

#include <algorithm>

namespace Expert {

namespace {

using Model::Position;
using Model::Side;

// Deals the unseen cards of a view: the rival's known cards stay with him,
// the rest are shuffled between his hand and the stock.
struct Dealer {
    Position Base;
    Side Rival = Model::Player;
    Rules::Mask Known = 0;
    uint8_t Free[52] = {};
    int FreeCount = 0;
    int RivalDrawn = 0; // cards of his hand that are not known
    bool ShuffleHidden = true;

    void Deal(Position& p, Model::Rng& rng) {
        p = Base;
        if (!ShuffleHidden) {
            p.ShuffleStock(rng.Next());
            return;
        }
        for (int i = FreeCount - 1; i > 0; --i)
            std::swap(Free[i], Free[rng.Below(i + 1)]);
        Rules::Mask hand = Known;
        for (int i = 0; i < RivalDrawn; ++i)
            hand |= Rules::Bit(Free[i]);
        p.Held[Rival] = hand;
        p.StockCount = 0;
        for (int i = RivalDrawn; i < FreeCount; ++i)
            p.Stock[p.StockCount++] = Free[i];
    }
};

bool Play(Position& p, const Candidate& c) {
    for (int i = 0; i < c.Count; ++i) {
        if (!p.IsLegal(c.Steps[i])) return false;
        p.Apply(c.Steps[i]);
    }
    return c.Count > 0;
}

std::vector<Worth> Run(Dealer& dealer, std::span<const Candidate> candidates, const Effort& e) {
    std::vector<Worth> worth(candidates.size());
    const Side me = dealer.Base.ToMove;
    const Model::Policy player = me == Model::Player ? e.Mine : e.Rivals;
    const Model::Policy dorvil = me == Model::Dorvil ? e.Mine : e.Rivals;
    Model::Rng deals{e.Seed};
    Position dealt, p;
    for (int d = 0; d < e.Deals; ++d) {
        dealer.Deal(dealt, deals);
        const uint64_t playSeed = deals.Next();
        for (size_t i = 0; i < candidates.size(); ++i) {
            p = dealt;
            if (!Play(p, candidates[i])) continue;
            Model::Rng rng{playSeed};
            const Position::Result r = Model::Playout(p, player, dorvil, rng);
            Worth& w = worth[i];
            ++w.Deals;
            if (r.End != Model::Ending::Out) continue;
            const bool mine = r.Winner == me;
            w.Points += mine ? r.Points : -r.Points;
            (mine ? w.GameWon : w.GameLost) += r.GameWon;
        }
    }
    for (Worth& w : worth)
        if (w.Deals) {
            w.Points /= w.Deals;
            w.GameWon /= w.Deals;
            w.GameLost /= w.Deals;
        }
    return worth;
}

} // namespace

namespace {

// The unseen cards of a view, and the dealer's first filling of them.
bool Prepare(const Sharp::SideSees& sees, bool dorvil, bool drawn, Dealer& dealer) {
    const Rules::Mask unseen = UnseenCards(sees);
    dealer.Known = Sharp::MaskOf(sees.RivalTook) & unseen;
    const int known = Rules::Count(dealer.Known);
    if (known > sees.RivalCount || Rules::Count(unseen) != sees.RivalCount + sees.StockCount)
        return false;
    for (Rules::Mask m = unseen & ~dealer.Known; m; m &= m - 1)
        dealer.Free[dealer.FreeCount++] = static_cast<uint8_t>(Rules::CardOfBit(Rules::Lowest(m)));
    dealer.RivalDrawn = sees.RivalCount - known;
    // Any one filling of the unseen cards gives the rest of the position.
    Rules::Mask hand = dealer.Known;
    for (int i = 0; i < dealer.RivalDrawn; ++i)
        hand |= Rules::Bit(dealer.Free[i]);
    const std::span<const uint8_t> stock(dealer.Free + dealer.RivalDrawn,
                                         static_cast<size_t>(sees.StockCount));
    const std::optional<Position> base = ModelSeenFrom(sees, dorvil, drawn, hand, stock);
    if (!base) return false;
    dealer.Base = *base;
    dealer.Rival = Model::Other(base->ToMove);
    return true;
}

} // namespace

std::vector<Worth> Weigh(const Sharp::SideSees& sees, bool dorvil, bool drawn,
                         std::span<const Candidate> candidates, const Effort& effort) {
    Dealer dealer;
    if (!Prepare(sees, dorvil, drawn, dealer)) return {};
    return Run(dealer, candidates, effort);
}

std::optional<Position> Filled(const Sharp::SideSees& sees, bool dorvil, bool drawn) {
    Dealer dealer;
    if (!Prepare(sees, dorvil, drawn, dealer)) return std::nullopt;
    return dealer.Base;
}

std::vector<Worth> WeighKnown(const Position& position, std::span<const Candidate> candidates,
                              const Effort& effort) {
    Dealer dealer;
    dealer.Base = position;
    dealer.ShuffleHidden = false;
    return Run(dealer, candidates, effort);
}

} // namespace Expert
