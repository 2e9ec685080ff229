// The random player: it mostly plays a real turn (takes a card, builds the
// melds its hand allows, lays off, discards) and, often enough to reach every
// handler, does what a careless or mischievous player does: presses cards
// that may not be taken, drops cards anywhere, leaves melds open, changes the
// target or the name, erases the statistics, starts a new game or leaves,
// also while Dorvil's cards are still moving.
#include "PlayerPolicy.h"

#include "DropAreas.h"
#include "FrmMain.h"
#include "GreedyPlayer.h"
#include "HintPlayer.h"

#include <cstdlib>

bool WindowState::Offers(const PlayerMove& move) const {
    switch (move.What) {
    case Control::Card:
    case Control::Hover:
        return move.Card >= 1 && move.Card <= 52 && CardShown[move.Card];
    case Control::SortSame:
        return SortSame;
    case Control::SortSuits:
        return SortSuits;
    case Control::TakeBack:
        return TakeBack;
    case Control::CallDraw:
        return CallDraw;
    case Control::NewGame:
        return PlayMenu;
    case Control::Exit:
        return PlayMenu && ExitItem;
    case Control::CloseWindow:
        return true;
    case Control::ChangeTarget:
    case Control::EnterName:
    case Control::EraseStatistics:
        return OptionsMenu;
    case Control::ConfirmTarget:
        return TargetFrame;
    }
    return false;
}

namespace {
// Release points where the game's drop rules change: the edges of the pile,
// of the meld area and of the column bands.
const int EdgePoints[][2] = {{255, 5000},  {2025, 5000}, {1000, 4575},  {1000, 6705}, {240, 5000},
                             {2040, 5000}, {2415, 4000}, {10065, 4000}, {2400, 4000}, {10080, 4000},
                             {5000, 2295}, {5000, 6585}, {5000, 2280},  {5000, 6600}, {3600, 4000},
                             {3840, 4000}, {4920, 4000}, {6240, 4000},  {7560, 4000}, {8880, 4000}};

class RandomPlayer : public PlayerPolicy {
  public:
    explicit RandomPlayer(uint64_t seed) : State(seed ^ 0x5eedf00dULL) { Next64(); }

    PlayerMove Next(const FrmMain& f, const WindowState& w) override;
    std::optional<PlayerMove> Meanwhile(const FrmMain& f, const WindowState& w,
                                        bool inQuestion) override {
        // A message box is application-modal: while it is open the window
        // passes nothing to the table.
        if (inQuestion || !Chance(0.02)) return std::nullopt;
        return Mischief(f, w);
    }
    int Answer(const QString&, int buttons) override { return Pick(buttons); }
    QString TargetText() override;
    QString NameText() override;

  private:
    // splitmix64: the policy draws at every pause, so its generator is the
    // cheapest that is still well mixed.
    uint64_t State;
    int TurnMoves = 0;

