// Sharp and Expert Dorvil's turn: the same draw, melds, lay-offs and discard as the
// classic turn, moved by the same procedures with the same pauses, sounds and
// settlement; only the choices come from Sharp's or Expert's judgement, which is
// given nothing but what Dorvil can see from his chair. And what a side sees,
// gathered for his chair and for the player's.
#include "Expert.h"
#include "FrmMain.h"
#include "Sharp.h"
#include "SharpSeat.h"

#include <algorithm>
#include <array>

void FrmMain::SeatDorvil() {
    DorvilAtTable = DorvilChosen;
    View.DorvilSeated(DorvilAtTable);
}

namespace {

// Sharp's choices are quick and made on the spot; Expert Dorvil plays his
// forward, and thinks while the window goes on answering the player. His
// choice is made on a copy of what he sees, so the table may change under
// him meanwhile: the caller looks at the hand again before acting on it.
template <class Choice>
auto Judged(TableView& view, int level, const Sharp::DorvilSees& sees,
            Choice (*sharp)(const Sharp::SideSees&),
            Choice (*expert)(const Sharp::SideSees&, bool)) {
    if (level != DorvilExpert) return sharp(sees);
    Choice choice{};
    view.Think([&] { choice = expert(sees, true); });
    return choice;
}

} // namespace

void FrmMain::SharpPlay() {
    if (HandOver || GameOver || Busy(2)) return;
    const int hand = HandSerial;
    bool stockEmpty = true;
    for (int n = 1; n <= 52 && stockEmpty; ++n)
        stockEmpty = Cards(n).Place != Where::Stock;
    const bool faceOnPile = FaceCard != 0 && Cards(FaceCard).Place == Where::Discard;
    const bool takeFace =
        faceOnPile && (stockEmpty || Judged(View, DorvilAtTable, WhatDorvilSees(),
                                            Sharp::TakesFaceCard, Expert::TakesFaceCard));
    if (HandChanged(hand) || Busy(2)) return;
    if (takeFace)
        OppTakeFaceCard();
    else if (!stockEmpty)
        OppTakeStockCard();
    if (HandChanged(hand)) return;
    // One step at a time, each chosen afresh from the table it left behind.
    for (int steps = 0; steps < 52; ++steps) {
        const std::optional<Sharp::MeldStep> step = Judged(
            View, DorvilAtTable, WhatDorvilSees(), Sharp::NextMeldStep, Expert::NextMeldStep);
        if (HandChanged(hand) || Busy(2)) return;
        if (!step) break;
        const int before = OppCount;
        SharpLay(*step);
        if (HandChanged(hand)) return;
        if (OppCount == before) break; // the table did not take it
    }
    if (OppCount == 0) return;
    if (!Busy(2)) {
        const int discard = Judged(View, DorvilAtTable, WhatDorvilSees(), Sharp::ChooseDiscard,
                                   Expert::ChooseDiscard);
        if (HandChanged(hand) || Busy(2)) return;
        Busy(2) = true;
        FaceCard = discard;
        AnimOppDiscard(FaceCard);
        OppDiscard();
    }
    if (HandChanged(hand)) return;
    LayOutOppHand();
    PlayerTurn = true;
    OppTurn = false;
    PassTurn();
}

// The table's own rules stand between his choice and the cards: a new meld
// needs a free column and three cards of his that make a set or a run; a
// lay-off needs a complete meld that takes the card.
void FrmMain::SharpLay(const Sharp::MeldStep& step) {
    const int c = step.Column;
    if (c < 1 || c > 6) return;
    for (int n : step.Cards)
        if (n < 1 || n > 52 || Cards(n).Place != Where::DorvilHand) return;
    if (step.Cards.size() == 1) {
        if (!SharpFits(c, step.Cards[0])) return;
        OppAddToColumn(c, step.Cards[0]);
        SettleHand();
        return;
    }
    if (step.Cards.size() != 3 || Melds(c).InUse) return;
    std::vector<int> cards = step.Cards;
    std::sort(cards.begin(), cards.end());
    // Three cards in card order make a set or a run when each joins the last.
    Rules::Meld meld;
    for (int n : cards) {
        if (!Rules::Joins(meld, n)) return;
        meld = Rules::With(meld, n);
    }
    if (meld.Kind == Rules::Shape::Run) Melds(c).RunSuit = Cards(cards[0]).Suit;
    OppMeldFirst(c, step.Cards[0]);
    OppMeldSecond(c, step.Cards[1]);
    OppMeldThird(c, step.Cards[2]);
}

bool FrmMain::SharpFits(int c, int n) const {
    return Melds(c).Done && Rules::Joins(MeldIn(c), n);
}

