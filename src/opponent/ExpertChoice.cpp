// Expert Dorvil's choices at the table: the candidates open to him, each
// weighed over sampled deals, the best taken.
#include "Expert.h"

#include "Sharp.h"
#include "SharpHand.h"

#include <algorithm>

namespace Expert {

namespace {

using Model::Move;
using Model::Position;

// Deals weighed for each decision. Every candidate is played on each deal,
// so a decision costs deals times candidates playouts.
constexpr int DealsAtTable = 384;
// Points by which holding his melds back must beat laying them (NextMeldStep).
constexpr double HoldBack = 3;
// Points by which his best choice must beat Sharp's to be taken instead.
constexpr double ClearGain = 1;

uint64_t Mix(uint64_t h, uint64_t v) {
    h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    return h;
}

// The best of the candidates by their value; -1 when none could be weighed.
int Best(const std::vector<Worth>& worth, const Sharp::SideSees& sees) {
    int best = -1;
    for (size_t i = 0; i < worth.size(); ++i)
        if (worth[i].Deals &&
            (best < 0 || Value(worth[i], sees) > Value(worth[static_cast<size_t>(best)], sees)))
            best = static_cast<int>(i);
    return best;
}

// The best candidate; but Sharp's judgement (`fallback`, when given) stands
// unless the playouts find a clear gain over it: they play both sides by a
// simpler policy than either, and a small gain in them is often not one at
// the table.
int Choose(const Sharp::SideSees& sees, bool dorvil, bool drawn,
           const std::vector<Candidate>& candidates, int fallback = -1) {
    if (candidates.empty()) return -1;
    if (candidates.size() == 1) return 0;
    const std::vector<Worth> worth = Weigh(sees, dorvil, drawn, candidates, AtTable(sees));
    const int best = Best(worth, sees);
    if (best < 0 || fallback < 0 || !worth[static_cast<size_t>(fallback)].Deals) return best;
    const double gain = Value(worth[static_cast<size_t>(best)], sees) -
                        Value(worth[static_cast<size_t>(fallback)], sees);
    return gain > ClearGain ? best : fallback;
}

bool IsDiscard(const Candidate& c) {
    return c.Count == 1 && c.Steps[0].What == Move::Discard;
}

} // namespace

Effort AtTable(const Sharp::SideSees& s) {
    Effort e;
    e.Deals = DealsAtTable;
    uint64_t h = Sharp::MaskOf(s.Hand);
    for (const Sharp::ColumnSeen& col : s.Columns)
        h = Mix(h, Sharp::MaskOf(col.Cards));
    for (const Sharp::PileCard& card : s.Pile)
        h = Mix(h, static_cast<uint64_t>(card.Card));
    h = Mix(h, static_cast<uint64_t>(s.RivalCount * 64 + s.StockCount));
    h = Mix(h, static_cast<uint64_t>(s.MyScore * 1024 + s.RivalScore));
    e.Seed = h;
    return e;
}

// A game won is worth the points of a target's worth on top of the hand's:
// far from the target no hand wins the game and only the points count.
double Value(const Worth& w, const Sharp::SideSees& s) {
    return w.Points + s.Target * (w.GameWon - w.GameLost);
}

std::vector<Candidate> Open(const Sharp::SideSees& sees, bool dorvil, bool drawn) {
    std::vector<Candidate> open;
    const std::optional<Position> p = Filled(sees, dorvil, drawn);
    if (!p) return open;
    Model::MoveList moves;
    p->Moves(moves);
    const bool newMeldByCards = !dorvil && drawn && !p->Open;
    for (const Move& m : moves) {
        // A draw called ends the game with no score: not his to weigh.
        if (m.What == Move::CallDraw || m.What == Move::Pass) continue;
        if (newMeldByCards && m.What == Move::Lay && !p->Columns[m.Column - 1]) continue;
        open.emplace_back(m);
    }
    if (newMeldByCards) {
        // The player's new melds of three, as Dorvil's would be laid at once,
        // laid card by card.
        Position asDorvil = *p;
        asDorvil.ToMove = Model::Dorvil;
        asDorvil.Held[Model::Dorvil] = p->Held[Model::Player];
        asDorvil.DorvilTook = 0;
        asDorvil.MadeMeld[Model::Dorvil] = false;
        Model::MoveList melds;
        asDorvil.Moves(melds);
        for (const Move& m : melds) {
            if (m.What != Move::Lay || !m.Card2) continue;
            Candidate c;
            for (uint8_t card : {m.Card, m.Card2, m.Card3})
                c.Steps[c.Count++] = {Move::Lay, card, 0, 0, m.Column};
            open.push_back(c);
        }
    }
    return open;
}

bool TakesFaceCard(const Sharp::SideSees& sees, bool dorvil) {
    const std::vector<Candidate> open = Open(sees, dorvil, false);
    const bool sharp = Sharp::TakesFaceCard(sees);
    int fallback = -1;
    for (size_t i = 0; i < open.size(); ++i)
        if ((open[i].Steps[0].What == Move::TakeFace) == sharp) fallback = static_cast<int>(i);
    const int best = Choose(sees, dorvil, false, open, fallback);
    return best >= 0 && open[static_cast<size_t>(best)].Steps[0].What == Move::TakeFace;
}

std::optional<Sharp::MeldStep> NextMeldStep(const Sharp::SideSees& sees, bool dorvil) {
    const std::vector<Candidate> open = Open(sees, dorvil, true);
    if (open.empty()) return std::nullopt;
    const std::vector<Worth> worth = Weigh(sees, dorvil, true, open, AtTable(sees));
    // The playouts lay every meld at once after this turn: holding a meld
    // back looks better in them than it is, as he would weigh holding it
    // again at his next turn. So he holds back only for a clear gain.
    int lay = -1, rest = -1;
    for (size_t i = 0; i < worth.size(); ++i) {
        if (!worth[i].Deals) continue;
        int& best = open[i].Steps[0].What == Move::Lay ? lay : rest;
        if (best < 0 || Value(worth[i], sees) > Value(worth[static_cast<size_t>(best)], sees))
            best = static_cast<int>(i);
    }
    if (lay < 0) return std::nullopt;
    if (rest >= 0 && Value(worth[static_cast<size_t>(rest)], sees) >
                         Value(worth[static_cast<size_t>(lay)], sees) + HoldBack)
        return std::nullopt;
    const Candidate& c = open[static_cast<size_t>(lay)];
    Sharp::MeldStep step;
    step.Column = c.Steps[0].Column;
    for (int i = 0; i < c.Count; ++i)
        for (uint8_t card : {c.Steps[i].Card, c.Steps[i].Card2, c.Steps[i].Card3})
            if (card) step.Cards.push_back(card);
    return step;
}

int ChooseDiscard(const Sharp::SideSees& sees, bool dorvil) {
    std::vector<Candidate> open = Open(sees, dorvil, true);
    std::erase_if(open, [](const Candidate& c) { return !IsDiscard(c); });
    // The face card taken this turn is kept, as Sharp and Classic keep it:
    // thrown back it only passes the turn, and two sides that both did so
    // would hand it to and fro for ever (seen in self-play, Expert against
    // Expert's judgement).
    if (open.size() > 1 && sees.TookFace)
        std::erase_if(open, [&](const Candidate& c) { return c.Steps[0].Card == sees.TookFace; });
    const int sharp = Sharp::ChooseDiscard(sees);
    int fallback = -1;
    for (size_t i = 0; i < open.size(); ++i)
        if (open[i].Steps[0].Card == sharp) fallback = static_cast<int>(i);
    const int best = Choose(sees, dorvil, true, open, fallback);
    if (best >= 0) return open[static_cast<size_t>(best)].Steps[0].Card;
    return sees.Hand.empty() ? 0 : sees.Hand.back();
}

} // namespace Expert
