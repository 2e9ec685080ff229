// The table's record of a hand read as the model's moves.
#include "HandFollower.h"

using Model::Move;

void HandFollower::Start(const Model::Position& start) {
    Followed = start;
    On = true;
    PendingCount = 0;
    TakenBack = 0;
}

QString HandFollower::Lost(const QString& why) {
    On = false;
    return why;
}

QString HandFollower::Make(const Move& move, bool byDorvil) {
    if (Followed.ToMove != (byDorvil ? Model::Dorvil : Model::Player))
        return Lost(QStringLiteral("it is not that side's turn"));
    if (!Followed.IsLegal(move)) return Lost(QStringLiteral("the move is not legal"));
    Followed.Apply(move);
    ++MovesMade;
    if (Made) Made->push_back(move);
    return {};
}

// Dorvil's turn may end without a discard, which the table does not record:
// when the player moves again, Dorvil passed.
QString HandFollower::Passed() {
    if (Followed.ToMove != Model::Dorvil || !Followed.Drawn || Followed.Over()) return {};
    return Make({Move::Pass}, true);
}

QString HandFollower::AtRest() {
    if (!On) return {};
    if (PendingCount || TakenBack) return Lost(QStringLiteral("a move is still unfinished"));
    return Passed();
}

QString HandFollower::Follow(const TableEvent& e) {
    if (!On) return {};
    if (!e.ByDorvil && e.What <= TableEvent::Discards)
        if (QString problem = Passed(); !problem.isEmpty()) return problem;
    const uint8_t card = static_cast<uint8_t>(Rules::IsCard(e.Card) ? e.Card : 0);
    const uint8_t column = static_cast<uint8_t>(e.Column >= 1 && e.Column <= 6 ? e.Column : 0);
    // A draw may be called in the middle of a move (a click while Dorvil
    // pauses, even between the cards of his meld, while a discard takes an
    // open meld back, or while the player goes out), where the model has no
    // such move: that hand is not followed to its end, and so not kept.
    if (e.What == TableEvent::DrawCalled) {
        Model::Position p = Followed;
        if (p.ToMove == Model::Dorvil && p.Drawn && p.IsLegal({Move::Pass})) p.Apply({Move::Pass});
        if (PendingCount || TakenBack || p.ToMove != Model::Player || !p.IsLegal({Move::CallDraw})) {
            On = false;
            return {};
        }
    }
    const bool dorvilMelds = e.What == TableEvent::Melds && e.ByDorvil;
    if (PendingCount && !dorvilMelds)
        return Lost(QStringLiteral("Dorvil left a meld of %1 open").arg(PendingCount));
    switch (e.What) {
    case TableEvent::Takes:
        // The self-play's player may press any card of the pile that shows;
        // in the window the face card lies over the rest.
        if (!e.ByDorvil && Followed.ToMove == Model::Player && !Followed.Drawn &&
            card != Followed.PileTop())
            for (int i = 0; i < Followed.PileCount; ++i)
                if (Followed.Pile[i] == card) {
                    Followed.Apply({Move::TakeFace, card});
                    if (Made) Made->push_back({Move::TakeFace, card});
                    return {};
                }
        return Make({Move::TakeFace, card}, e.ByDorvil);
    case TableEvent::Draws:
        return Make({Move::DrawStock, card}, e.ByDorvil);
    case TableEvent::Melds:
    case TableEvent::LaysOff: {
        const bool complete = column && Followed.MeldIn(column).Complete();
        if (complete != (e.What == TableEvent::LaysOff))
            return Lost(
                QStringLiteral("the column is %1").arg(complete ? "complete" : "not complete"));
        if (!dorvilMelds) return Make({Move::Lay, card, 0, 0, column}, e.ByDorvil);
        if (PendingCount && (column != e.Column || !card))
            return Lost(QStringLiteral("Dorvil's meld goes on in another column"));
        Pending[PendingCount++] = card;
        if (PendingCount < 3) return {};
        PendingCount = 0;
        return Make({Move::Lay, Pending[0], Pending[1], Pending[2], column}, true);
    }
    case TableEvent::TakesBack: {
        const Rules::Mask bit = card ? Rules::Bit(card) : 0;
        if (TakenBack & bit) {
            TakenBack &= ~bit;
            return {};
        }
        if (!Followed.Open || Followed.Open != e.Column ||
            !(Followed.Columns[Followed.Open - 1] & bit))
            return Lost(QStringLiteral("the card is not in the open meld"));
        TakenBack = Followed.Columns[Followed.Open - 1] & ~bit;
        return Make({Move::TakeBack}, e.ByDorvil);
    }
    case TableEvent::Returns:
        if (!card || !(Followed.Held[Model::Player] & Rules::Bit(card)))
            return Lost(QStringLiteral("the card is not in the player's hand"));
        return {};
    case TableEvent::Discards:
        if (!e.ByDorvil && Followed.Open) TakenBack = Followed.Columns[Followed.Open - 1];
        return Make({Move::Discard, card}, e.ByDorvil);
    case TableEvent::StockReplaced:
        if (!Followed.Rebuilds || Followed.StockCount != e.Count || Followed.PileCount)
            return Lost(QStringLiteral("the stock was not rebuilt so"));
        return {};
    case TableEvent::HandWon:
    case TableEvent::GameWon: {
        const Model::Position::Result r = Followed.Outcome();
        const Model::Side winner = e.ByDorvil ? Model::Dorvil : Model::Player;
        if (r.End != Model::Ending::Out || r.Winner != winner)
            return Lost(QStringLiteral("the hand has not ended so"));
        if (e.What == TableEvent::HandWon && r.Points != e.Count)
            return Lost(QStringLiteral("the model settles %1 points").arg(r.Points));
        if (e.What == TableEvent::GameWon && !r.GameWon)
            return Lost(QStringLiteral("the model's settlement does not win the game"));
        return {};
    }
    case TableEvent::HandSettled:
        return {};
    case TableEvent::DrawCalled:
        if (QString problem = Passed(); !problem.isEmpty()) return problem;
        return Make({Move::CallDraw}, false);
    }
    return {};
}
