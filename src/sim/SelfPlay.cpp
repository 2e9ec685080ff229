// The self-play loop: sessions of the real table, a policy on the player's
// side, every handler reached the way the window reaches it, and the checks
// after every handler, at every pause and at every question.
#include "SelfPlay.h"

#include "FrmMain.h"
#include "Invariants.h"
#include "PlayerPolicy.h"
#include "Random.h"
#include "SavedRecord.h"
#include "Scenario.h"

#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// Thrown through the game when the last hand is played out, or at the first
// fault; the session's table is dropped whole afterwards.
struct RunFinished {};
struct FaultFound {};

constexpr int MaxDepth = 3;                   // handlers nested inside pauses
constexpr int64_t MaxTurnsPerHand = 5000;     // a hand that goes on longer hangs
constexpr int64_t MaxMovesPerHand = 200000;   // moves of the player in one hand
constexpr int64_t MaxDrawsPerHand = 10000000; // random numbers for one hand's draws
constexpr int HangSeconds = 60;               // no progress at all for this long

enum class Handler : uint8_t {
    Load,
    MouseDown,
    MouseUp,
    Click,
    MouseMove,
    SortSame,
    SortSuits,
    TakeBack,
    CallDraw,
    NewGame,
    Exit,
    QueryUnload,
    ChangeTarget,
    ConfirmTarget,
    EnterName,
    Erase,
};
const char* const HandlerNames[] = {
    "Form_Load",     "Cds_MouseDown",     "Cds_MouseUp",        "Cds_Click",
    "Cds_MouseMove", "LblSortSame_Click", "LblSortSuits_Click", "LblTakeBack_Click",
    "LblDraw_Click", "MnuNew_Click",      "MnuExit_Click",      "Form_QueryUnload",
    "MnuCT",         "CmdTarget",         "MnuPname",           "ErasePoints"};

// The last moments of the run, kept compact and put into words only when a
// fault is reported.
struct LogEntry {
    enum Kind : uint8_t { Deal, Session, Call, Event, Message } What;
    uint8_t A, B, C;
    int32_t X;
};

class SelfPlayView;

} // namespace

struct SelfPlay::Runner {
    SelfPlayConfig Config;
    std::vector<std::function<void(const TableEvent&)>> Listeners;
    std::function<double()> Random;
    std::unique_ptr<PlayerPolicy> Policy;
    std::unique_ptr<SelfPlayView> View;
    std::unique_ptr<FrmMain> Frm;
    SelfPlayResult Result;
    int Depth = 0;
    int64_t HandTurns = 0, HandMoves = 0, HandDraws = 0;
    int16_t ScoreSeen[2] = {};
    bool FilesDirty = false;
    std::atomic<uint64_t> Progress{0};
    static constexpr int LogSize = 96;
    LogEntry Log[LogSize] = {};
    uint64_t Logged = 0;
    std::vector<QString> Titles;

    void Note(LogEntry::Kind what, int a, int b = 0, int c = 0, int x = 0) {
        Log[Logged++ % LogSize] = LogEntry{what, static_cast<uint8_t>(a), static_cast<uint8_t>(b),
                                           static_cast<uint8_t>(c), x};
    }
    void RunSession();
    void Perform(const PlayerMove& move);
    template <class F> void Fire(Handler h, int card, F&& handler);
    void Check(Moment when);
    void AtPause();
    int Question(const QString& title, int buttons);
    void OnEvent(const TableEvent& e);
    void OnDeal();
    void CheckSettlement(const TableEvent& e);
    void CheckFiles();
    void CheckWhatWasRead(bool firstSession);
    [[noreturn]] void Fault(const QString& what);
    QString Report(const QString& what) const;
    QString EntryText(const LogEntry& e) const;
};

namespace {

// The headless window of the self-play: it keeps what a player could see and
// use, and hands pauses, questions and events to the runner.
class SelfPlayView final : public TableView {
  public:
    explicit SelfPlayView(SelfPlay::Runner& runner) : R(runner) {}
    WindowState Window;
    int Left[53] = {}, Top[53] = {};
    QString TargetBox;
    bool Closed = false;

