// Judging the player's decisions in a kept hand.
#include "Judgement.h"

#include "FrmMain.h"
#include "ReplaySees.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace Review {

namespace {

using Model::Move;
using Model::Position;

// The decisions open to the player in `p`: the two takes, or every new meld
// of three, every lay-off and every discard.
std::vector<Expert::Candidate> Open(const Position& p) {
    std::vector<Expert::Candidate> out;
    if (!p.Drawn) {
        if (p.PileTop()) out.emplace_back(Move{Move::TakeFace, uint8_t(p.PileTop())});
        if (p.StockCount) out.emplace_back(Move{Move::DrawStock});
        return out;
    }
    const Rules::Mask hand = p.Held[Model::Player];
    int free = 0;
    for (int c = 1; c <= 6 && !free; ++c)
        if (!p.Columns[c - 1]) free = c;
    std::vector<int> cards;
    for (Rules::Mask m = hand; m; m &= m - 1)
        cards.push_back(Rules::CardOfBit(Rules::Lowest(m)));
    if (free && !p.Open)
        for (size_t a = 0; a < cards.size(); ++a)
            for (size_t b = a + 1; b < cards.size(); ++b)
                for (size_t c = b + 1; c < cards.size(); ++c) {
                    const Rules::Mask three =
                        Rules::Bit(cards[a]) | Rules::Bit(cards[b]) | Rules::Bit(cards[c]);
                    if (!Rules::IsMeld(three)) continue;
                    Expert::Candidate k;
                    for (int n : {cards[a], cards[b], cards[c]})
                        k.Steps[k.Count++] = Move{Move::Lay, uint8_t(n), 0, 0, uint8_t(free)};
                    out.push_back(k);
                }
    for (int col = 1; col <= 6; ++col)
        if (p.MeldIn(col).Complete())
            for (int n : cards) {
                const Move m{Move::Lay, uint8_t(n), 0, 0, uint8_t(col)};
                if (p.IsLegal(m)) out.emplace_back(m);
            }
    for (int n : cards)
        out.emplace_back(Move{Move::Discard, uint8_t(n)});
    return out;
}

// The decision that the player's moves from `i` on make, and how many
// moves it takes; nothing for a move no candidate stands for (a take back,
// a meld left open, a draw called).
std::optional<Expert::Candidate> Made(const KeptHand& h, const std::vector<Position>& steps,
                                      size_t i) {
    const Move& m = h.Moves[i];
    const Position& p = steps[i];
    switch (m.What) {
    case Move::TakeFace:
        return Expert::Candidate(m);
    case Move::DrawStock:
        return Expert::Candidate(Move{Move::DrawStock});
    case Move::Discard:
        return p.Open ? std::nullopt : std::optional<Expert::Candidate>(m);
    case Move::Lay: {
        if (p.MeldIn(m.Column).Complete()) return Expert::Candidate(m);
        if (p.Columns[m.Column - 1] || p.Open) return std::nullopt;
        Expert::Candidate k;
        for (size_t j = i; j < i + 3 && j < h.Moves.size(); ++j) {
            const Move& next = h.Moves[j];
            if (next.What != Move::Lay || next.Column != m.Column) return std::nullopt;
            k.Steps[k.Count++] = next;
        }
        return k.Count == 3 ? std::optional<Expert::Candidate>(k) : std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

bool Same(const Expert::Candidate& a, const Expert::Candidate& b) {
    if (a.Count != b.Count) return false;
    // A new meld is the same whatever the order its cards were laid in.
    Rules::Mask ca = 0, cb = 0;
    for (int i = 0; i < a.Count; ++i) {
        if (a.Steps[i].What != b.Steps[i].What || a.Steps[i].Column != b.Steps[i].Column)
            return false;
        ca |= a.Steps[i].Card ? Rules::Bit(a.Steps[i].Card) : 0;
        cb |= b.Steps[i].Card ? Rules::Bit(b.Steps[i].Card) : 0;
    }
    return ca == cb;
}

// A new meld, named as the table names it ("the Fives of Diamonds, Clubs and Hearts").
QString MeldOf(const Expert::Candidate& c) {
    QList<int> cards;
    for (int i = 0; i < c.Count; ++i)
        cards << c.Steps[i].Card;
    return FrmMain::MeldName(cards);
}

// What a decision did or would have done, as the object of a sentence.
QString Doing(const Expert::Candidate& c) {
    const Move& m = c.Steps[0];
    switch (m.What) {
    case Move::TakeFace:
        return QCoreApplication::translate("Review", "taking the %1 from the discard pile")
            .arg(FrmMain::CardName(m.Card));
    case Move::DrawStock:
        return QCoreApplication::translate("Review", "taking a card from the stock");
    case Move::Discard:
        return QCoreApplication::translate("Review", "discarding the %1")
            .arg(FrmMain::CardName(m.Card));
    case Move::Lay:
        if (c.Count == 3)
            return QCoreApplication::translate("Review", "melding the %1").arg(MeldOf(c));
        return QCoreApplication::translate("Review", "laying off the %1 on Meld %2")
            .arg(FrmMain::CardName(m.Card))
            .arg(m.Column);
    default:
        return {};
    }
}

} // namespace

double Judgement::Lost() const {
    double lost = 0;
    for (const Decision& d : Decisions)
        if (d.Cost() > Margin) lost += d.Cost();
    return lost;
}

Expert::Effort JudgingEffort() {
    Expert::Effort e;
    e.Deals = 512;
    e.Seed = 31;
    return e;
}

Judgement Judge(const KeptHand& h, const std::vector<Position>& steps, const Expert::Effort& e,
                int from, int count) {
    Judgement out;
    for (size_t i = size_t(std::max(from, 0)); i < h.Moves.size() && i + 1 < steps.size();) {
        if (count >= 0 && int(out.Decisions.size()) >= count) break;
        const Position& p = steps[i];
        const std::optional<Expert::Candidate> made =
            p.ToMove == Model::Player ? Made(h, steps, i) : std::nullopt;
        if (!made) {
            ++i;
            continue;
        }
        std::vector<Expert::Candidate> open = Open(p);
        auto mine = std::find_if(open.begin(), open.end(),
                                 [&](const Expert::Candidate& c) { return Same(c, *made); });
        if (mine == open.end()) mine = open.insert(open.end(), *made);
        const int chosen = int(mine - open.begin());
        const Sharp::SideSees seen = SeenAt(h, steps, int(i), Model::Player);
        const std::vector<Expert::Worth> worth = Expert::Weigh(seen, false, p.Drawn, open, e);
        if (size_t(chosen) < worth.size() && worth[size_t(chosen)].Deals) {
            Decision d;
            d.Move = int(i);
            d.Moves = made->Count;
            d.Made = *made;
            d.MadePoints = d.BestPoints = worth[size_t(chosen)].Points;
            d.Best = *made;
            size_t best = size_t(chosen);
            for (size_t k = 0; k < worth.size(); ++k)
                if (worth[k].Deals && worth[k].Points > worth[best].Points + 1e-9) best = k;
            if (best != size_t(chosen)) {
                // The best of many noisy averages is too high by the luck that
                // made it best: even Expert's own choices would be charged for
                // it. So the two are played again on fresh deals, and only
                // the gap those show counts.
                Expert::Effort fresh = e;
                fresh.Seed = e.Seed * 0x9E3779B97F4A7C15ull + i + 1;
                fresh.Deals = 4 * e.Deals; // two candidates: as much work as the first look
                const Expert::Candidate pair[2] = {*made, open[best]};
                const std::vector<Expert::Worth> again =
                    Expert::Weigh(seen, false, p.Drawn, pair, fresh);
                if (again.size() == 2 && again[0].Deals && again[1].Deals &&
                    again[1].Points > again[0].Points) {
                    d.MadePoints = again[0].Points;
                    d.BestPoints = again[1].Points;
                    d.Best = open[best];
                }
            }
            out.Decisions.push_back(d);
        }
        i += size_t(made->Count);
    }
    return out;
}

QStringList JudgedLines(const KeptHand& h, const std::vector<Position>&, const Judgement& j) {
    QStringList lines;
    for (size_t i = 0; i < h.Moves.size(); ++i)
        lines << QString();
    for (const Decision& d : j.Decisions) {
        const int cost = int(std::lround(d.Cost()));
        lines[d.Move] =
            d.Cost() <= j.Margin
                ? QCoreApplication::translate("Review", "Good: %1 was as good as any choice.")
                      .arg(Doing(d.Made))
                //: %1 the choice made, %2 the better one, %3 points on average.
                : QCoreApplication::translate("Review",
                                              "%1 was worse than %2 by about %3 points on average.")
                      .arg(Doing(d.Made), Doing(d.Best))
                      .arg(std::max(cost, 1));
        lines[d.Move][0] = lines[d.Move][0].toUpper();
    }
    return lines;
}

QString SummaryLine(const Judgement& j) {
    std::vector<const Decision*> costly;
    for (const Decision& d : j.Decisions)
        if (d.Cost() > j.Margin) costly.push_back(&d);
    if (costly.empty())
        return QCoreApplication::translate("Review", "Every decision you made was good.");
    std::sort(costly.begin(), costly.end(),
              [](const Decision* a, const Decision* b) { return a->Cost() > b->Cost(); });
    QStringList most;
    for (size_t i = 0; i < costly.size() && i < 3; ++i)
        //: A move that cost points: %1 its number in the review, %2 the points.
        most << QCoreApplication::translate("Review", "move %1 (about %2 points)")
                    .arg(costly[i]->Move + 1)
                    .arg(std::max(1L, std::lround(costly[i]->Cost())));
    //: %1 the moves that cost most, %2 the points all costly decisions lost.
    return QCoreApplication::translate(
               "Review", "The moves that cost most: %1. They cost about %2 points in all.")
        .arg(most.join(QCoreApplication::translate("Review", ", ")))
        .arg(std::lround(j.Lost()));
}

} // namespace Review
