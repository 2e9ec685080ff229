// The scenario runner: parsing, setting up the table, carrying out the
// player's actions, and printing what happened.
#include "Scenario.h"

#include "FrmMain.h"
#include "Random.h"
#include "SavedRecord.h"

#include <QMap>
#include <QRegularExpression>
#include <algorithm>
#include <memory>
#include <QStringList>
#include <deque>
#include <map>

namespace {

const char* const RankText[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
const char SuitText[] = {'D', 'C', 'H', 'S'};

struct ScenarioError {
    int Line;
    QString What;
};

// The headless table: it keeps the positions the game gives the card
// pictures, answers the message boxes from the scenario, and prints.
class SimView : public TableView {
public:
    QString Out;
    std::deque<QString> Answers;
    bool Ended = false;
    bool TakeBackShown = false;
    int Left[53] = {};
    int Top[53] = {};

    void CreateCardPictures() override {}
    void ShowCardImage(int, int) override {}
    void MoveCard(int n, int left, int top) override { Left[n] = left, Top[n] = top; }
    int CardLeft(int n) const override { return Left[n]; }
    int CardTop(int n) const override { return Top[n]; }
    void BringCardToFront(int) override {}
    void SetCardVisible(int, bool) override {}
    void SetCardPointer(int, int) override {}
    void SetCardToolTip(int, const QString&) override {}
    void SetText(Ctl, const QString&) override {}
    void SetVisible(Ctl control, bool visible) override {
        if (control == Ctl::PicTakeBack)
            TakeBackShown = visible;
    }
    void SetPanelText(int, const QString&) override {}
    void EnableMenu(Menu, bool) override {}
    QString TargetText() const override { return {}; }
    void FocusTargetBox() override {}
    void PlaySound(Sound) override {}
    void Pause(int) override {}
    int DeluxeMsg(const QString& text, const QString& c0, const QString& c1, const QString& c2,
                  int, const QString& title) override {
        QStringList buttons{c0};
        for (const QString& c : {c1, c2})
            if (!c.isEmpty())
                buttons << c;
        int choice = 0;
        if (buttons.size() > 1 && !Answers.empty()) {
            QString wanted = Answers.front();
            Answers.pop_front();
            for (int i = 0; i < buttons.size(); ++i)
                if (buttons[i].simplified().compare(wanted, Qt::CaseInsensitive) == 0)
                    choice = i;
        }
        QString shown = text;
        shown.replace(QLatin1Char('\r'), QLatin1String("\\r"));
        Out += QStringLiteral("message \"%1\": \"%2\" [%3] -> %4\n")
                   .arg(title, shown, buttons.join(QLatin1Char('|')), buttons[choice]);
        return choice;
    }
    QString InputBox(const QString&, const QString&, const QString&) override { return {}; }
    void ErrorBox(const QString& text) override { Out += QStringLiteral("error: ") + text + '\n'; }
    void CreateFollower() override {}
    void SetFollowObject(int) override {}
    void SetFollowEnabled(bool) override {}
    void CloseProgram() override { Ended = true; }
    void Record(const TableEvent& e) override;
    // The run ends with the hand: the next deal is not played.
    void NewHandStarting() override {
        Ended = true;
        throw SequenceAborted{};
    }
};

QString Side(bool byDorvil) { return byDorvil ? QStringLiteral("dorvil") : QStringLiteral("player"); }

void SimView::Record(const TableEvent& e) {
    QString card = CardText(e.Card);
    QString who = Side(e.ByDorvil);
    QString col = QString::number(e.Column);
    switch (e.What) {
    case TableEvent::Takes: Out += who + " takes " + card + " from the discard pile\n"; break;
    case TableEvent::Draws: Out += who + " draws " + card + " from the stock\n"; break;
    case TableEvent::Melds: Out += who + " melds " + card + " in column " + col + '\n'; break;
    case TableEvent::LaysOff: Out += who + " lays off " + card + " in column " + col + '\n'; break;
    case TableEvent::TakesBack:
        Out += who + " takes back " + card + " from column " + col + '\n';
        break;
    case TableEvent::Returns: Out += who + " returns " + card + " to the hand\n"; break;
    case TableEvent::Discards: Out += who + " discards " + card + '\n'; break;
    case TableEvent::StockReplaced:
        Out += QStringLiteral("stock replaced with %1 cards\n").arg(e.Count);
        break;
    case TableEvent::HandWon:
        Out += QStringLiteral("hand won by %1 with %2 point%3\n")
                   .arg(who)
                   .arg(e.Count)
                   .arg(e.Count == 1 ? "" : "s");
        break;
    case TableEvent::GameWon: Out += "game won by " + who + '\n'; break;
    }
}

struct Setup {
    std::optional<uint64_t> Seed;
    QString Name = QStringLiteral("Player");
    QList<int> Player, Dorvil, Discard, StockDraws;
    int Face = 0;
    std::map<int, QList<int>> Columns;
    std::map<int, int> ColumnLine;
    bool MadePlayer = false, MadeDorvil = false;
    int ScoreP = 0, ScoreD = 0;
    int Target = 100;
    bool DorvilFirst = false;
    int StockDrawsLine = 0;
};

struct Action {
    int Line;
    QString Text;  // as written, blanks folded
    QStringList Words;
};

QList<int> ParseCards(const QStringList& words, int from, int line) {
    QList<int> cards;
    for (int i = from; i < words.size(); ++i) {
        int n = ParseCard(words[i]);
        if (n == 0)
            throw ScenarioError{line, QStringLiteral("unknown card '%1'").arg(words[i])};
        cards << n;
    }
    return cards;
}

int ParseNumber(const QString& word, int line, const char* what) {
    bool ok = false;
    int value = word.toInt(&ok);
    if (!ok)
        throw ScenarioError{line, QStringLiteral("%1 wants a whole number, not '%2'")
                                      .arg(QLatin1String(what), word)};
    return value;
}

bool IsValidColumn(QList<int> cards) {
    std::sort(cards.begin(), cards.end());
    auto rank = [](int n) { return (n - 1) % 13; };
    auto suit = [](int n) { return (n - 1) / 13; };
    bool set = cards.size() <= 4;
    bool run = true;
    for (int i = 1; i < cards.size(); ++i) {
        set = set && rank(cards[i]) == rank(cards[0]);
        run = run && suit(cards[i]) == suit(cards[0]) && cards[i] == cards[i - 1] + 1;
    }
    return set || run;
}

void ParseSetupLine(Setup& s, const QStringList& w, const QString& raw, int line) {
    const QString key = w[0].toLower();
    auto needs = [&](int count) {
        if (w.size() != count)
            throw ScenarioError{line, QStringLiteral("'%1' takes %2 value%3")
                                          .arg(key)
                                          .arg(count - 1)
                                          .arg(count == 2 ? "" : "s")};
    };
    if (key == "seed") {
        needs(2);
        bool ok = false;
        s.Seed = w[1].toULongLong(&ok);
        if (!ok)
            throw ScenarioError{line, QStringLiteral("seed wants a whole number")};
    } else if (key == "name") {
        s.Name = raw.section(QRegularExpression(QStringLiteral("\\s+")), 1).trimmed();
    } else if (key == "player") {
        s.Player = ParseCards(w, 1, line);
    } else if (key == "dorvil") {
        s.Dorvil = ParseCards(w, 1, line);
    } else if (key == "face") {
        needs(2);
        s.Face = ParseCards(w, 1, line).value(0);
    } else if (key == "discard") {
        s.Discard = ParseCards(w, 1, line);
    } else if (key == "column") {
        if (w.size() < 3)
            throw ScenarioError{line, QStringLiteral("'column' wants a number 1..6 and cards")};
        int c = ParseNumber(w[1], line, "column");
        if (c < 1 || c > 6)
            throw ScenarioError{line, QStringLiteral("column %1 is not 1..6").arg(c)};
        if (s.Columns.count(c))
            throw ScenarioError{line, QStringLiteral("column %1 given twice").arg(c)};
        QList<int> cards = ParseCards(w, 2, line);
        if (cards.size() > 13 || !IsValidColumn(cards))
            throw ScenarioError{line, QStringLiteral("column %1 is not a valid set or run").arg(c)};
        s.Columns[c] = cards;
        s.ColumnLine[c] = line;
    } else if (key == "made-meld") {
        needs(2);
        QString who = w[1].toLower();
        if (who == "player")
            s.MadePlayer = true;
        else if (who == "dorvil")
            s.MadeDorvil = true;
        else
            throw ScenarioError{line, QStringLiteral("made-meld wants player or dorvil")};
    } else if (key == "stock-draws") {
        s.StockDraws = ParseCards(w, 1, line);
        s.StockDrawsLine = line;
    } else if (key == "scores") {
        needs(3);
        s.ScoreP = ParseNumber(w[1], line, "scores");
        s.ScoreD = ParseNumber(w[2], line, "scores");
    } else if (key == "target") {
        needs(2);
        s.Target = ParseNumber(w[1], line, "target");
    } else if (key == "turn") {
        needs(2);
        QString who = w[1].toLower();
        if (who != "player" && who != "dorvil")
            throw ScenarioError{line, QStringLiteral("turn wants player or dorvil")};
        s.DorvilFirst = who == "dorvil";
    }
}

bool IsSetupWord(const QString& key) {
    static const QStringList words{"seed",   "name",      "player",      "dorvil", "face",
                                   "discard", "column",   "made-meld",   "stock-draws",
                                   "scores", "target",    "turn"};
    return words.contains(key);
}

void CheckAction(const QStringList& w, int line) {
    const QString key = w[0].toLower();
    auto bad = [&] {
        throw ScenarioError{line, QStringLiteral("cannot read the action '%1'").arg(w.join(' '))};
    };
    if (key == "take") {
        if (w.size() != 2 || !QStringList{"face", "stock", "back"}.contains(w[1].toLower()))
            bad();
    } else if (key == "sort") {
        if (w.size() != 2 || !QStringList{"suits", "same"}.contains(w[1].toLower()))
            bad();
    } else if (key == "answer") {
        if (w.size() < 2)
            bad();
    } else if (key == "drop") {
        if (ParseCard(w.value(1)) == 0)
            throw ScenarioError{line, QStringLiteral("unknown card '%1'").arg(w.value(1))};
        QString where = w.value(2).toLower();
        if (where == "column") {
            if (w.size() != 4)
                bad();
            int c = ParseNumber(w[3], line, "column");
            if (c < 1 || c > 6)
                throw ScenarioError{line, QStringLiteral("column %1 is not 1..6").arg(c)};
        } else if ((where != "discard" && where != "hand") || w.size() != 3) {
            bad();
        }
    } else {
        throw ScenarioError{line, QStringLiteral("unknown directive '%1'").arg(w[0])};
    }
}

// Every card listed once, every stock draw still in the stock.
void CheckCards(const Setup& s, const QMap<int, int>& lineOf) {
    QMap<int, int> seen;
    auto add = [&](const QList<int>& cards, int line) {
        for (int n : cards) {
            if (seen.contains(n))
                throw ScenarioError{line, QStringLiteral("card %1 listed twice").arg(CardText(n))};
            seen[n] = line;
        }
    };
    add(s.Player, lineOf.value(0));
    add(s.Dorvil, lineOf.value(1));
    if (s.Face)
        add({s.Face}, lineOf.value(2));
    add(s.Discard, lineOf.value(3));
    for (const auto& [c, cards] : s.Columns)
        add(cards, s.ColumnLine.at(c));
    for (int n : s.StockDraws)
        if (seen.contains(n))
            throw ScenarioError{s.StockDrawsLine,
                                QStringLiteral("%1 is not in the stock").arg(CardText(n))};
    int open = 0;
    for (const auto& [c, cards] : s.Columns)
        if (cards.size() < 3 && ++open > 1)
            throw ScenarioError{s.ColumnLine.at(c),
                                QStringLiteral("only one column may hold an open meld")};
}

void LayTable(FrmMain& frm, SimView& view, const Setup& s) {
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
            bool set = frm.Cards(cards[0]).Rank == frm.Cards(cards[1]).Rank;
            m.IsSet = set;
            m.IsRun = !set;
            if (!set)
                m.RunSuit = frm.Cards(cards[0]).Suit;
        }
        frm.LayOutColumn(c);
        if (!m.Done)
            view.SetVisible(Ctl::PicTakeBack, true);
    }
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
            if (pick(n))
                cards << CardText(n);
        return cards.isEmpty() ? QStringLiteral("-") : cards.join(' ');
    };
    bool faceUp = frm.FaceCard != 0 && frm.Cards(frm.FaceCard).Place == Where::Discard;
    QString out = QStringLiteral("\nplayer: ") +
                  list([&](int n) { return frm.Cards(n).Place == Where::PlayerHand; }) + '\n';
    out += QStringLiteral("dorvil: ") +
           list([&](int n) { return frm.Cards(n).Place == Where::DorvilHand; }) + '\n';
    out += QStringLiteral("face: ") + (faceUp ? CardText(frm.FaceCard) : QStringLiteral("-")) + '\n';
    out += QStringLiteral("discard: ") + list([&](int n) {
               return frm.Cards(n).Place == Where::Discard && !(faceUp && n == frm.FaceCard);
           }) + '\n';
    out += QStringLiteral("stock: %1\n").arg(frm.StockCount);
    for (int c = 1; c <= 6; ++c) {
        const MeldColumn& m = frm.Melds(c);
        if (!m.InUse)
            continue;
        QString kind = !m.Done ? "open" : m.IsSet ? "set" : "run";
        out += QStringLiteral("column %1: ").arg(c) +
               list([&](int n) { return frm.Cards(n).InColumn(c); }) + ' ' + kind + '\n';
    }
    QStringList made;
    if (frm.MadeMeld(1))
        made << "player";
    if (frm.MadeMeld(2))
        made << "dorvil";
    out += QStringLiteral("made-meld: ") + (made.isEmpty() ? QStringLiteral("-") : made.join(' ')) +
           '\n';
    out += QStringLiteral("scores: player %1 dorvil %2\n").arg(frm.PlayerScore).arg(frm.OppScore);
    return out;
}