    void CreateCardPictures() override {}
    void ShowCardImage(int, int) override {}
    void MoveCard(int n, int left, int top) override { Left[n] = left, Top[n] = top; }
    int CardLeft(int n) const override { return Left[n]; }
    int CardTop(int n) const override { return Top[n]; }
    void BringCardToFront(int) override {}
    void SetCardVisible(int n, bool visible) override { Window.CardShown[n] = visible; }
    void SetCardPointer(int, int) override {}
    void SetCardToolTip(int, const QString&) override {}
    void SetText(Ctl, const QString&) override {}
    void SetVisible(Ctl control, bool visible) override {
        switch (control) {
        case Ctl::PicDraw:
            Window.CallDraw = visible;
            break;
        case Ctl::PicSortSame:
            Window.SortSame = visible;
            break;
        case Ctl::PicSortSuits:
            Window.SortSuits = visible;
            break;
        case Ctl::PicTakeBack:
            Window.TakeBack = visible;
            break;
        case Ctl::FramTarget:
            Window.TargetFrame = visible;
            break;
        default:
            break;
        }
    }
    void SetPanelText(int, const QString&) override {}
    void EnableMenu(Menu menu, bool enabled) override {
        if (menu == Menu::MnuPlay) Window.PlayMenu = enabled;
        if (menu == Menu::MnuExit) Window.ExitItem = enabled;
        if (menu == Menu::MnuOptions) Window.OptionsMenu = enabled;
    }
    QString TargetText() const override { return TargetBox; }
    void FocusTargetBox() override {}
    void PlaySound(Sound) override {}
    void Pause(int) override { R.AtPause(); }
    int DeluxeMsg(const QString&, const QString&, const QString& c1, const QString& c2, int,
                  const QString& title) override {
        return R.Question(title, 1 + !c1.isEmpty() + (!c1.isEmpty() && !c2.isEmpty()));
    }
    QString InputBox(const QString&, const QString&, const QString&) override {
        return R.Policy->NameText();
    }
    void ErrorBox(const QString& text) override {
        R.Fault(QStringLiteral("the game reported an unexpected error: ") + text);
    }
    void CreateFollower() override {}
    void SetFollowObject(int n) override { Window.FollowObject = n; }
    void SetFollowEnabled(bool enabled) override { Window.Following = enabled; }
    void CloseProgram() override { Closed = true; }
    void Record(const TableEvent& e) override { R.OnEvent(e); }
    void NewHandStarting() override { R.OnDeal(); }

  private:
    SelfPlay::Runner& R;
};

// Ends the process with the report when the run stops making progress: a
// loop inside the game that never reaches a pause or the window.
class Watchdog {
  public:
    Watchdog(const std::atomic<uint64_t>& progress, std::function<void()> onHang)
        : Thread([this, &progress, onHang] {
              uint64_t last = progress.load();
              int still = 0;
              std::unique_lock<std::mutex> lock(M);
              while (!Stop) {
                  Wake.wait_for(lock, std::chrono::seconds(1));
                  const uint64_t now = progress.load();
                  still = now == last ? still + 1 : 0;
                  last = now;
                  if (still >= HangSeconds && !Stop) onHang();
              }
          }) {}
    ~Watchdog() {
        {
            std::lock_guard<std::mutex> lock(M);
            Stop = true;
        }
        Wake.notify_all();
        Thread.join();
    }

  private:
    std::mutex M;
    std::condition_variable Wake;
    bool Stop = false;
    std::thread Thread;
};

QString Printable(const QByteArray& bytes) {
    QString text;
    for (char c : bytes.left(200)) {
        auto b = static_cast<unsigned char>(c);
        text += b >= 0x20 && b < 0x7f ? QString(QLatin1Char(c))
                                      : QStringLiteral("\\x%1").arg(b, 2, 16, QLatin1Char('0'));
    }
    return text;
}

} // namespace

