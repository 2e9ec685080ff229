// Following a hand into a kept hand.
#include "HandKeeper.h"

#include "FrmMain.h"
#include "HandModel.h"

#include <QDateTime>

namespace Review {

void HandKeeper::Dealt(const FrmMain& table) {
    Begin(ModelOfTable(table), table.DorvilAtTable);
}

void HandKeeper::Resumed(const FrmMain& table) {
    Follower = HandFollower();
    Follower.Made = &Hand.Moves;
    uint8_t pack[52] = {};
    const Model::Side dealer = table.PlayerDeals ? Model::Dorvil : Model::Player;
    int at[2] = {0, 1}, next = 21;
    for (int n = 1; n <= 52; ++n) {
        const int to = table.DealtTo[n];
        if (to == FrmMain::DealtFace) {
            pack[20] = uint8_t(n);
        } else if (to == FrmMain::DealtStock) {
            if (next < 52) pack[next++] = uint8_t(n);
        } else {
            int& i = at[(to == FrmMain::DealtPlayer) == (dealer == Model::Dorvil) ? 0 : 1];
            if (i < 20) pack[i] = uint8_t(n);
            i += 2;
        }
    }
    if (at[0] != 20 || at[1] != 21 || next != 52 || !pack[20]) return; // no deal known
    Begin(Model::Deal(pack, dealer, int16_t(table.PlayerScore), int16_t(table.OppScore),
                      int16_t(table.TargetPoints)),
          table.DorvilAtTable);
    for (const TableEvent& e : table.HandLog)
        if (!Follower.Follow(e).isEmpty()) return;
    if (!Follower.AtRest().isEmpty() || !Follower.Hand().SamePlay(ModelOfTable(table))) {
        Follower = HandFollower();
        Follower.Made = &Hand.Moves;
    }
}

void HandKeeper::Begin(const Model::Position& dealt, int dorvil) {
    Start = dealt;
    Hand = KeptHand{};
    Hand.Dealer = Model::Other(Start.ToMove);
    Hand.Dorvil = uint8_t(dorvil);
    Hand.Score[0] = Start.Score[0];
    Hand.Score[1] = Start.Score[1];
    Hand.Target = Start.Target;
    // Either hand is a set: in card order, one card each in turn as dealt.
    int at[2] = {0, 1};
    for (const Model::Side side : {Start.ToMove, Hand.Dealer})
        for (Rules::Mask m = Start.Held[side]; m; m &= m - 1) {
            int& i = at[side == Start.ToMove ? 0 : 1];
            if (i < 20) Hand.Pack[i] = uint8_t(Rules::CardOfBit(Rules::Lowest(m)));
            i += 2;
        }
    Hand.Pack[20] = Start.Face;
    Follower.Start(Start);
}

std::optional<KeptHand> HandKeeper::Seen(const FrmMain& table, const TableEvent& e) {
    if (!Follower.Following()) return std::nullopt;
    Follower.SetTarget(table.TargetPoints);
    if (!Follower.Follow(e).isEmpty() ||
        (e.What != TableEvent::HandWon && e.What != TableEvent::DrawCalled))
        return std::nullopt;
    const Model::Position end = Follower.Hand();
    Follower = HandFollower();
    Follower.Made = &Hand.Moves;
    if (!end.Over()) return std::nullopt;
    const Model::Position::Result r = end.Outcome();
    Hand.When = QDateTime::currentSecsSinceEpoch();
    Hand.Target = end.Target;
    Hand.End = r.End;
    Hand.Winner = r.Winner;
    Hand.Points = static_cast<int16_t>(r.Points);
    Rules::Mask columns[6];
    for (int c = 1; c <= 6; ++c)
        columns[c - 1] = table.MeldIn(c).Cards;
    Hand.Final = TableDigest(table.CardsAt(Where::PlayerHand), table.CardsAt(Where::DorvilHand),
                             columns, table.CardsAt(Where::Discard));
    // A draw called while Dorvil's card was still on its way leaves a table
    // that is no position of the hand: such a hand could not be replayed.
    if (r.End == Model::Ending::CalledDraw && Hand.Final != TableDigest(end)) {
        Hand = KeptHand{};
        return std::nullopt;
    }
    // The stock in the order it was drawn until its first rebuild, then
    // what was never drawn.
    Model::Position p = Start;
    int next = 21;
    Rules::Mask placed = 0;
    for (const Model::Move& m : Hand.Moves) {
        if (!p.Rebuilds && m.What == Model::Move::DrawStock && next < 52 && m.Card) {
            Hand.Pack[next++] = m.Card;
            placed |= Rules::Bit(m.Card);
        }
        p.Apply(m);
    }
    for (int i = 0; i < Start.StockCount && next < 52; ++i)
        if (!(placed & Rules::Bit(Start.Stock[i]))) Hand.Pack[next++] = Start.Stock[i];
    KeptHand kept = std::move(Hand);
    Hand = KeptHand{};
    return kept;
}

} // namespace Review
