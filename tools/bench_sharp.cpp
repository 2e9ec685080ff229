// meldora-bench-sharp [HANDS] [SEED]: plays self-play hands of Sharp Dorvil
// against the greedy player and times each of his decisions on the positions
// that arise (gathering what he sees included): how many, the mean, the 99th
// percentile and the slowest. Times are the processor time of the thread, so
// that other work on a shared machine does not count.
#include "FrmMain.h"
#include "SelfPlay.h"
#include "Sharp.h"

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

template <class F> double Microseconds(F&& decide) {
    const double start = ThreadMicroseconds();
    decide();
    return ThreadMicroseconds() - start;
}

void Report(const char* what, std::vector<double>& us) {
    if (us.empty()) return;
    std::sort(us.begin(), us.end());
    double sum = 0;
    for (double x : us)
        sum += x;
    std::printf("%-34s %8zu decisions  mean %7.1f us  p99 %7.1f us  slowest %7.1f us\n", what,
                us.size(), sum / static_cast<double>(us.size()), us[us.size() * 99 / 100],
                us.back());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const long long hands = argc > 1 ? std::atoll(argv[1]) : 20000;
    const unsigned long long seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    SelfPlay play(SelfPlayConfig{hands, seed, QString(), QStringLiteral("greedy"), true});
    std::vector<double> face, meld, discard;
    volatile int sink = 0;
    play.ListenToTable([&](const TableEvent& e) {
        const FrmMain* f = play.Table();
        if (!f || !f->DorvilAtTable) return;
        if (e.What == TableEvent::Discards && !e.ByDorvil) {
            face.push_back(Microseconds([&] { sink = Sharp::TakesFaceCard(f->WhatDorvilSees()); }));
        } else if (e.ByDorvil && e.What != TableEvent::Discards && e.What != TableEvent::HandWon &&
                   e.What != TableEvent::GameWon) {
            meld.push_back(
                Microseconds([&] { sink = Sharp::NextMeldStep(f->WhatDorvilSees()).has_value(); }));
            discard.push_back(
                Microseconds([&] { sink = Sharp::ChooseDiscard(f->WhatDorvilSees()); }));
        }
    });
    const SelfPlayResult result = play.Run();
    std::printf("%s\n", SummaryLine(result).toUtf8().constData());
    Report("face card or stock", face);
    Report("next meld or lay-off", meld);
    Report("discard", discard);
    return result.Faults > 0 ? 1 : 0;
}