void SelfPlay::Runner::RunSession() {
    ++Result.Sessions;
    Note(LogEntry::Session, 0, 0, 0, static_cast<int32_t>(Result.Sessions));
    Frm.reset();
    View = std::make_unique<SelfPlayView>(*this);
    const QString data = Config.DataFolder;
    Frm = std::make_unique<FrmMain>(
        *View, TableSettings{data, data, [this] {
                                 if (++HandDraws > MaxDrawsPerHand)
                                     Fault(QStringLiteral("a draw from the stock "
                                                          "does not end"));
                                 return Random();
                             }});
    ScoreSeen[0] = ScoreSeen[1] = 0;
    Depth = 0;
    Frm->SharpChosen = Config.SharpDorvil;
    Fire(Handler::Load, 0, [this] { Frm->Form_Load(); });
    if (!data.isEmpty()) CheckWhatWasRead(Result.Sessions == 1);
    while (!View->Closed)
        Perform(Policy->Next(*Frm, View->Window));
}

void SelfPlay::Runner::Perform(const PlayerMove& m) {
    if (++HandMoves > MaxMovesPerHand)
        Fault(QStringLiteral("hand %1 has not ended after %2 moves")
                  .arg(Result.Hands)
                  .arg(MaxMovesPerHand));
    if (View->Closed || !View->Window.Offers(m)) return;
    FrmMain& f = *Frm;
    const int n = m.Card;
    switch (m.What) {
    case Control::Card:
        Fire(Handler::MouseDown, n, [&] { f.Cds_MouseDown(n); });
        if (View->Closed) return;
        // The card follows the pointer only when the press began a drag.
        if (View->Window.Following && View->Window.FollowObject == n)
            View->MoveCard(n, m.Left, m.Top);
        Fire(Handler::MouseUp, n, [&] { f.Cds_MouseUp(n); });
        if (View->Closed) return;
        if (!f.GameInPlay) OnDeal(); // the click deals
        Fire(Handler::Click, n, [&] { f.Cds_Click(n); });
        return;
    case Control::Hover:
        return Fire(Handler::MouseMove, n, [&] { f.Cds_MouseMove(n); });
    case Control::SortSame:
        return Fire(Handler::SortSame, 0, [&] { f.LblSortSame_Click(); });
    case Control::SortSuits:
        return Fire(Handler::SortSuits, 0, [&] { f.LblSortSuits_Click(); });
    case Control::TakeBack:
        return Fire(Handler::TakeBack, 0, [&] { f.LblTakeBack_Click(); });
    case Control::CallDraw:
        return Fire(Handler::CallDraw, 0, [&] { f.LblDraw_Click(); });
    case Control::NewGame:
        return Fire(Handler::NewGame, 0, [&] { f.MnuNew_Click(); });
    case Control::Exit:
        return Fire(Handler::Exit, 0, [&] { f.MnuExit_Click(); });
    case Control::CloseWindow:
        return Fire(Handler::QueryUnload, 0, [&] { f.Form_QueryUnload(0); });
    case Control::ChangeTarget:
        return Fire(Handler::ChangeTarget, 0, [&] { f.MnuCT(); });
    case Control::ConfirmTarget:
        View->TargetBox = Policy->TargetText();
        return Fire(Handler::ConfirmTarget, 0, [&] { f.CmdTarget(); });
    case Control::EnterName:
        FilesDirty = true;
        return Fire(Handler::EnterName, 0, [&] { f.MnuPname(); });
    case Control::EraseStatistics:
        FilesDirty = true;
        return Fire(Handler::Erase, 0, [&] { f.ErasePoints(); });
    }
}

template <class F> void SelfPlay::Runner::Fire(Handler h, int card, F&& handler) {
    Note(LogEntry::Call, static_cast<int>(h), card, Depth);
    ++Depth;
    Frm->Dispatch(std::forward<F>(handler));
    --Depth;
    Check(Depth == 0 ? Moment::AtRest : Moment::InFlight);
}

