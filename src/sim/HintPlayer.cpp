// The hint player: each move is the hint's advice, carried out as the window's
// demo carries it out (a press on the card to take; a press, the card carried
// over the column or the pile, a release; a click on Take Back or Call Draw),
// and each question answered as a player would: go on playing, discard when
// asked. A move the table refuses, or one it does not take up, is a fault:
// raised inside the game's next question, it reaches the self-play's report
// of unexpected errors with the seed and the last events.
#include "HintPlayer.h"

#include "FrmMain.h"
#include "Hint.h"
#include "PlayerPolicy.h"
#include "Scenario.h"

#include <QStringList>
#include <stdexcept>
#include <utility>

namespace {

// The notices with which the table puts a dropped card back.
bool IsRefusal(const QString& title) {
    static const QStringList titles{QStringLiteral("Try Again"),
                                    QStringLiteral("Card will Not Meld Here"),
                                    QStringLiteral("Cannot Meld single card  yet."),
                                    QStringLiteral("Card Not Meld Here"),
                                    QStringLiteral("Card not in right column?"),
                                    QStringLiteral("Incomplete Meld")};
    return titles.contains(title.trimmed());
}

// The event by which the table shows that it took up the advice.
bool TookUp(const Hint::Advice& a, const TableEvent& e) {
    if (e.ByDorvil) return false;
    switch (a.What) {
    case Hint::Advice::TakeFace:
        return e.What == TableEvent::Takes && e.Card == a.Card;
    case Hint::Advice::TakeStock:
        return e.What == TableEvent::Draws;
    case Hint::Advice::Meld:
        return e.What == TableEvent::Melds && e.Card == a.Card && e.Column == a.Column;
    case Hint::Advice::LayOff:
        return e.What == TableEvent::LaysOff && e.Card == a.Card && e.Column == a.Column;
    case Hint::Advice::TakeBack:
        return e.What == TableEvent::TakesBack && e.Column == a.Column;
    case Hint::Advice::Discard:
        return e.What == TableEvent::Discards && e.Card == a.Card;
    default:
        return false;
    }
}

int AnyStockCard(const FrmMain& f) {
    for (int n = 1; n <= 52; ++n)
        if (f.Cards(n).Place == Where::Stock) return n;
    return 0;
}

class HintPlayer : public PlayerPolicy {
  public:
    explicit HintPlayer(bool expert) : Step(expert ? Hint::ExpertStep : Hint::NextStep) {}
    PlayerMove Next(const FrmMain& f, const WindowState& w) override {
        if (!Problem.isEmpty()) return {Control::NewGame}; // its question reports the fault
        if (!f.GameInPlay || f.HandOver || f.GameOver) return {Control::Card, AnyStockCard(f)};
        CheckLastMove(f);
        if (!Problem.isEmpty()) return {Control::NewGame};
        if (!Hint::Available(f)) return {Control::Hover, 1};
        Last = Step(Hint::WhatPlayerSees(f));
        Hand = f.HandSerial;
        LogBefore = f.HandLog.size();
        const PlayerMove move = MoveFor(f, Last);
        if (Last.What == Hint::Advice::None || !w.Offers(move)) {
            Problem = QStringLiteral("on the player's turn the hint advised \"%1\", which the "
                                     "window does not offer")
                          .arg(HintLine(Last));
            return {Control::NewGame};
        }
        return move;
    }
    std::optional<PlayerMove> Meanwhile(const FrmMain&, const WindowState&, bool) override {
        return std::nullopt;
    }
    int Answer(const QString& title, int) override {
        if (!Problem.isEmpty()) Fail(Problem);
        if (Last.What != Hint::Advice::None && IsRefusal(title))
            Fail(QStringLiteral("the table refused the hint's advice \"%1\" with the notice "
                                "\"%2\"")
                     .arg(HintLine(Last), title.trimmed()));
        return 0; // Discard, Next Hand, Play Again, O.K.
    }
    QString TargetText() override { return QStringLiteral("100"); }
    QString NameText() override { return {}; }

  private:
    Hint::Advice (*Step)(const Hint::PlayerSees&);
    Hint::Advice Last;
    int Hand = -1;
    size_t LogBefore = 0;
    QString Problem;

    [[noreturn]] void Fail(const QString& what) {
        const std::string text = what.toStdString();
        Problem.clear();
        throw std::logic_error(text);
    }

    // The move made last must show in the record of the hand, unless the hand
    // is over (a call of a draw, or a side gone out, begins another).
    void CheckLastMove(const FrmMain& f) {
        const Hint::Advice last = std::exchange(Last, Hint::Advice{});
        if (last.What == Hint::Advice::None || f.HandSerial != Hand) return;
        bool seen = false;
        for (size_t i = LogBefore; i < f.HandLog.size() && !seen; ++i)
            seen = TookUp(last, f.HandLog[i]);
        if (!seen)
            Problem = QStringLiteral("the table did not take up the hint's advice \"%1\"")
                          .arg(HintLine(last));
    }
};

} // namespace

PlayerMove MoveFor(const FrmMain& f, const Hint::Advice& a) {
    switch (a.What) {
    case Hint::Advice::TakeFace:
        return {Control::Card, a.Card};
    case Hint::Advice::TakeStock:
        return {Control::Card, AnyStockCard(f)};
    case Hint::Advice::Meld:
    case Hint::Advice::LayOff:
        return DropOnColumn(a.Card, a.Column);
    case Hint::Advice::Discard:
        return DropOnPile(a.Card);
    case Hint::Advice::TakeBack:
        return {Control::TakeBack};
    case Hint::Advice::CallDraw:
        return {Control::CallDraw};
    case Hint::Advice::None:
        break;
    }
    return {Control::Hover, 1};
}

std::unique_ptr<PlayerPolicy> MakeHintPlayer(bool expert) {
    return std::make_unique<HintPlayer>(expert);
}
