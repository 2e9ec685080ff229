// The hint with Expert Dorvil's judgement, borrowed from the player's chair
// while he sits at the table. He weighs the take, the melds and lay-offs and
// the discard; the steps he leaves to Sharp's judgement (going on with an
// open meld, taking it back, calling a draw) are those where the table
// leaves the player little to choose.
#include "Expert.h"
#include "FrmMain.h"
#include "Hint.h"

namespace Hint {

namespace {

Advice Said(Advice a) {
    a.Text = Sentence(a);
    return a;
}

} // namespace

Advice ExpertStep(const PlayerSees& s) {
    const Advice sharp = NextStep(s);
    if (!s.MyTurn || sharp.What == Advice::CallDraw || sharp.What == Advice::None) return sharp;
    if (s.OpenColumn) {
        // He goes on with the meld he began as the playouts do: with a card
        // after which his hand can still complete it; else he takes it back.
        const std::optional<Model::Position> p = Expert::Filled(s, false, true);
        Model::Rng unused;
        const Model::Move m = p ? Model::GreedyMove(*p, unused) : Model::Move{};
        if (m.What == Model::Move::Lay && m.Column == s.OpenColumn &&
            Accepts(s, m.Card, m.Column)) {
            const bool completes =
                s.Columns[static_cast<size_t>(s.OpenColumn - 1)].Cards.size() >= 2;
            return Said(
                {Advice::Meld, completes ? Advice::Completes : Advice::GoesOn, m.Card, m.Column});
        }
        return Said({Advice::TakeBack, Advice::Plain, 0, s.OpenColumn});
    }
    if (!s.HasDrawn) {
        const int face = s.FaceCard();
        if (!face || s.StockCount == 0) return sharp;
        if (!Expert::TakesFaceCard(s, false)) return Said({Advice::TakeStock});
        // Sharp's reason where Sharp takes it too; else the only one known.
        if (sharp.What == Advice::TakeFace) return sharp;
        return Said({Advice::TakeFace, Advice::PlaysBest, face});
    }
    if (const std::optional<Sharp::MeldStep> step = Expert::NextMeldStep(s, false)) {
        const int first = step->Cards.front();
        if (step->Cards.size() >= 3 && Accepts(s, first, step->Column))
            return Said({Advice::Meld, Advice::StartsMeld, first, step->Column, step->Cards});
        if (step->Cards.size() == 1 && Accepts(s, first, step->Column))
            return Said({Advice::LayOff, Advice::Plain, first, step->Column});
    }
    if (s.Hand.empty()) return sharp;
    const int d = Expert::ChooseDiscard(s, false);
    return Said({Advice::Discard, s.Hand.size() == 1 ? Advice::GoesOut : Advice::Plain, d});
}

Advice AtTable(const FrmMain& table) {
    const PlayerSees sees = WhatPlayerSees(table);
    return table.DorvilAtTable == DorvilExpert ? ExpertStep(sees) : NextStep(sees);
}

} // namespace Hint
