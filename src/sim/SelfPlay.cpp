// The self-play loop: sessions of the real table, a policy on the player's
// side, every handler reached the way the window reaches it, and the checks
// after every handler, at every pause and at every question.
#include "SelfPlayRunner.h"

#include "SavedRecord.h"

#include <QElapsedTimer>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <unistd.h>

using namespace SelfPlayParts;

namespace {

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

} // namespace

void SelfPlay::Runner::RunSession() {
    ++Result.Sessions;
    Note(LogEntry::Session, 0, 0, 0, static_cast<int32_t>(Result.Sessions));
    NewTable(*Random);
    Modelled.Forget();
    ScoreSeen[0] = ScoreSeen[1] = 0;
    Depth = 0;
    Frm->DorvilChosen = Config.Dorvil;
    const QString data = Config.DataFolder;
    if (!StartFromSaved()) {
        Fire("Form_Load", 0, [this] { Frm->Form_Load(); });
        if (!data.isEmpty()) CheckWhatWasRead(Result.Sessions == 1);
    }
    if (Config.Hands == 0) throw RunFinished{}; // a start that only reads the files
    while (!View->Closed) {
        Perform(Policy->Next(*Frm, View->Window));
        if (Config.Restore) MaybeRestore();
    }
    // Left on purpose: the game is not to come back.
    LeaveGame();
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
        Fire("Cds_MouseDown", n, [&] { f.Cds_MouseDown(n); });
        if (View->Closed) return;
        // The card follows the pointer only when the press began a drag.
        if (View->Window.Following && View->Window.FollowObject == n)
            View->MoveCard(n, m.Left, m.Top);
        Fire("Cds_MouseUp", n, [&] { f.Cds_MouseUp(n); });
        if (View->Closed) return;
        if (!f.GameInPlay) OnDeal(); // the click deals
        Fire("Cds_Click", n, [&] { f.Cds_Click(n); });
        return;
    case Control::Hover:
        return Fire("Cds_MouseMove", n, [&] { f.Cds_MouseMove(n); });
    case Control::SortSame:
        return Fire("LblSortSame_Click", 0, [&] { f.LblSortSame_Click(); });
    case Control::SortSuits:
        return Fire("LblSortSuits_Click", 0, [&] { f.LblSortSuits_Click(); });
    case Control::TakeBack:
        return Fire("LblTakeBack_Click", 0, [&] { f.LblTakeBack_Click(); });
    case Control::CallDraw:
        return Fire("LblDraw_Click", 0, [&] { f.LblDraw_Click(); });
    case Control::NewGame:
        return Fire("MnuNew_Click", 0, [&] { f.MnuNew_Click(); });
    case Control::Exit:
        return Fire("MnuExit_Click", 0, [&] { f.MnuExit_Click(); });
    case Control::CloseWindow:
        return Fire("Form_QueryUnload", 0, [&] { f.Form_QueryUnload(0); });
    case Control::ChangeTarget:
        return Fire("MnuCT", 0, [&] { f.MnuCT(); });
    case Control::ConfirmTarget:
        View->TargetBox = Policy->TargetText();
        return Fire("CmdTarget", 0, [&] { f.CmdTarget(); });
    case Control::EnterName:
        FilesDirty = true;
        return Fire("MnuPname", 0, [&] { f.MnuPname(); });
    case Control::EraseStatistics:
        FilesDirty = true;
        return Fire("ErasePoints", 0, [&] { f.ErasePoints(); });
    }
}

template <class F> void SelfPlay::Runner::Fire(const char* handler, int card, F&& run) {
    Note(LogEntry::Call, 0, card, Depth, 0, handler);
    ++Depth;
    Frm->Dispatch(std::forward<F>(run));
    --Depth;
    Check(Depth == 0 ? Moment::AtRest : Moment::InFlight);
}

void SelfPlay::Runner::Check(Moment when) {
    Progress.fetch_add(1, std::memory_order_relaxed);
    // Once the program closes, every waiting sequence stops where it stands.
    if (View->Closed || Frm->Closing) return;
    if (!Checked.Covers(*Frm, when)) {
        const QString problem = CheckTable(*Frm, when);
        if (!problem.isEmpty()) Fault(problem);
        Checked.Passed(*Frm, when);
        ModelStale = true;
    }
    if (Frm->PlayerScore != ScoreSeen[0] || Frm->OppScore != ScoreSeen[1]) {
        // Scores change at a settlement (checked there) or go back to 0 for a new game.
        if (Frm->PlayerScore != 0 || Frm->OppScore != 0)
            Fault(QStringLiteral("the scores changed outside a settlement"));
        ScoreSeen[0] = ScoreSeen[1] = 0;
    }
    if (when == Moment::AtRest && FilesDirty && !Config.DataFolder.isEmpty()) CheckFiles();
    if (when == Moment::AtRest && Config.KeepGame) KeepGame();
    if (when == Moment::AtRest) CheckModel();
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
    // A card that goes back to the hand changes nothing of the hand in play
    // (were it otherwise, the table's check would see the table change).
    if (e.What != TableEvent::Returns) ModelStale = true;
    if (const QString problem = Modelled.Follow(*Frm, e); !problem.isEmpty()) Fault(problem);
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
    if (Result.Hands == Config.Hands || (Config.Games > 0 && Result.Games >= Config.Games))
        throw RunFinished{};
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
    const QString problem = CheckSavedFiles(*Frm, Config.DataFolder, false, false);
    if (!problem.isEmpty()) Fault(problem);
}

// A new session reads back exactly what the last one wrote. A damaged file
// met by the first session was not written by this run: the game reads it
// as best it can, which is no fault.
void SelfPlay::Runner::CheckWhatWasRead(bool firstSession) {
    const QString problem = CheckSavedFiles(*Frm, Config.DataFolder, firstSession, true);
    if (!problem.isEmpty()) Fault(QStringLiteral("after start-up: ") + problem);
}

void SelfPlay::Runner::Fault(const QString& what) {
    ++Result.Faults;
    Result.FaultReport = Report(what);
    throw FaultFound{};
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

void SelfPlay::ListenToDeals(std::function<void()> listener) {
    d->DealListeners.push_back(std::move(listener));
}

void SelfPlay::ListenToRestores(std::function<void()> listener) {
    d->RestoreListeners.push_back(std::move(listener));
}

const FrmMain* SelfPlay::Table() const {
    return d->Frm.get();
}

SelfPlayResult SelfPlay::Run() {
    QElapsedTimer clock;
    clock.start();
    d->Policy = MakePolicy(d->Config.Player, d->Config.Seed);
    d->Random.emplace(d->Config.Seed);
    d->RestoreDraws = d->Config.Seed ^ 0x7e57043eULL;
    d->TrialDraws = d->Config.Seed ^ 0xd809u;
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
    if (d->Keeper && !d->Keeper->Finish() && d->Result.Faults == 0) {
        d->Result.Faults = 1;
        d->Result.FaultReport = QStringLiteral("fault: a write of the recovery file failed\n");
    }
    d->Result.LongestHand = std::max(d->Result.LongestHand, d->HandTurns);
    d->Result.ModelMoves = d->Modelled.MovesMade();
    d->Result.ModelCompared = d->Modelled.Compared;
    d->Result.DropsTried = d->Modelled.DropsTried;
    d->Result.Seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    return d->Result;
}