// Where a card is released for each drop target (twips).
std::pair<int, int> DropPoint(const QStringList& w) {
    static const int columnMiddle[6] = {3000, 4300, 5500, 6800, 8100, 9400};
    QString where = w[2].toLower();
    if (where == "column")
        return {columnMiddle[w[3].toInt() - 1], 4000};
    if (where == "discard")
        return {1000, 5500};
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
    if (key == "sort") {
        frm.Dispatch([&] { what == "suits" ? frm.LblSortSuits_Click() : frm.LblSortSame_Click(); });
        return true;
    }
    if (key == "take" && what == "back") {
        if (!view.TakeBackShown)
            return false;
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
                if (frm.Cards(k).Place == Where::Stock)
                    n = k;
        }
        if (n == 0)
            return false;
        frm.Dispatch([&] { acted = frm.Cds_MouseDown(n); });
        return acted;
    }
    int n = ParseCard(w[1]);
    if (frm.Cards(n).Place != Where::PlayerHand)
        return false;
    frm.Dispatch([&] { acted = frm.Cds_MouseDown(n); });
    if (!acted || view.Ended)
        return acted;
    auto [left, top] = DropPoint(w);
    view.MoveCard(n, left, top);
    frm.Dispatch([&] { acted = frm.Cds_MouseUp(n); });
    return acted;
}

} // namespace

