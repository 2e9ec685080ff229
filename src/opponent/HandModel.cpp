// Building the model of a hand from the table, and from what one side sees.
#include "HandModel.h"

#include "FrmMain.h"
#include "SharpHand.h"

#include <algorithm>

namespace {

using Model::Position;
using Model::Side;

bool AllCards(const std::vector<int>& cards) {
    return std::all_of(cards.begin(), cards.end(), [](int n) { return Rules::IsCard(n); });
}

void FindOpen(Position& p) {
    for (int c = 1; c <= 6 && !p.Open; ++c)
        if (p.MeldIn(c).Open()) p.Open = static_cast<uint8_t>(c);
}

} // namespace

Position ModelOfTable(const FrmMain& f) {
    Position p;
    const bool faceUp = Rules::IsCard(f.FaceCard) && f.Cards(f.FaceCard).Place == Where::Discard;
    p.Face = static_cast<uint8_t>(faceUp ? f.FaceCard : 0);
    // The record of the hand read from its end: each card's last discard, and
    // so the pile from its top down, as far as the record goes.
    Rules::Mask discarded = 0;
    uint8_t fromTop[52];
    int onTop = 0, rebuilds = 0, turns = 0;
    for (auto e = f.HandLog.rbegin(); e != f.HandLog.rend(); ++e) {
        rebuilds += e->What == TableEvent::StockReplaced;
        turns += e->What == TableEvent::Takes || e->What == TableEvent::Draws;
        if (e->What != TableEvent::Discards || !Rules::IsCard(e->Card) ||
            (discarded & Rules::Bit(e->Card)))
            continue;
        discarded |= Rules::Bit(e->Card);
        if (e->Card != p.Face && f.Cards(e->Card).Place == Where::Discard && onTop < 52)
            fromTop[onTop++] = static_cast<uint8_t>(e->Card);
    }
    for (int n = 1; n <= 52; ++n) {
        switch (f.Cards(n).Place) {
        case Where::PlayerHand:
            p.Held[Model::Player] |= Rules::Bit(n);
            break;
        case Where::DorvilHand:
            p.Held[Model::Dorvil] |= Rules::Bit(n);
            break;
        case Where::Stock:
            p.Stock[p.StockCount++] = static_cast<uint8_t>(n);
            break;
        case Where::Discard:
            // At the bottom, the cards whose discard the record does not hold.
            if (n != p.Face && !(discarded & Rules::Bit(n)))
                p.Pile[p.PileCount++] = static_cast<uint8_t>(n);
            break;
        default:
            break;
        }
    }
    // Above them the rest, in the order of their last discards.
    while (onTop > 0 && p.PileCount < 52)
        p.Pile[p.PileCount++] = fromTop[--onTop];
    for (int c = 1; c <= 6; ++c) {
        const Rules::Meld meld = f.MeldIn(c);
        p.Columns[c - 1] = meld.Cards;
        p.Shapes[c - 1] = meld.Kind;
    }
    FindOpen(p);
    p.ToMove = f.OppTurn && !f.PlayerTurn ? Model::Dorvil : Model::Player;
    p.Drawn = p.ToMove == Model::Player && f.PlayerHasDrawn;
    p.MadeMeld[Model::Player] = f.MadeMeld(1);
    p.MadeMeld[Model::Dorvil] = f.MadeMeld(2);
    p.Rebuilds = static_cast<uint8_t>(std::min(rebuilds, 255));
    p.DorvilTook = static_cast<uint8_t>(Rules::IsCard(f.OppTookFace) ? f.OppTookFace : 0);
    p.Turns = static_cast<uint16_t>(std::min(turns, 0xFFFF));
    p.Score[Model::Player] = f.PlayerScore;
    p.Score[Model::Dorvil] = f.OppScore;
    p.Target = f.TargetPoints;
    if (f.HandOver) {
        p.End = Model::Ending::Out;
        p.Winner = f.PlayerCount == 0 ? Model::Player : Model::Dorvil;
    }
    return p;
}

Rules::Mask UnseenCards(const Sharp::SideSees& s) {
    Rules::Mask seen = 0;
    auto see = [&](int n) {
        if (Rules::IsCard(n)) seen |= Rules::Bit(n);
    };
    for (int n : s.Hand)
        see(n);
    for (const Sharp::ColumnSeen& col : s.Columns)
        for (int n : col.Cards)
            see(n);
    for (const Sharp::PileCard& card : s.Pile)
        see(card.Card);
    return Rules::AllCards & ~seen;
}

std::optional<Position> ModelSeenFrom(const Sharp::SideSees& s, bool dorvil, bool drawn,
                                      Rules::Mask rivalHand, std::span<const uint8_t> stock) {
    const Side me = dorvil ? Model::Dorvil : Model::Player;
    const Side rival = Model::Other(me);
    if (Rules::Count(rivalHand) != s.RivalCount || stock.size() > 52 ||
        static_cast<int>(stock.size()) != s.StockCount || s.Pile.size() > 52 || !AllCards(s.Hand) ||
        !std::all_of(s.Columns.begin(), s.Columns.end(),
                     [](const Sharp::ColumnSeen& col) { return AllCards(col.Cards); }))
        return std::nullopt;
    Position p;
    p.Held[me] = Sharp::MaskOf(s.Hand);
    p.Held[rival] = rivalHand;
    for (int c = 1; c <= 6; ++c) {
        const Sharp::ColumnSeen& col = s.Columns[static_cast<size_t>(c - 1)];
        const Rules::Meld meld = Rules::MeldOf(Sharp::MaskOf(col.Cards), col.IsSet, col.IsRun);
        p.Columns[c - 1] = meld.Cards;
        p.Shapes[c - 1] = meld.Kind;
    }
    for (const Sharp::PileCard& card : s.Pile)
        p.Pile[p.PileCount++] = static_cast<uint8_t>(card.Card);
    // The face card is on top, unless the side took it this turn.
    if (p.PileCount && !(drawn && s.TookFace)) p.Face = p.Pile[--p.PileCount];
    for (uint8_t card : stock)
        p.Stock[p.StockCount++] = card;
    FindOpen(p);
    p.ToMove = me;
    p.Drawn = drawn;
    p.MadeMeld[me] = s.MadeMeld;
    p.MadeMeld[rival] = s.RivalMadeMeld;
    p.Rebuilds = s.Restocked.empty() ? 0 : 1;
    if (dorvil && Rules::IsCard(s.TookFace)) p.DorvilTook = static_cast<uint8_t>(s.TookFace);
    p.Score[me] = static_cast<int16_t>(s.MyScore);
    p.Score[rival] = static_cast<int16_t>(s.RivalScore);
    p.Target = static_cast<int16_t>(s.Target);
    if (!p.Whole()) return std::nullopt;
    return p;
}
