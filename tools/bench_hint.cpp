// meldora-bench-hint [HANDS] [SEED] [classic|sharp]: plays hands with the
// hint on the player's side, moving the cards through the handlers the
// mouse calls, and times each piece of advice (gathering what the player
// sees included) at the moment the player would ask for it: how many, the
// median, the 99th percentile and the slowest. Times are the processor time
// of the thread, and each call is timed three times and the least kept: on a
// shared machine a single timing now and then comes out ten times too long
// (another process's work evicting the caches), which the slowest single
// timing, printed last, still shows.
#include "FrmMain.h"
#include "HeadlessView.h"
#include "Hint.h"
#include "HintPlayer.h"
#include "Random.h"
#include "Scenario.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

double ThreadMicroseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

// Message boxes get their first button: go on playing, discard, play again.
class BenchView : public HeadlessView {
  public:
    int Hands = 0;
    long long GamesWon[2] = {}; // by the player, by Dorvil
    bool Following = false;
    void Record(const TableEvent& e) override {
        if (e.What == TableEvent::GameWon) ++GamesWon[e.ByDorvil ? 1 : 0];
    }
    void SetFollowEnabled(bool enabled) override { Following = enabled; }
    void NewHandStarting() override { ++Hands; }
};

void Report(const char* what, std::vector<double>& us) {
    if (us.empty()) return;
    std::sort(us.begin(), us.end());
    std::printf("%-22s %9zu calls  median %7.1f us  p99 %7.1f us  slowest %7.1f us\n", what,
                us.size(), us[us.size() / 2], us[us.size() * 99 / 100], us.back());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const long long hands = argc > 1 ? std::atoll(argv[1]) : 20000;
    const unsigned long long seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    const bool sharp = argc <= 3 || std::string(argv[3]) != "classic";
    BenchView view;
    FrmMain f(view, TableSettings{QString(), QString(), MakeRandomSource(seed)});
    f.DorvilChosen = sharp;
    f.Dispatch([&] { f.Form_Load(); });
    f.Dispatch([&] { f.Cds_Click(1); });
    std::vector<double> take, play, all;
    long long draws = 0;
    double slowestOnce = 0;
    int lastSerial = f.HandSerial, steps = 0;
    while (view.Hands < hands) {
        if (f.HandSerial != lastSerial) lastSerial = f.HandSerial, steps = 0;
        if (!Hint::Available(f) || ++steps > 20000) {
            std::printf("stuck in hand %d: the player's turn does not come back\n", view.Hands);
            return 1;
        }
        Hint::Advice advice;
        double us = 0;
        for (int k = 0; k < 3; ++k) {
            const double start = ThreadMicroseconds();
            advice = Hint::NextStep(Hint::WhatPlayerSees(f));
            const double once = ThreadMicroseconds() - start;
            us = k == 0 ? once : std::min(us, once);
            slowestOnce = std::max(slowestOnce, once);
        }
        all.push_back(us);
        (f.PlayerHasDrawn ? play : take).push_back(us);
        draws += advice.What == Hint::Advice::CallDraw;
        const PlayerMove m = MoveFor(f, advice);
        switch (m.What) {
        case Control::Card:
            f.Dispatch([&] { f.Cds_MouseDown(m.Card); });
            if (view.Following) view.MoveCard(m.Card, m.Left, m.Top);
            f.Dispatch([&] { f.Cds_MouseUp(m.Card); });
            break;
        case Control::TakeBack:
            f.Dispatch([&] { f.LblTakeBack_Click(); });
            break;
        case Control::CallDraw:
            f.Dispatch([&] { f.LblDraw_Click(); });
            break;
        default:
            std::printf("the hint had no advice: %s\n", HintLine(advice).toUtf8().constData());
            return 1;
        }
    }
    std::printf("%d hands against %s Dorvil: %lld games won by the player, %lld by Dorvil, "
                "%lld draws called\n",
                view.Hands, sharp ? "Sharp" : "Classic", view.GamesWon[0], view.GamesWon[1], draws);
    Report("take a card", take);
    Report("lay or discard", play);
    Report("every piece of advice", all);
    std::printf("the slowest single timing: %.1f us\n", slowestOnce);
    return 0;
}