int ParseCard(const QString& text) {
    QString t = text.toUpper();
    if (t.size() < 2)
        return 0;
    int suit = QByteArray("DCHS").indexOf(t.back().toLatin1());
    QString rank = t.left(t.size() - 1);
    for (int r = 0; r < 13; ++r)
        if (rank == QLatin1String(RankText[r]) && suit >= 0)
            return suit * 13 + r + 1;
    return 0;
}

QString CardText(int n) {
    if (n < 1 || n > 52)
        return QStringLiteral("?");
    return QLatin1String(RankText[(n - 1) % 13]) + QLatin1Char(SuitText[(n - 1) / 13]);
}

ScenarioResult RunScenario(const QByteArray& text, std::optional<uint64_t> seed) {
    Setup setup;
    QList<Action> actions;
    QMap<int, int> lineOf;  // player, dorvil, face, discard: the line that listed them
    try {
        const QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            const int line = i + 1;
            QString raw = lines[i].trimmed();
            if (raw.isEmpty() || raw.startsWith(QLatin1Char('#')))
                continue;
            QStringList w = raw.split(QRegularExpression(QStringLiteral("\\s+")));
            QString key = w[0].toLower();
            if (IsSetupWord(key)) {
                if (!actions.isEmpty())
                    throw ScenarioError{line, QStringLiteral("set-up directive '%1' after the "
                                                             "first action").arg(w[0])};
                ParseSetupLine(setup, w, raw, line);
                static const QStringList listed{"player", "dorvil", "face", "discard"};
                if (listed.contains(key))
                    lineOf[listed.indexOf(key)] = line;
            } else {
                CheckAction(w, line);
                actions.append(Action{line, w.join(' '), w});
            }
        }
        CheckCards(setup, lineOf);
    } catch (const ScenarioError& e) {
        return ScenarioResult{2, {}, QStringLiteral("line %1: %2").arg(e.Line).arg(e.What)};
    }

    auto random = MakeRandomSource(seed ? seed : setup.Seed);
    auto forced = std::make_shared<std::deque<int>>(setup.StockDraws.begin(), setup.StockDraws.end());
    SimView view;
    FrmMain frm(view, TableSettings{QString(), QString(), [random, forced] {
                                        if (forced->empty())
                                            return random();
                                        int k = forced->front();
                                        forced->pop_front();
                                        // x = r * 52 rounds to k; 52 only from 51.5 up
                                        return (k == 52 ? 51.75 : k) / 52.0;
                                    }});
    LayTable(frm, view, setup);
    // Answers written before any other action are for the opening turn.
    qsizetype first = 0;
    while (first < actions.size() && actions[first].Words[0].compare("answer", Qt::CaseInsensitive) == 0)
        Perform(frm, view, actions[first++].Words);
    frm.Dispatch([&] { frm.PassTurn(); });
    for (const Action& action : actions.mid(first)) {
        if (view.Ended)
            break;
        if (!Perform(frm, view, action.Words))
            view.Out += QStringLiteral("ignored: ") + action.Text + '\n';
    }
    return ScenarioResult{0, view.Out + FinalTable(frm), {}};
}
