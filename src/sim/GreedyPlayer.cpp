// The greedy player's choices, read from the player's side of the table.
#include "GreedyPlayer.h"

#include "FrmMain.h"
#include "PlayerPolicy.h"

#include <algorithm>
#include <vector>

namespace Greedy {

namespace {

std::vector<int> HandOf(const FrmMain& f) {
    std::vector<int> hand;
    for (int n = 1; n <= 52; ++n)
        if (f.Cards(n).Place == Where::PlayerHand) hand.push_back(n);
    return hand;
}

bool Holds(const std::vector<int>& cards, int n) {
    return std::find(cards.begin(), cards.end(), n) != cards.end();
}

// Card n moved by `by` ranks within its suit; 0 past the ace or the king.
int Step(int n, int by) {
    int rank = (n - 1) % 13 + 1 + by;
    return rank >= 1 && rank <= 13 ? n + by : 0;
}

// The longest set or run within `cards` (ascending) that holds every card of
// `with`; empty when there is none.
std::vector<int> LongestMeld(const std::vector<int>& cards, const std::vector<int>& with) {
    std::vector<int> best;
    auto consider = [&](const std::vector<int>& meld) {
        if (meld.size() < 3 || meld.size() <= best.size()) return;
        for (int n : with)
            if (!Holds(meld, n)) return;
        best = meld;
    };
    for (int rank = 1; rank <= 13; ++rank) {
        std::vector<int> same;
        for (int n : cards)
            if ((n - 1) % 13 + 1 == rank) same.push_back(n);
        consider(same);
    }
    std::vector<int> run;
    for (int n : cards) {
        if (!run.empty() && Step(run.back(), 1) != n) {
            consider(run);
            run.clear();
        }
        run.push_back(n);
    }
    consider(run);
    return best;
}

bool Fits(const FrmMain& f, int c, int n) {
    return f.Melds(c).Done && Rules::Joins(f.MeldIn(c), n);
}

// The next card of the meld being built in column c, which holds `laid`.
std::optional<Drop> Continue(const FrmMain& f, int c, const std::vector<int>& hand,
                             const std::vector<int>& laid) {
    std::vector<int> cards = hand;
    cards.insert(cards.end(), laid.begin(), laid.end());
    std::sort(cards.begin(), cards.end());
    const std::vector<int> meld = LongestMeld(cards, laid);
    if (meld.empty()) return Drop{0, c}; // nothing completes it: take it back
    for (int n : meld)
        if (!Holds(laid, n) && Rules::Joins(f.MeldIn(c), n)) return Drop{n, c};
    return Drop{0, c};
}

} // namespace

bool TakesFaceCard(const FrmMain& f) {
    const int face = f.FaceCard;
    if (face == 0 || f.Cards(face).Place != Where::Discard) return false;
    const std::vector<int> hand = HandOf(f);
    int same = 0;
    for (int n : hand)
        same += f.Cards(n).Rank == f.Cards(face).Rank;
    if (same >= 2) return true;
    auto has = [&](int by) {
        const int n = Step(face, by);
        return n != 0 && Holds(hand, n);
    };
    if ((has(-2) && has(-1)) || (has(-1) && has(1)) || (has(1) && has(2))) return true;
    if (!f.MadeMeld(1)) return false;
    for (int c = 1; c <= 6; ++c)
        if (Fits(f, c, face)) return true;
    return false;
}

std::optional<Drop> NextDrop(const FrmMain& f) {
    const std::vector<int> hand = HandOf(f);
    int free = 0;
    for (int c = 1; c <= 6; ++c) {
        const MeldColumn& m = f.Melds(c);
        if (m.InUse && !m.Done) {
            std::vector<int> laid;
            for (int n = 1; n <= 52; ++n)
                if (f.Cards(n).InColumn(c)) laid.push_back(n);
            return Continue(f, c, hand, laid);
        }
        if (!m.InUse && free == 0) free = c;
    }
    if (free != 0 && !LongestMeld(hand, {}).empty()) return Continue(f, free, hand, {});
    if (f.MadeMeld(1))
        for (int n : hand)
            for (int c = 1; c <= 6; ++c)
                if (Fits(f, c, n)) return Drop{n, c};
    return std::nullopt;
}

int ChooseDiscard(const FrmMain& f) {
    const std::vector<int> hand = HandOf(f);
    auto nearMeld = [&](int n) {
        for (int m : hand) {
            if (m == n) continue;
            const int gap = f.Cards(m).Rank - f.Cards(n).Rank;
            if (gap == 0 || (f.Cards(m).Suit == f.Cards(n).Suit && gap >= -2 && gap <= 2))
                return true;
        }
        return false;
    };
    int chosen = 0;
    for (bool anyCard : {false, true}) {
        for (int n : hand)
            if ((anyCard || !nearMeld(n)) &&
                (chosen == 0 || f.Cards(n).Rank >= f.Cards(chosen).Rank))
                chosen = n;
        if (chosen) break;
    }
    return chosen;
}

} // namespace Greedy

namespace {

// In a hand this long every column may be taken and neither side able to go
// out; a player then calls a draw (offered once the stock has been rebuilt).
constexpr int LongHand = 100;

class GreedyPlayer : public PlayerPolicy {
  public:
    PlayerMove Next(const FrmMain& f, const WindowState& w) override {
        if (!f.GameInPlay || f.HandOver || f.GameOver) return {Control::Card, AnyStockCard(f)};
        if (f.HandSerial != Hand) Hand = f.HandSerial, Turns = 0;
        if (!f.PlayerTurn) return {Control::Hover, 1};
        if (!f.PlayerHasDrawn) {
            Drops = 0;
            if (++Turns > LongHand && w.CallDraw) return {Control::CallDraw};
            const bool faceUp = f.FaceCard != 0 && f.Cards(f.FaceCard).Place == Where::Discard;
            const int stock = AnyStockCard(f);
            if (faceUp && (Greedy::TakesFaceCard(f) || stock == 0))
                return {Control::Card, f.FaceCard};
            return {Control::Card, stock};
        }
        // A drop the table refuses leaves the hand as it was: after a few, discard.
        if (++Drops < 40)
            if (std::optional<Greedy::Drop> d = Greedy::NextDrop(f)) {
                if (d->Card == 0) return {Control::TakeBack};
                return DropOnColumn(d->Card, d->Column);
            }
        return DropOnPile(Greedy::ChooseDiscard(f));
    }
    std::optional<PlayerMove> Meanwhile(const FrmMain&, const WindowState&, bool) override {
        return std::nullopt;
    }
    int Answer(const QString&, int) override { return 0; }
    QString TargetText() override { return QStringLiteral("100"); }
    QString NameText() override { return {}; }

  private:
    int Hand = -1, Turns = 0, Drops = 0;

    static int AnyStockCard(const FrmMain& f) {
        for (int n = 1; n <= 52; ++n)
            if (f.Cards(n).Place == Where::Stock) return n;
        return 0;
    }
};

} // namespace

std::unique_ptr<PlayerPolicy> MakeGreedyPlayer() {
    return std::make_unique<GreedyPlayer>();
}