    uint64_t Next64() {
        uint64_t z = (State += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    bool Chance(double p) { return static_cast<double>(Next64() >> 11) * 0x1.0p-53 < p; }
    int Pick(int n) { return n <= 1 ? 0 : static_cast<int>(Next64() % static_cast<uint64_t>(n)); }
    template <class List> int PickFrom(const List& cards) {
        return cards.empty() ? 0 : cards[static_cast<size_t>(Pick(static_cast<int>(cards.size())))];
    }
    // The cards of one place, without allocating: the policy runs for every move.
    struct Cards {
        int Card[52];
        int Count = 0;
        bool empty() const { return Count == 0; }
        size_t size() const { return static_cast<size_t>(Count); }
        int operator[](size_t i) const { return Card[i]; }
        void push_back(int n) { Card[Count++] = n; }
        const int* begin() const { return Card; }
        const int* end() const { return Card + Count; }
    };
    static Cards CardsIn(const FrmMain& f, int place) {
        Cards cards;
        for (int n = 1; n <= 52; ++n)
            if (f.Cards(n).Place == place) cards.push_back(n);
        return cards;
    }
    PlayerMove RandomDrop(int card);
    PlayerMove Mischief(const FrmMain& f, const WindowState& w);
    PlayerMove TakeCard(const FrmMain& f, const WindowState& w);
    PlayerMove PlayTurn(const FrmMain& f, const WindowState& w);
    std::optional<PlayerMove> MeldStep(const FrmMain& f, int open);
};

PlayerMove RandomPlayer::RandomDrop(int card) {
    PlayerMove m{Control::Card, card, 0, 0};
    switch (Pick(4)) {
    case 0:
        return DropOnColumn(card, 1 + Pick(6));
    case 1: {
        const auto& e = EdgePoints[Pick(static_cast<int>(std::size(EdgePoints)))];
        m.Left = e[0], m.Top = e[1];
        return m;
    }
    case 2:
        return DropOnPile(card);
    default: // anywhere, off the table included, on the window's 15-twip grid
        m.Left = 15 * (Pick(1200) - 200);
        m.Top = 15 * (Pick(1000) - 200);
        return m;
    }
}

// Any control the window offers, used at the wrong moment as often as not.
PlayerMove RandomPlayer::Mischief(const FrmMain&, const WindowState& w) {
    static const Control controls[] = {Control::Card,          Control::Card,
                                       Control::Card,          Control::Hover,
                                       Control::SortSame,      Control::SortSuits,
                                       Control::TakeBack,      Control::CallDraw,
                                       Control::NewGame,       Control::ChangeTarget,
                                       Control::ConfirmTarget, Control::ConfirmTarget,
                                       Control::EnterName,     Control::EraseStatistics,
                                       Control::Exit,          Control::CloseWindow};
    for (int tries = 0; tries < 8; ++tries) {
        Control c = controls[Pick(static_cast<int>(std::size(controls)))];
        // Leaving is rarer than the rest, or few hands would be played out;
        // so are the commands that write the saved files.
        if ((c == Control::Exit || c == Control::CloseWindow || c == Control::NewGame) &&
            !Chance(0.3))
            continue;
        if ((c == Control::EnterName || c == Control::EraseStatistics) && !Chance(0.03)) continue;
        PlayerMove m = RandomDrop(1 + Pick(52));
        m.What = c;
        if (w.Offers(m)) return m;
    }
    return {Control::Hover, 1 + Pick(52), 0, 0};
}

PlayerMove RandomPlayer::TakeCard(const FrmMain& f, const WindowState& w) {
    if (w.CallDraw && Chance(0.15)) return {Control::CallDraw};
    const bool faceUp = f.FaceCard != 0 && f.Cards(f.FaceCard).Place == Where::Discard;
    const Cards stock = CardsIn(f, Where::Stock);
    if (faceUp && (stock.empty() || Chance(0.4))) return {Control::Card, f.FaceCard, 0, 0};
    if (!stock.empty()) return {Control::Card, PickFrom(stock), 0, 0};
    return Mischief(f, w);
}

// The next card of a meld: into the open column, or the first card of a set
// or run of three that the hand holds, or a lay-off.
std::optional<PlayerMove> RandomPlayer::MeldStep(const FrmMain& f, int open) {
    const Cards hand = CardsIn(f, Where::PlayerHand);
    Cards fitting;
    // The cards that column c accepts, as the game's rules stand.
    if (open) {
        const Rules::Meld meld = f.MeldIn(open);
        for (int n : hand)
            if (Rules::Joins(meld, n)) fitting.push_back(n);
        if (fitting.empty()) return std::nullopt;
        return DropOnColumn(PickFrom(fitting), open);
    }
    int free = 0;
    for (int c = 6; c >= 1; --c)
        if (!f.Melds(c).InUse) free = c;
    bool held[54] = {};
    int ofRank[14] = {};
    for (int n : hand)
        held[n] = true, ++ofRank[f.Cards(n).Rank];
    for (int n : hand)
        if (ofRank[f.Cards(n).Rank] >= 3 || (f.Cards(n).Rank <= 11 && held[n + 1] && held[n + 2]))
            fitting.push_back(n);
    if (free && !fitting.empty()) return DropOnColumn(PickFrom(fitting), free);
    if (!f.MadeMeld(1)) return std::nullopt;
    for (int c = 1; c <= 6; ++c) {
        if (!f.Melds(c).Done) continue;
        const Rules::Meld meld = f.MeldIn(c);
        for (int n : hand)
            if (Rules::Joins(meld, n)) return DropOnColumn(n, c);
    }
    return std::nullopt;
}

PlayerMove RandomPlayer::PlayTurn(const FrmMain& f, const WindowState& w) {
    const bool mustEnd = ++TurnMoves > 12;
    const Cards hand = CardsIn(f, Where::PlayerHand);
    if (hand.empty()) return Mischief(f, w);
    if (!mustEnd && Chance(0.06)) return Mischief(f, w);
    if (!mustEnd && Chance(0.05)) return RandomDrop(PickFrom(hand));
    int open = 0;
    for (int c = 1; c <= 6; ++c)
        if (f.Melds(c).InUse && !f.Melds(c).Done) open = c;
    if (open && w.TakeBack && Chance(0.15)) return {Control::TakeBack};
    if (!mustEnd && Chance(open ? 0.8 : 0.7))
        if (auto step = MeldStep(f, open)) return *step;
    if (!mustEnd && Chance(0.05)) return {Chance(0.5) ? Control::SortSame : Control::SortSuits};
    return DropOnPile(PickFrom(hand));
}

PlayerMove RandomPlayer::Next(const FrmMain& f, const WindowState& w) {
    if (!f.GameInPlay || f.HandOver || f.GameOver) {
        if (Chance(0.1)) return Mischief(f, w);
        const Cards stock = CardsIn(f, Where::Stock);
        return {Control::Card, stock.empty() ? 1 : PickFrom(stock), 0, 0}; // deals
    }
    if (f.PlayerTurn && !f.PlayerHasDrawn) {
        TurnMoves = 0;
        return Chance(0.08) ? Mischief(f, w) : TakeCard(f, w);
    }
    if (f.PlayerTurn) return PlayTurn(f, w);
    return Mischief(f, w);
}

QString RandomPlayer::TargetText() {
    static const char* const odd[] = {"",    "-",   "-5", "0",   "24",  "25",  "500", "501",
                                      "999", "1e3", ".5", "2.5", "abc", "  7", "-0",  "1e9999"};
    if (Chance(0.6)) return QString::number(Pick(1000));
    return QLatin1String(odd[Pick(static_cast<int>(std::size(odd)))]);
}

QString RandomPlayer::NameText() {
    static const char16_t* const names[] = {u"",
                                            u"Player",
                                            u"Ann",
                                            u"  blanks around  ",
                                            u"with \"quotes\"",
                                            u"comma, name",
                                            u"line\r\nbreak",
                                            u"tab\there",
                                            u"Zoë Ångström",
                                            u"名前",
                                            u"\u0001\u001f\u007f",
                                            u"emoji \U0001F0A1",
                                            u"\u2028separator"};
    if (Chance(0.1)) return QString(300, QLatin1Char('x'));
    return QString::fromUtf16(names[Pick(static_cast<int>(std::size(names)))]);
}

} // namespace

PlayerMove DropOnColumn(int card, int c) {
    const QPoint at = DropAreas::ColumnPoint(c);
    return {Control::Card, card, at.x(), at.y()};
}

PlayerMove DropOnPile(int card) {
    return {Control::Card, card, DropAreas::DiscardPoint.x(), DropAreas::DiscardPoint.y()};
}

QStringList PolicyNames() {
    return {QStringLiteral("random"), QStringLiteral("greedy"), QStringLiteral("hint"),
            QStringLiteral("expert")};
}

std::unique_ptr<PlayerPolicy> MakePolicy(const QString& name, uint64_t seed) {
    if (name == QLatin1String("random")) return std::make_unique<RandomPlayer>(seed);
    if (name == QLatin1String("greedy")) return MakeGreedyPlayer();
    if (name == QLatin1String("hint")) return MakeHintPlayer();
    if (name == QLatin1String("expert")) return MakeHintPlayer(true);
    return nullptr;
}
