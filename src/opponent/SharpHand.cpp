// Sharp Dorvil's weighing of a hand: what he knows of each card, every way of
// laying his hand, and the expected cost of the cards he keeps.
#include "SharpHand.h"

#include "Rules.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Sharp {

namespace {

// The weights of his judgement, measured by self-play against the greedy and
// the random player.
constexpr double Base = 3.0;           // any card still to be got rid of
constexpr double Alpha = 1.0;          // a point of rank kept in the hand
constexpr double Pending = 0.7;        // chance a card that fits the table is laid off in time
constexpr double Horizon0 = 2.0;       // draws he expects before the hand ends ...
constexpr double Horizon1 = 0.4;       // ... and more for each card his rival holds
constexpr double RiskK = 3.0;          // how the rival's short hand raises the price of points
constexpr double DangerMeld = 12;      // a discard the rival can use at once
constexpr double GoingOut = -100;      // going out beats every hand that is kept
constexpr double DiscardPenalty = 0.5; // a rival's hand keeping cards near a discard of his
constexpr double PassPenalty = 0.3;    // ... that could use a face card he left
constexpr double MeldPenalty = 0.3;    // ... holding a meld it could have laid
constexpr double LonePenalty = 0.3;    // ... keeping a lone king after several turns
constexpr double ShedTurns = 4;        // turns after which a rival has shed his lone cards
constexpr int Samples = 256;           // hands of the rival's he imagines
constexpr double ColumnCost = 0.5;     // a column taken by a new meld
constexpr long MaxWork = 2000000;      // cards of the hands weighed for one turn, at the most

// Cards the table takes now and after one more card, given its complete runs
// and the ranks laid as sets.
void Fits(Mask runs, Mask setRanks, Mask laid, Mask& now, Mask& next) {
    now = Rules::TakenBy(runs, setRanks) & ~laid;
    next = ((runs << 2) | (runs >> 2)) & AllCards & ~laid & ~now;
}

Mask SuitLane(Mask single) {
    return Mask{0xFFFF} << (std::countr_zero(single) / 16 * 16);
}

bool IsSet(Mask meld) {
    return Rules::ShapeOf(meld) == Rules::Shape::Set;
}

// Every way of laying the hand, each ending with its best discard.
class Search {
  public:
    Search(const Outlook& o, Mask keep, long* budget) : O(o), Keep(keep), Budget(budget) {
        Result.Value = std::numeric_limits<double>::infinity();
    }
    TurnValue Run(Mask hand) {
        Go(hand);
        return Result;
    }

  private:
    const Outlook& O;
    Mask Keep;
    long* Budget;
    TurnValue Result;
    Play Now;

    void Go(Mask rest) {
        if (Result.Spent) return;
        if (!rest) {
            Leaf();
            return;
        }
        const Mask c = Lowest(rest);
        Now.Left |= c;
        Go(rest & ~c);
        Now.Left &= ~c;
        const int rank = RankOfBit(c);
        if (static_cast<int>(Now.NewMelds.size()) < O.FreeColumns) {
            const Mask others = rest & RankMask(rank) & ~c;
            if (Count(others) >= 2)
                for (Mask sub = others; sub; sub = (sub - 1) & others)
                    if (Count(sub) >= 2) Meld(c | sub, rest);
            Mask run = c;
            for (Mask top = c << 1; rest & top; top <<= 1) {
                run |= top;
                if (Count(run) >= 3) Meld(run, rest);
            }
        }
        // A meld takes c, or a run the chain that runs from c to its end.
        for (const Anchor& a : O.Anchors) {
            if (a.IsSet) {
                if (a.Takes & c) LayOff(a.Column, c, rest);
                continue;
            }
            const Mask under = a.Takes & (Lowest(a.Cards) - 1);
            if (under && (c & SuitLane(under)) && c <= under) {
                const Mask chain = (under << 1) - c; // every card from c up to the run
                if ((rest & chain) == chain) LayOff(a.Column, chain, rest);
            }
            if ((a.Takes & c) && c > a.Cards) {
                Mask chain = c;
                LayOff(a.Column, chain, rest);
                for (Mask top = c << 1; rest & top; top <<= 1) {
                    chain |= top;
                    LayOff(a.Column, chain, rest);
                }
            }
        }
    }

    void Meld(Mask meld, Mask rest) {
        Now.NewMelds.push_back(meld);
        Go(rest & ~meld);
        Now.NewMelds.pop_back();
    }

    void LayOff(int column, Mask chain, Mask rest) {
        Now.LayOffs.emplace_back(column, chain);
        Go(rest & ~chain);
        Now.LayOffs.pop_back();
    }