Sharp::DorvilSees FrmMain::WhatDorvilSees() const {
    return Sharp::DorvilSees{Sharp::SeenFrom(*this, true)};
}

// Everything a side's choices may depend on, gathered in this one place: its
// own cards, the table, the pile as it was played and what its rival took
// from it, and the counts anyone can read. The rival's cards and the stock's
// are left out.
Sharp::SideSees Sharp::SeenFrom(const FrmMain& f, bool dorvil) {
    SideSees s;
    const int mine = dorvil ? Where::DorvilHand : Where::PlayerHand;
    for (int n = 1; n <= 52; ++n)
        if (f.Cards(n).Place == mine) s.Hand.push_back(n);
    for (int c = 1; c <= 6; ++c) {
        ColumnSeen& col = s.Columns[static_cast<size_t>(c - 1)];
        for (int n = 1; n <= 52; ++n)
            if (f.Cards(n).InColumn(c)) col.Cards.push_back(n);
        col.Done = f.Melds(c).Done;
        col.IsSet = f.Melds(c).IsSet;
        col.IsRun = f.Melds(c).IsRun;
    }
    // The pile replayed from the record of the hand: a discard lays a card on
    // it, a take lifts one off, a stock rebuild gathers all but the top card.
    // Cards that lay there before the record began (the deal's face card)
    // start at the bottom. A stock draw of the rival's tells only that the
    // top card was passed over; the card drawn stays hidden.
    std::vector<PileCard> pile;
    std::array<bool, 53> recorded{};
    for (const TableEvent& e : f.HandLog)
        if (e.What == TableEvent::Discards || e.What == TableEvent::Takes) {
            if (e.What == TableEvent::Takes && !recorded[static_cast<size_t>(e.Card)])
                pile.push_back({e.Card, false}); // there before the record
            recorded[static_cast<size_t>(e.Card)] = true;
        }
    for (int n = 1; n <= 52; ++n)
        if (f.Cards(n).Place == Where::Discard && !recorded[static_cast<size_t>(n)])
            pile.insert(pile.begin(), {n, false});
    auto lift = [&](int n) { std::erase_if(pile, [n](const PileCard& p) { return p.Card == n; }); };
    int lastDraw = -1;
    for (size_t i = 0; i < f.HandLog.size(); ++i) {
        const TableEvent& e = f.HandLog[i];
        const bool rival = e.ByDorvil != dorvil;
        switch (e.What) {
        case TableEvent::Discards:
            lift(e.Card);
            pile.push_back({e.Card, e.ByDorvil});
            if (rival) s.RivalDiscards.push_back(e.Card);
            break;
        case TableEvent::Takes:
            lift(e.Card);
            if (rival) s.RivalTook.push_back(e.Card);
            lastDraw = static_cast<int>(i);
            break;
        case TableEvent::Draws:
            if (rival && !pile.empty()) s.RivalPassed.push_back(pile.back().Card);
            lastDraw = static_cast<int>(i);
            break;
        case TableEvent::TakesBack:
            if (rival) s.RivalTook.push_back(e.Card);
            break;
        case TableEvent::StockReplaced:
            for (size_t k = 0; k + 1 < pile.size(); ++k)
                s.Restocked.push_back(pile[k].Card);
            if (!pile.empty()) pile.erase(pile.begin(), pile.end() - 1);
            break;
        default:
            break;
        }
    }
    if (lastDraw >= 0) {
        const TableEvent& e = f.HandLog[static_cast<size_t>(lastDraw)];
        if (e.ByDorvil == dorvil && e.What == TableEvent::Takes) s.TookFace = e.Card;
    }
    // Kept to what lies on the pile now, the face card on top.
    for (const PileCard& p : pile)
        if (f.Cards(p.Card).Place == Where::Discard && p.Card != f.FaceCard) s.Pile.push_back(p);
    if (f.FaceCard != 0 && f.Cards(f.FaceCard).Place == Where::Discard) {
        auto top = std::find_if(pile.begin(), pile.end(),
                                [&](const PileCard& p) { return p.Card == f.FaceCard; });
        s.Pile.push_back({f.FaceCard, top != pile.end() && top->ByDorvil});
    }
    s.RivalCount = dorvil ? f.PlayerCount : f.OppCount;
    s.StockCount = f.StockCount;
    s.MadeMeld = f.MadeMeld(dorvil ? 2 : 1);
    s.RivalMadeMeld = f.MadeMeld(dorvil ? 1 : 2);
    s.MyScore = dorvil ? f.OppScore : f.PlayerScore;
    s.RivalScore = dorvil ? f.PlayerScore : f.OppScore;
    s.Target = f.TargetPoints;
    return s;
}