void SelfPlay::Runner::Check(Moment when) {
    Progress.fetch_add(1, std::memory_order_relaxed);
    // Once the program closes, every waiting sequence stops where it stands.
    if (View->Closed || Frm->Closing) return;
    const QString problem = CheckTable(*Frm, when);
    if (!problem.isEmpty()) Fault(problem);
    if (Frm->PlayerScore != ScoreSeen[0] || Frm->OppScore != ScoreSeen[1]) {
        // Scores change at a settlement (checked there) or go back to 0 for a new game.
        if (Frm->PlayerScore != 0 || Frm->OppScore != 0)
            Fault(QStringLiteral("the scores changed outside a settlement"));
        ScoreSeen[0] = ScoreSeen[1] = 0;
    }
    if (when == Moment::AtRest && FilesDirty && !Config.DataFolder.isEmpty()) CheckFiles();
}

void SelfPlay::Runner::AtPause() {
    Check(Moment::InFlight);
    if (Depth < MaxDepth && !View->Closed)
        if (auto move = Policy->Meanwhile(*Frm, View->Window, false)) Perform(*move);
}

int SelfPlay::Runner::Question(const QString& title, int buttons) {
    if (View->Closed) return 0;
    Check(Moment::InFlight);
    if (Depth < MaxDepth)
        if (auto move = Policy->Meanwhile(*Frm, View->Window, true)) Perform(*move);
    if (View->Closed) return 0; // the box closes with the program
    const int choice = std::clamp(Policy->Answer(title, buttons), 0, buttons - 1);
    int index = 0;
    while (index < static_cast<int>(Titles.size()) && Titles[static_cast<size_t>(index)] != title)
        ++index;
    if (index == static_cast<int>(Titles.size()) && index < 250) Titles.push_back(title);
    Note(LogEntry::Message, index, buttons, choice);
    return choice;
}

void SelfPlay::Runner::OnEvent(const TableEvent& e) {
    Note(LogEntry::Event, e.What, e.Card, e.Column | (e.ByDorvil ? 0x80 : 0), e.Count);
    switch (e.What) {
    case TableEvent::Takes:
    case TableEvent::Draws:
        ++Result.Turns;
        if (++HandTurns > MaxTurnsPerHand)
            Fault(QStringLiteral("hand %1 has not ended after %2 turns")
                      .arg(Result.Hands)
                      .arg(MaxTurnsPerHand));
        break;
    case TableEvent::HandWon:
        CheckSettlement(e);
        ++(e.ByDorvil ? Result.HandsWonByDorvil : Result.HandsWonByPlayer);
        break;
    case TableEvent::GameWon:
        ++Result.Games;
        ++(e.ByDorvil ? Result.GamesWonByDorvil : Result.GamesWonByPlayer);
        (e.ByDorvil ? Result.MarginsOfDorvil : Result.MarginsOfPlayer) +=
            std::abs(Frm->PlayerScore - Frm->OppScore);
        FilesDirty = true;
        break;
    default:
        break;
    }
    for (const auto& listener : Listeners)
        listener(e);
}

void SelfPlay::Runner::OnDeal() {
    if (Result.Hands == Config.Hands) throw RunFinished{};
    ++Result.Hands;
    Result.LongestHand = std::max(Result.LongestHand, HandTurns);
    HandTurns = HandMoves = HandDraws = 0;
    Note(LogEntry::Deal, 0, 0, 0, static_cast<int32_t>(Result.Hands));
}

// The winner scores what is left in the loser's hand, no more and no less.
void SelfPlay::Runner::CheckSettlement(const TableEvent& e) {
    const int loser = e.ByDorvil ? Where::PlayerHand : Where::DorvilHand;
    int points = 0;
    for (int n = 1; n <= 52; ++n)
        if (Frm->Cards(n).Place == loser) points += Frm->Cards(n).Rank;
    if (points != e.Count)
        Fault(QStringLiteral("the hand was won with %1 points; the cards left hold %2")
                  .arg(e.Count)
                  .arg(points));
    const int w = e.ByDorvil ? 1 : 0;
    const int16_t score = e.ByDorvil ? Frm->OppScore : Frm->PlayerScore;
    if (score != SavedRecord::Saturate16(ScoreSeen[w] + e.Count))
        Fault(QStringLiteral("a score of %1 plus %2 points became %3")
                  .arg(ScoreSeen[w])
                  .arg(e.Count)
                  .arg(score));
    ScoreSeen[w] = score;
}