    void Leaf() {
        if (!Now.LayOffs.empty() && !O.MayLayOff && Now.NewMelds.empty()) return;
        Mask runs = O.TableRuns, sets = O.SetRanks, laid = O.Table;
        for (Mask m : Now.NewMelds) {
            laid |= m;
            if (IsSet(m))
                sets |= RankMask(RankOfBit(Lowest(m)));
            else
                runs |= m;
        }
        for (const auto& [column, chain] : Now.LayOffs) {
            laid |= chain;
            for (const Anchor& a : O.Anchors)
                if (a.Column == column && !a.IsSet) runs |= chain;
        }
        Fits(runs, sets, laid, Now.FitNow, Now.FitNext);
        const Mask left = Now.Left;
        // Columns are few and shared: of two equal ways, the one that takes fewer.
        const double columns = ColumnCost * static_cast<double>(Now.NewMelds.size());
        if (Count(left) <= 1) {
            Consider(GoingOut, left);
            return;
        }
        if (Budget && (*Budget -= Count(left)) < 0) {
            Result.Spent = true;
            return;
        }
        for (Mask rest = left; rest; rest &= rest - 1) {
            const Mask d = Lowest(rest);
            if (d == Keep) continue;
            Consider(Leftover(left & ~d, Now, O) + Danger(d, O) + columns, d);
        }
    }

    void Consider(double value, Mask discard) {
        if (value >= Result.Value) return;
        Result.Value = value;
        Result.Best = Now;
        Result.Discard = discard;
    }
};

} // namespace

Mask MaskOf(const std::vector<int>& cards) {
    Mask m = 0;
    for (int n : cards)
        m |= Bit(n);
    return m;
}

namespace {

Mask Near(Mask card) {
    return (RankMask(RankOfBit(card)) | (card << 1) | (card >> 1) | (card << 2) | (card >> 2)) &
           AllCards & ~card;
}

using Rules::Completes;
using Rules::RanksHeld;

bool HoldsMeld(Mask hand) {
    return RanksHeld(hand, true) || (hand & (hand >> 1) & (hand >> 2));
}

// A generator seeded from what he sees, so that the same table always gives
// the same choice.
uint64_t Seed(const SideSees& s) {
    uint64_t h = 0x9E3779B97F4A7C15ull;
    auto mix = [&](uint64_t v) { h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2); };
    for (int n : s.Hand)
        mix(static_cast<uint64_t>(n));
    for (const PileCard& p : s.Pile)
        mix(static_cast<uint64_t>(p.Card) << 8);
    mix(static_cast<uint64_t>(s.RivalCount) << 16 | static_cast<uint64_t>(s.StockCount));
    return h;
}

uint64_t Next(uint64_t& state) {
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// Hands his rival may hold, drawn from the cards he cannot place and weighed
// by how well they agree with the rival's play: players lay the melds they
// hold, rarely discard next to what they keep, and take a face card that
// completes a meld of theirs. From them: the chance that the rival holds
// each card, and that the rival can use each card.
void SampleHands(const SideSees& s, Outlook& o, Mask pool, int unknown) {
    int bits[64];
    int n = 0;
    for (Mask m = pool; m; m &= m - 1)
        bits[n++] = std::countr_zero(m);
    Mask discards[64], passed[64];
    int nd = 0, np = 0;
    for (int c : s.RivalDiscards)
        if (nd < 64) discards[nd++] = Near(Bit(c));
    for (int c : s.RivalPassed)
        if (np < 64) passed[np++] = Bit(c);
    const Mask fits = o.RivalMayLayOff ? o.FitNow : 0;
    double held[64] = {}, use[64] = {}, total = 0;
    double lonely[14];
    const double shed = std::min(1.0, nd / ShedTurns);
    for (int r = 1; r <= 13; ++r)
        lonely[r] = std::pow(LonePenalty, shed * r / 13.0);
    uint64_t state = Seed(s);
    for (int k = 0; k < Samples; ++k) {
        Mask hand = o.RivalHolds;
        for (int i = 0; i < unknown; ++i) {
            const int j = i + static_cast<int>(Next(state) % static_cast<uint64_t>(n - i));
            std::swap(bits[i], bits[j]);
            hand |= Mask{1} << bits[i];
        }
        const Mask usable = Completes(hand) | fits;
        double w = HoldsMeld(hand) ? MeldPenalty : 1.0;
        // A rival who has had turns to shed cards keeps few lone high ones.
        for (Mask m = hand & ~o.RivalHolds; m; m &= m - 1) {
            const Mask c = Lowest(m);
            if (!(hand & Near(c))) w *= lonely[RankOfBit(c)];
        }
        for (int i = 0; i < np; ++i)
            if (usable & passed[i]) w *= PassPenalty;
        for (int i = 0; i < nd; ++i)
            if (hand & discards[i]) w *= DiscardPenalty;
        total += w;
        for (Mask m = hand; m; m &= m - 1)
            held[std::countr_zero(m)] += w;
        for (Mask m = usable; m; m &= m - 1)
            use[std::countr_zero(m)] += w;
    }
    for (int b = 0; b < 64; ++b) {
        o.Hold[b] = held[b] / total;
        o.Use[b] = use[b] / total;
    }
}

} // namespace

