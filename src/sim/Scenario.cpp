// The scenario runner: setting up the table, carrying out the player's
// actions, and printing what happened.
#include "Scenario.h"

#include "FrmMain.h"
#include "HeadlessView.h"
#include "Hint.h"
#include "Random.h"
#include "SavedRecord.h"
#include "ScenarioFile.h"

#include <QMap>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <deque>
#include <map>
#include <memory>

namespace {

// The headless table: it keeps the positions the game gives the card
// pictures, answers the message boxes from the scenario, and prints.
class SimView : public HeadlessView {
  public:
    QString Out;
    std::deque<QString> Answers;
    bool Ended = false;
    bool TakeBackShown = false;

    void SetVisible(Ctl control, bool visible) override {
        if (control == Ctl::PicTakeBack) TakeBackShown = visible;
    }
    int DeluxeMsg(const QString& text, const QString& c0, const QString& c1, const QString& c2, int,
                  const QString& title) override {
        QStringList buttons{c0};
        for (const QString& c : {c1, c2})
            if (!c.isEmpty()) buttons << c;
        int choice = 0;
        if (buttons.size() > 1 && !Answers.empty()) {
            QString wanted = Answers.front();
            Answers.pop_front();
            for (int i = 0; i < buttons.size(); ++i)
                if (buttons[i].simplified().compare(wanted, Qt::CaseInsensitive) == 0) choice = i;
        }
        QString shown = text;
        shown.replace(QLatin1Char('\r'), QLatin1String("\\r"));
        Out += QStringLiteral("message \"%1\": \"%2\" [%3] -> %4\n")
                   .arg(title, shown, buttons.join(QLatin1Char('|')), buttons[choice]);
        return choice;
    }
    void ErrorBox(const QString& text) override { Out += QStringLiteral("error: ") + text + '\n'; }
    void CloseProgram() override { Ended = true; }
    void Record(const TableEvent& e) override;
    // The run ends with the hand: the next deal is not played.
    void NewHandStarting() override {
        Ended = true;
        throw SequenceAborted{};
    }
};

void SimView::Record(const TableEvent& e) {
    if (e.What != TableEvent::HandSettled) // told already by the hand and the game won
        Out += EventLine(e) + '\n';
}

void LayTable(FrmMain& frm, SimView& view, const ScenarioSetup& s) {
    frm.SetItUp();
    frm.PlayerName = s.Name;
    frm.TargetPoints = SavedRecord::Saturate16(s.Target);
    frm.PlayerScore = SavedRecord::Saturate16(s.ScoreP);
    frm.OppScore = SavedRecord::Saturate16(s.ScoreD);
    frm.GameInPlay = true;
    frm.AnimationPause = 120;
    frm.StockCount = 52;
    auto put = [&](const QList<int>& cards, int place) {
        for (int n : cards) {
            frm.Cards(n).Place = place;
            --frm.StockCount;
        }
    };
    put(s.Player, Where::PlayerHand);
    put(s.Dorvil, Where::DorvilHand);
    put(s.Discard, Where::Discard);
    frm.PlayerCount = static_cast<int>(s.Player.size());
    frm.OppCount = static_cast<int>(s.Dorvil.size());
    for (int n : s.Discard)
        view.MoveCard(n, 680, 5160);
    if (s.Face) {
        put({s.Face}, Where::Discard);
        frm.FaceCard = s.Face;
        view.MoveCard(s.Face, 680, 5160);
    }
    for (const auto& [c, cards] : s.Columns) {
        MeldColumn& m = frm.Melds(c);
        put(cards, Where::InMeld);
        m.InUse = true;
        m.Count = static_cast<int>(cards.size());
        for (int k = 0; k < cards.size(); ++k) {
            m.Slot(k + 1) = cards[k];
            frm.Cards(cards[k]).InColumn(c) = true;
        }
        m.Done = cards.size() >= 3;
        if (cards.size() >= 2) {
            const bool set = Rules::ShapeOf(frm.MeldIn(c).Cards) == Rules::Shape::Set;
            m.IsSet = set;
            m.IsRun = !set;
            if (!set) m.RunSuit = frm.Cards(cards[0]).Suit;
        }
        frm.LayOutColumn(c);
        if (!m.Done) view.SetVisible(Ctl::PicTakeBack, true);
    }
    frm.DorvilChosen = frm.DorvilAtTable = s.SharpDorvil;
    frm.MadeMeld(1) = s.MadePlayer;
    frm.MadeMeld(2) = s.MadeDorvil;
    frm.LayOutStock();
    frm.LayOutOppHand();
    frm.LayOutHand(frm.SortBySuit);
    frm.PlayerTurn = !s.DorvilFirst;
    frm.OppTurn = s.DorvilFirst;
}

QString FinalTable(FrmMain& frm) {
    auto list = [&](auto pick) {
        QStringList cards;
        for (int n = 1; n <= 52; ++n)
            if (pick(n)) cards << CardText(n);
        return cards.isEmpty() ? QStringLiteral("-") : cards.join(' ');
    };
    bool faceUp = frm.FaceCard != 0 && frm.Cards(frm.FaceCard).Place == Where::Discard;
    QString out = QStringLiteral("\nplayer: ") +
                  list([&](int n) { return frm.Cards(n).Place == Where::PlayerHand; }) + '\n';
    out += QStringLiteral("dorvil: ") +
           list([&](int n) { return frm.Cards(n).Place == Where::DorvilHand; }) + '\n';
    out +=
        QStringLiteral("face: ") + (faceUp ? CardText(frm.FaceCard) : QStringLiteral("-")) + '\n';
    out += QStringLiteral("discard: ") + list([&](int n) {
               return frm.Cards(n).Place == Where::Discard && !(faceUp && n == frm.FaceCard);
           }) +
           '\n';
    out += QStringLiteral("stock: %1\n").arg(frm.StockCount);
    for (int c = 1; c <= 6; ++c) {
        const MeldColumn& m = frm.Melds(c);
        if (!m.InUse) continue;
        QString kind = !m.Done ? "open" : m.IsSet ? "set" : "run";
        out += QStringLiteral("column %1: ").arg(c) +
               list([&](int n) { return frm.Cards(n).InColumn(c); }) + ' ' + kind + '\n';
    }
    QStringList made;
    if (frm.MadeMeld(1)) made << "player";
    if (frm.MadeMeld(2)) made << "dorvil";
    out += QStringLiteral("made-meld: ") + (made.isEmpty() ? QStringLiteral("-") : made.join(' ')) +
           '\n';
    out += QStringLiteral("scores: player %1 dorvil %2\n").arg(frm.PlayerScore).arg(frm.OppScore);
    return out;
}

// Where a card is released for each drop target (twips).
std::pair<int, int> DropPoint(const QStringList& w) {
    static const int columnMiddle[6] = {3000, 4300, 5500, 6800, 8100, 9400};
    QString where = w[2].toLower();
    if (where == "column") return {columnMiddle[w[3].toInt() - 1], 4000};
    if (where == "discard") return {1000, 5500};
    return {5000, 7000};
}

// Carries out one action; false when the game ignored it.
bool Perform(FrmMain& frm, SimView& view, const QStringList& w) {
    const QString key = w[0].toLower();
    const QString what = w.value(1).toLower();
    bool acted = false;
    if (key == "answer") {
        view.Answers.push_back(w.mid(1).join(' '));
        return true;
    }
    if (key == "hint") {
        const Hint::Advice advice = Hint::AtTable(frm);
        view.Out += QStringLiteral("hint: ") + HintLine(advice) +
                    (advice.Text.isEmpty() ? QString() : QStringLiteral(": ") + advice.Text) + '\n';
        return true;
    }
    if (key == "sort") {
        frm.Dispatch([&] { what == "suits" ? frm.LblSortSuits_Click() : frm.LblSortSame_Click(); });
        return true;
    }
    if (key == "take" && what == "back") {
        if (!view.TakeBackShown) return false;
        frm.Dispatch([&] { frm.LblTakeBack_Click(); });
        return true;
    }
    if (key == "take") {
        int n = 0;
        if (what == "face") {
            if (frm.FaceCard != 0 && frm.Cards(frm.FaceCard).Place == Where::Discard)
                n = frm.FaceCard;
        } else {
            for (int k = 52; k >= 1 && n == 0; --k)
                if (frm.Cards(k).Place == Where::Stock) n = k;
        }
        if (n == 0) return false;
        frm.Dispatch([&] { acted = frm.Cds_MouseDown(n); });
        return acted;
    }
    int n = ParseCard(w[1]);
    if (frm.Cards(n).Place != Where::PlayerHand) return false;
    frm.Dispatch([&] { acted = frm.Cds_MouseDown(n); });
    if (!acted || view.Ended) return acted;
    auto [left, top] = DropPoint(w);
    view.MoveCard(n, left, top);
    frm.Dispatch([&] { acted = frm.Cds_MouseUp(n); });
    return acted;
}

} // namespace

