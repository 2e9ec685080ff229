// The self-play's runner, shared by its files: the sessions and moves
// (SelfPlay.cpp), the recovery file kept and taken back (SelfPlayRecovery.cpp)
// and the report of a fault (SelfPlayReport.cpp).
#pragma once

#include "SelfPlay.h"

#include "FrmMain.h"
#include "HeadlessView.h"
#include "Invariants.h"
#include "ModelCheck.h"
#include "PlayerPolicy.h"
#include "Random.h"
#include "Recovery.h"
#include "RecoveryKeeper.h"
#include "ViewMemory.h"

#include <QTemporaryDir>
#include <atomic>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace SelfPlayParts {

// Thrown through the game when the last hand is played out, or at the first
// fault; the session's table is dropped whole afterwards.
struct RunFinished {};
struct FaultFound {};

constexpr int MaxDepth = 3;                   // handlers nested inside pauses
constexpr int64_t MaxTurnsPerHand = 5000;     // a hand that goes on longer hangs
constexpr int64_t MaxMovesPerHand = 200000;   // moves of the player in one hand
constexpr int64_t MaxDrawsPerHand = 10000000; // random numbers for one hand's draws
constexpr int HangSeconds = 60;               // no progress at all for this long

// The last moments of the run, kept compact and put into words only when a
// fault is reported.
struct LogEntry {
    enum Kind : uint8_t { Deal, Session, Call, Event, Message } What;
    uint8_t A, B, C;
    int32_t X;
    const char* Handler; // a call's handler
};

class SelfPlayView;

} // namespace SelfPlayParts

struct SelfPlay::Runner {
    SelfPlayConfig Config;
    std::vector<std::function<void(const TableEvent&)>> Listeners;
    std::vector<std::function<void()>> DealListeners;
    std::vector<std::function<void()>> RestoreListeners;
    std::optional<RandomSource> Random; // the runner's copy of the table's generator
    std::unique_ptr<PlayerPolicy> Policy;
    // Destroyed in reverse: the table before its view memory before the view.
    std::unique_ptr<SelfPlayParts::SelfPlayView> View;
    std::unique_ptr<ViewMemory> Shown;
    std::unique_ptr<FrmMain> Frm;
    uint64_t RestoreDraws = 0; // --restore's own generator, apart from the game's
    uint64_t TrialDraws = 0;   // when drops are tried, apart from the game's
    ModelCheck Modelled;
    bool ModelStale = true; // the table moved since the model was last compared
    std::unique_ptr<QTemporaryDir> RestoreFolder;
    std::unique_ptr<RecoveryKeeper> Keeper; // --recovery
    SelfPlayResult Result;
    int Depth = 0;
    int64_t HandTurns = 0, HandMoves = 0, HandDraws = 0;
    int16_t ScoreSeen[2] = {};
    bool FilesDirty = false;
    std::atomic<uint64_t> Progress{0};
    static constexpr int LogSize = 96;
    SelfPlayParts::LogEntry Log[LogSize] = {};
    uint64_t Logged = 0;
    std::vector<QString> Titles;
    LastCheckedTable Checked;

    void Note(SelfPlayParts::LogEntry::Kind what, int a, int b = 0, int c = 0, int x = 0,
              const char* handler = nullptr) {
        Log[Logged++ % LogSize] = SelfPlayParts::LogEntry{
            what,   static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c), x,
            handler};
    }
    void RunSession();
    // SelfPlayRecovery.cpp: a fresh table drawing from `generator`, the game
    // kept at each point of rest, a game saved and taken back.
    void NewTable(const RandomSource& generator);
    void KeepGame();
    void LeaveGame();
    bool StartFromSaved();
    void MaybeRestore();
    void Restore(const QString& folder);
    void Perform(const PlayerMove& move);
    template <class F> void Fire(const char* handler, int card, F&& run);
    void Check(Moment when);
    void CheckModel();
    void AtPause();
    int Question(const QString& title, int buttons);
    void OnEvent(const TableEvent& e);
    void OnDeal();
    void CheckSettlement(const TableEvent& e);
    void CheckFiles();
    void CheckWhatWasRead(bool firstSession);
    [[noreturn]] void Fault(const QString& what);
    QString Report(const QString& what) const;
    QString EntryText(const SelfPlayParts::LogEntry& e) const;
};

namespace SelfPlayParts {

// The headless window of the self-play: it keeps what a player could see and
// use, and hands pauses, questions and events to the runner.
class SelfPlayView final : public HeadlessView {
  public:
    explicit SelfPlayView(SelfPlay::Runner& runner) : R(runner) {}
    WindowState Window;
    QString TargetBox;
    bool Closed = false;

    void SetCardVisible(int n, bool visible) override { Window.CardShown[n] = visible; }
    // Dorvil's thinking, timed on the processor clock of this thread.
    void Think(const std::function<void()>& work) override {
        timespec a{}, b{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &a);
        work();
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &b);
        R.Result.ThinkMicroseconds.push_back(
            static_cast<float>((b.tv_sec - a.tv_sec) * 1e6 + (b.tv_nsec - a.tv_nsec) / 1e3));
    }
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
    void EnableMenu(Menu menu, bool enabled) override {
        if (menu == Menu::MnuPlay) Window.PlayMenu = enabled;
        if (menu == Menu::MnuExit) Window.ExitItem = enabled;
        if (menu == Menu::MnuOptions) Window.OptionsMenu = enabled;
    }
    QString TargetText() const override { return TargetBox; }
    void Pause(int) override { R.AtPause(); }
    int DeluxeMsg(const QString&, const QString&, const QString& c1, const QString& c2, int,
                  const QString& title) override {
        return R.Question(title, 1 + !c1.isEmpty() + (!c1.isEmpty() && !c2.isEmpty()));
    }
    std::optional<QString> InputBox(const QString&, const QString&, const QString&) override {
        return R.Policy->NameText();
    }
    void ErrorBox(const QString& text) override {
        R.Fault(QStringLiteral("the game reported an unexpected error: ") + text);
    }
    void SetFollowObject(int n) override { Window.FollowObject = n; }
    void SetFollowEnabled(bool enabled) override { Window.Following = enabled; }
    void CloseProgram() override { Closed = true; }
    void Record(const TableEvent& e) override { R.OnEvent(e); }
    void NewHandStarting() override { R.OnDeal(); }
    void HandDealt() override {
        R.Modelled.Dealt(*R.Frm);
        for (const auto& listener : R.DealListeners)
            listener();
    }

  private:
    SelfPlay::Runner& R;
};

} // namespace SelfPlayParts