// Every write leaves one whole record, and it holds what the table holds.
void SelfPlay::Runner::CheckFiles() {
    FilesDirty = false;
    QFile scores(Config.DataFolder + QStringLiteral("/Scores.dat"));
    if (scores.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = scores.read(1 << 16);
        const auto saved = ReadStatisticsStrictly(bytes);
        if (!saved)
            Fault(QStringLiteral("Scores.dat is not one whole record: ") + Printable(bytes));
        const FrmMain& f = *Frm;
        if (saved->PlayerGamesWon != f.PlayerGamesWon || saved->OppGamesWon != f.OppGamesWon ||
            saved->PlayerMoney != f.PlayerMoney || saved->OppMoney != f.OppMoney)
            Fault(QStringLiteral("Scores.dat holds %1 but the table %2,%3,%4,%5")
                      .arg(Printable(bytes))
                      .arg(f.PlayerGamesWon)
                      .arg(f.OppGamesWon)
                      .arg(f.OppMoney)
                      .arg(f.PlayerMoney));
    }
    QFile names(Config.DataFolder + QStringLiteral("/Names2.dat"));
    if (names.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = names.read(1 << 16);
        if (!ReadNameStrictly(bytes))
            Fault(QStringLiteral("Names2.dat is not one whole record: ") + Printable(bytes));
    }
}

// A new session reads back exactly what the last one wrote. A damaged file
// met by the first session was not written by this run: the game reads it
// as best it can, which is no fault.
void SelfPlay::Runner::CheckWhatWasRead(bool firstSession) {
    const FrmMain& f = *Frm;
    QFile scores(Config.DataFolder + QStringLiteral("/Scores.dat"));
    if (scores.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = scores.read(1 << 16);
        const auto saved = ReadStatisticsStrictly(bytes);
        if (!saved && !firstSession)
            Fault(QStringLiteral("Scores.dat is not one whole record: ") + Printable(bytes));
        if (saved &&
            (saved->PlayerGamesWon != f.PlayerGamesWon || saved->OppGamesWon != f.OppGamesWon ||
             saved->PlayerMoney != f.PlayerMoney || saved->OppMoney != f.OppMoney))
            Fault(QStringLiteral("the game read %1,%2,%3,%4 from Scores.dat, which holds %5")
                      .arg(f.PlayerGamesWon)
                      .arg(f.OppGamesWon)
                      .arg(f.OppMoney)
                      .arg(f.PlayerMoney)
                      .arg(Printable(bytes)));
    }
    QFile names(Config.DataFolder + QStringLiteral("/Names2.dat"));
    if (names.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = names.read(1 << 16);
        const auto name = ReadNameStrictly(bytes);
        if (!name && !firstSession)
            Fault(QStringLiteral("Names2.dat is not one whole record: ") + Printable(bytes));
        if (name && *name != f.PlayerName)
            Fault(QStringLiteral("the game read the name '%1' from Names2.dat, which holds %2")
                      .arg(f.PlayerName, Printable(bytes)));
    }
}

void SelfPlay::Runner::Fault(const QString& what) {
    ++Result.Faults;
    Result.FaultReport = Report(what);
    throw FaultFound{};
}