Outlook Look(const SideSees& s) {
    Outlook o;
    o.Mine = MaskOf(s.Hand);
    for (int c = 1; c <= 6; ++c) {
        const ColumnSeen& col = s.Columns[static_cast<size_t>(c - 1)];
        const Mask cards = MaskOf(col.Cards);
        o.Table |= cards;
        if (col.Cards.empty()) ++o.FreeColumns;
        if (!col.Done) continue;
        if (col.IsSet) o.SetRanks |= RankMask(RankOf(col.Cards.front()));
        if (col.IsRun) o.TableRuns |= cards;
        const Rules::Meld meld{cards, col.IsSet ? Rules::Shape::Set : Rules::Shape::Run};
        o.Anchors.push_back(Anchor{c, col.IsSet, cards, Rules::Takes(meld)});
    }
    for (const PileCard& p : s.Pile)
        o.Pile |= Bit(p.Card);
    const Mask located = o.Mine | o.Table | o.Pile;
    o.RivalHolds = MaskOf(s.RivalTook) & ~located;
    Mask pool = AllCards & ~located & ~o.RivalHolds;
    // Once the stock has been rebuilt from the pile, whatever he has never
    // seen can only be in his rival's hand.
    if (!s.Restocked.empty()) {
        const Mask never = pool & ~MaskOf(s.Restocked);
        if (Count(o.RivalHolds | never) <= s.RivalCount) {
            o.RivalHolds |= never;
            pool &= ~never;
        }
    }
    o.Live = pool;
    const int unknown = std::max(0, s.RivalCount - Count(o.RivalHolds));
    Fits(o.TableRuns, o.SetRanks, o.Table, o.FitNow, o.FitNext);
    o.RivalMayLayOff = s.RivalMadeMeld;
    if (pool && unknown > 0 && unknown <= Count(pool)) {
        SampleHands(s, o, pool, unknown);
    } else {
        for (Mask m = o.RivalHolds; m; m &= m - 1)
            o.Hold[std::countr_zero(m)] = 1.0;
        for (Mask m = Completes(o.RivalHolds) | (o.RivalMayLayOff ? o.FitNow : 0); m; m &= m - 1)
            o.Use[std::countr_zero(m)] = 1.0;
    }
    const double draw =
        s.StockCount > 0 ? std::min(1.0, (Horizon0 + Horizon1 * s.RivalCount) / s.StockCount) : 0;
    double reach = 0;
    for (Mask m = pool; m; m &= m - 1) {
        const int b = std::countr_zero(m);
        o.Miss[b] = 1.0 - (1.0 - o.Hold[b]) * draw;
        reach += 1.0 - o.Miss[b];
    }
    reach = pool ? reach / Count(pool) : 0;
    for (int n = 0; n < 40; ++n)
        o.MissPair[n] = std::pow(1.0 - reach * reach, n);
    o.Risk = 1.0 + RiskK / std::max(1, s.RivalCount - 1);
    o.MayLayOff = s.MadeMeld;
    return o;
}

double Leftover(Mask left, const Play& play, const Outlook& o) {
    // With every column taken, a card can only ever be laid off.
    const bool columnFree = o.FreeColumns > static_cast<int>(play.NewMelds.size());
    double cost = 0;
    for (Mask rest = left; rest; rest &= rest - 1) {
        const Mask c = Lowest(rest);
        const int rank = RankOfBit(c);
        const Mask partners = columnFree ? left & ~c : 0;
        const Mask up1 = c << 1, dn1 = c >> 1, up2 = c << 2, dn2 = c >> 2;
        Mask completing = 0;
        if (partners & RankMask(rank)) completing |= RankMask(rank);
        if (partners & up1) completing |= dn1 | up2;
        if (partners & dn1) completing |= up1 | dn2;
        if (partners & up2) completing |= up1;
        if (partners & dn2) completing |= dn1;
        if (c & play.FitNext) completing |= (up1 | dn1) & play.FitNow;
        completing &= o.Live;
        double q;
        if (c & play.FitNow) {
            q = Pending;
        } else if (completing) {
            double miss = 1.0;
            for (Mask m = completing; m; m &= m - 1)
                miss *= o.Miss[std::countr_zero(m)];
            q = 1.0 - miss;
        } else if (!columnFree) {
            q = 0;
        } else {
            // A lone card: two more cards make a meld of it.
            const int same = Count(o.Live & RankMask(rank));
            int pairs = same * (same - 1) / 2;
            pairs += ((dn2 & o.Live) && (dn1 & o.Live)) + ((dn1 & o.Live) && (up1 & o.Live)) +
                     ((up1 & o.Live) && (up2 & o.Live));
            q = 1.0 - o.MissPair[pairs];
        }
        cost += (1.0 - q) * (Base + Alpha * rank * o.Risk);
    }
    return cost;
}

double Danger(Mask card, const Outlook& o) {
    return DangerMeld * o.Use[std::countr_zero(card)];
}

TurnValue BestTurn(Mask hand, const Outlook& o, Mask keep, long* budget) {
    // No hand of a real turn comes near this much work; a hand of thirty
    // cards, as a scenario may deal, would search for seconds.
    long cap = MaxWork;
    return Search(o, keep, budget ? budget : &cap).Run(hand);
}

} // namespace Sharp