QString EventLine(const TableEvent& e) {
    const QString card = CardText(e.Card);
    const QString who = e.ByDorvil ? QStringLiteral("dorvil") : QStringLiteral("player");
    const QString col = QString::number(e.Column);
    switch (e.What) {
    case TableEvent::Takes:
        return who + " takes " + card + " from the discard pile";
    case TableEvent::Draws:
        return who + " draws " + card + " from the stock";
    case TableEvent::Melds:
        return who + " melds " + card + " in column " + col;
    case TableEvent::LaysOff:
        return who + " lays off " + card + " in column " + col;
    case TableEvent::TakesBack:
        return who + " takes back " + card + " from column " + col;
    case TableEvent::Returns:
        return who + " returns " + card + " to the hand";
    case TableEvent::Discards:
        return who + " discards " + card;
    case TableEvent::StockReplaced:
        return QStringLiteral("stock replaced with %1 cards").arg(e.Count);
    case TableEvent::HandWon:
        return QStringLiteral("hand won by %1 with %2 point%3")
            .arg(who)
            .arg(e.Count)
            .arg(e.Count == 1 ? "" : "s");
    case TableEvent::GameWon:
        return "game won by " + who;
    case TableEvent::HandSettled:
        return "hand settled, " + who + " out";
    case TableEvent::DrawCalled:
        return QStringLiteral("draw called");
    }
    return {};
}