QString SelfPlay::Runner::EntryText(const LogEntry& e) const {
    switch (e.What) {
    case LogEntry::Deal:
        return QStringLiteral("hand %1 is dealt").arg(e.X);
    case LogEntry::Session:
        return QStringLiteral("session %1 starts").arg(e.X);
    case LogEntry::Call:
        return QString(e.C * 2, QLatin1Char(' ')) + QLatin1String(HandlerNames[e.A]) +
               (e.B ? QStringLiteral(" %1").arg(CardText(e.B)) : QString()) +
               (e.C ? QStringLiteral(" (inside a pause or a question)") : QString());
    case LogEntry::Event:
        return EventLine(TableEvent{static_cast<TableEvent::Kind>(e.A), (e.C & 0x80) != 0, e.B,
                                    e.C & 0x7f, e.X});
    case LogEntry::Message:
        return QStringLiteral("message \"%1\" (%2 buttons) -> button %3")
            .arg(e.A < Titles.size() ? Titles[e.A].trimmed() : QStringLiteral("?"))
            .arg(e.B)
            .arg(e.C);
    }
    return {};
}

QString SelfPlay::Runner::Report(const QString& what) const {
    QString text = QStringLiteral("fault: %1\nseed %2, hand %3, session %4, turn %5 of the hand\n"
                                  "last events, oldest first:\n")
                       .arg(what)
                       .arg(Config.Seed)
                       .arg(Result.Hands)
                       .arg(Result.Sessions)
                       .arg(HandTurns);
    for (uint64_t i = Logged > LogSize ? Logged - LogSize : 0; i < Logged; ++i)
        text += QStringLiteral("  ") + EntryText(Log[i % LogSize]) + QLatin1Char('\n');
    return text;
}

SelfPlay::SelfPlay(SelfPlayConfig config) : d(std::make_unique<Runner>()) {
    d->Config = std::move(config);
}

SelfPlay::~SelfPlay() {
    if (d) d->Frm.reset();
}

void SelfPlay::ListenToTable(std::function<void(const TableEvent&)> listener) {
    d->Listeners.push_back(std::move(listener));
}

const FrmMain* SelfPlay::Table() const {
    return d->Frm.get();
}

SelfPlayResult SelfPlay::Run() {
    QElapsedTimer clock;
    clock.start();
    d->Policy = MakePolicy(d->Config.Player, d->Config.Seed);
    d->Random = MakeRandomSource(d->Config.Seed);
    {
        Watchdog dog(d->Progress, [this] {
            d->Result.Faults = 1;
            std::fputs(
                d->Report(QStringLiteral("no progress for %1 s: the game hangs").arg(HangSeconds))
                    .toUtf8()
                    .constData(),
                stdout);
            std::fflush(stdout);
            _exit(1);
        });
        try {
            for (;;)
                d->RunSession();
        } catch (const RunFinished&) {
        } catch (const FaultFound&) {
        }
    }
    d->Result.LongestHand = std::max(d->Result.LongestHand, d->HandTurns);
    d->Result.Seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    return d->Result;
}

QString SummaryLine(const SelfPlayResult& r) {
    const double rate = r.Seconds > 0 ? static_cast<double>(r.Hands) / r.Seconds : 0;
    return QStringLiteral("%1 hands, %2 games, %3 turns, %4 faults, %5 hands/s, %6 won by the "
                          "player, %7 won by Dorvil")
        .arg(r.Hands)
        .arg(r.Games)
        .arg(r.Turns)
        .arg(r.Faults)
        .arg(static_cast<qint64>(rate + 0.5))
        .arg(r.GamesWonByPlayer)
        .arg(r.GamesWonByDorvil);
}

QString WinsLine(const SelfPlayResult& r) {
    auto average = [](int64_t sum, int64_t games) {
        return QString::number(games ? static_cast<double>(sum) / games : 0.0, 'f', 1);
    };
    return QStringLiteral("hands won: %1 by the player, %2 by Dorvil; average margin of a game "
                          "won: %3 by the player, %4 by Dorvil")
        .arg(r.HandsWonByPlayer)
        .arg(r.HandsWonByDorvil)
        .arg(average(r.MarginsOfPlayer, r.GamesWonByPlayer),
             average(r.MarginsOfDorvil, r.GamesWonByDorvil));
}
