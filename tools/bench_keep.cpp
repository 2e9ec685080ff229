// The cost of keeping hands, as the window pays it: on its thread, following
// each event and, when a hand is won, making its line and handing it to the
// writer; off it, the file of the last 1000 hands read and written whole.
// And the judgement of a kept hand, as the review weighs it.
// Usage: meldora-bench-keep [HANDS]   (scripts/bench-keep.sh)
#include "FrmMain.h"
#include "HandKeeper.h"
#include "Judgement.h"
#include "KeptHands.h"
#include "SelfPlay.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThreadPool>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void Report(const char* what, std::vector<double> us) {
    if (us.empty()) return;
    std::sort(us.begin(), us.end());
    std::printf("%s: %zu times, median %.1f us, 99th percentile %.1f us, longest %.1f us\n", what,
                us.size(), us[us.size() / 2], us[us.size() * 99 / 100], us.back());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int hands = argc > 1 ? std::atoi(argv[1]) : 1200;
    QTemporaryDir dir;
    const QString path = dir.filePath(Review::KeptHandsName);
    Review::HandKeeper keeper;
    QThreadPool writer;
    writer.setMaxThreadCount(1);
    std::vector<double> onEvent, onWin, writes;
    SelfPlay play(SelfPlayConfig{hands, 5, dir.path(), QStringLiteral("greedy")});
    play.ListenToDeals([&] { keeper.Dealt(*play.Table()); });
    play.ListenToTable([&](const TableEvent& e) {
        QElapsedTimer clock;
        clock.start();
        std::optional<Review::KeptHand> hand = keeper.Seen(*play.Table(), e);
        if (hand)
            writer.start([&writes, path, line = Review::Encode(*hand)] {
                QElapsedTimer w;
                w.start();
                Review::KeepHand(path, line);
                writes.push_back(w.nsecsElapsed() / 1000.0);
            });
        (hand ? onWin : onEvent).push_back(clock.nsecsElapsed() / 1000.0);
    });
    play.Run();
    writer.waitForDone();
    Report("on the window's thread, an event followed", onEvent);
    Report("on the window's thread, a won hand made into its line and handed over", onWin);
    Report("off it, the file read and written whole", writes);

    QElapsedTimer reading;
    reading.start();
    const Review::KeptHandsRead read = Review::ReadKeptHands(path);
    // What opening a review waits for before its first move shows.
    std::printf("the file of %zu kept hands read for a review: %.1f ms\n", read.Hands.size(),
                reading.nsecsElapsed() / 1e6);
    std::vector<double> judged;
    int longest = 0;
    double longestMs = 0, longestOf20 = 0; // of 20 to 24 turns: the hand the budget names
    for (const Review::KeptHand& h : read.Hands) {
        QElapsedTimer clock;
        clock.start();
        const Review::Replay replay = Review::PlayAgain(h);
        Review::Judge(h, replay.Steps);
        const double ms = clock.nsecsElapsed() / 1e6;
        judged.push_back(ms * 1000);
        if (replay.Steps.back().Turns >= 20 && ms > longestMs) {
            longestMs = ms;
            longest = replay.Steps.back().Turns;
        }
        if (replay.Steps.back().Turns >= 20 && replay.Steps.back().Turns < 25)
            longestOf20 = std::max(longestOf20, ms);
    }
    Report("a kept hand replayed and judged whole", judged);
    std::printf("the slowest judgement of a hand of 20 turns or more: %.0f ms (%d turns)\n",
                longestMs, longest);
    std::printf("the slowest judgement of a hand of 20 to 24 turns: %.0f ms\n", longestOf20);
    return 0;
}