QString HintLine(const Hint::Advice& a) {
    const QString card = CardText(a.Card);
    switch (a.What) {
    case Hint::Advice::TakeFace:
        return "take face " + card;
    case Hint::Advice::TakeStock:
        return QStringLiteral("take stock");
    case Hint::Advice::Meld: {
        QStringList meld;
        for (int n : a.Planned)
            meld << CardText(n);
        return QStringLiteral("lay %1 in column %2 (meld %3)")
            .arg(card)
            .arg(a.Column)
            .arg(meld.join(' '));
    }
    case Hint::Advice::LayOff:
        return QStringLiteral("lay off %1 on column %2").arg(card).arg(a.Column);
    case Hint::Advice::TakeBack:
        return QStringLiteral("take back column %1").arg(a.Column);
    case Hint::Advice::Discard:
        return "discard " + card;
    case Hint::Advice::CallDraw:
        return QStringLiteral("call draw");
    case Hint::Advice::None:
        break;
    }
    return QStringLiteral("none");
}

ScenarioResult RunScenario(const QByteArray& text, std::optional<uint64_t> seed) {
    ScenarioFile file;
    try {
        file = ParseScenario(text);
    } catch (const ScenarioError& e) {
        return ScenarioResult{2, {}, QStringLiteral("line %1: %2").arg(e.Line).arg(e.What)};
    }
    const ScenarioSetup& setup = file.Setup;
    const QList<ScenarioAction>& actions = file.Actions;

    auto random = MakeRandomSource(seed ? seed : setup.Seed);
    auto forced =
        std::make_shared<std::deque<int>>(setup.StockDraws.begin(), setup.StockDraws.end());
    SimView view;
    FrmMain frm(view, TableSettings{QString(), QString(), [random, forced] {
                                        if (forced->empty()) return random();
                                        int k = forced->front();
                                        forced->pop_front();
                                        // x = r * 52 rounds to k; 52 only from 51.5 up
                                        return (k == 52 ? 51.75 : k) / 52.0;
                                    }});
    LayTable(frm, view, setup);
    // Answers written before any other action are for the opening turn.
    qsizetype first = 0;
    while (first < actions.size() &&
           actions[first].Words[0].compare("answer", Qt::CaseInsensitive) == 0)
        Perform(frm, view, actions[first++].Words);
    frm.Dispatch([&] { frm.PassTurn(); });
    for (const ScenarioAction& action : actions.mid(first)) {
        if (view.Ended) break;
        if (!Perform(frm, view, action.Words))
            view.Out += QStringLiteral("ignored: ") + action.Text + '\n';
    }
    return ScenarioResult{0, view.Out + FinalTable(frm), {}};
}
