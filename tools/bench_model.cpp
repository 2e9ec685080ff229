// meldora-bench-model [HANDS] [SEED]: the speed of the compact model of a
// hand. Deals HANDS hands from shuffled packs and plays each to its end with
// the greedy policy on both sides, then with the random one; replays the
// greedy hands' moves on fresh copies to time a move alone; and times the
// model built from the real table (and from what Dorvil sees) at the points
// of a few hundred hands of the table's self-play. Times are the processor
// time of the thread, so that other work on a shared machine does not count.
#include "FrmMain.h"
#include "HandModel.h"
#include "Playout.h"
#include "SelfPlay.h"
#include "SharpSeat.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <numeric>
#include <vector>

namespace {

double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

Model::Position Dealt(Model::Rng& rng) {
    uint8_t pack[52];
    std::iota(pack, pack + 52, 1);
    for (int i = 51; i > 0; --i)
        std::swap(pack[i], pack[rng.Below(i + 1)]);
    return Model::Deal(pack, rng.Below(2) ? Model::Player : Model::Dorvil);
}

struct Tally {
    long long Hands = 0, Moves = 0, Out = 0, Stopped = 0, Drawn = 0;
    double Seconds = 0;
    void Print(const char* what) const {
        std::printf("%s: %.0f hands/s (%.1f moves a hand; out %.1f%%, stopped %.1f%%, "
                    "draws called %.1f%%)\n",
                    what, Hands / Seconds, double(Moves) / Hands, 100.0 * Out / Hands,
                    100.0 * Stopped / Hands, 100.0 * Drawn / Hands);
    }
};

// Plays `hands` dealt hands to their ends; the greedy hands' moves are kept.
Tally Play(long long hands, uint64_t seed, Model::Policy policy,
           std::vector<std::pair<Model::Position, std::vector<Model::Move>>>* kept) {
    Tally t;
    Model::Rng deal{seed}, play{seed ^ 0x5eed};
    const double start = ThreadSeconds();
    for (long long h = 0; h < hands; ++h) {
        Model::Position p = Dealt(deal);
        p.TurnCap = Model::PlayoutTurns;
        p.Shuffle = play.Next();
        std::vector<Model::Move>* list =
            kept && h < 20000 ? &kept->emplace_back(p, std::vector<Model::Move>{}).second : nullptr;
        int moves = 0;
        while (!p.Over()) {
            const Model::Move m = policy(p, play);
            if (list) list->push_back(m);
            p.Apply(m);
            ++moves;
        }
        t.Moves += moves;
        t.Out += p.End == Model::Ending::Out;
        t.Stopped += p.End == Model::Ending::Stopped;
        t.Drawn += p.End == Model::Ending::CalledDraw;
    }
    t.Seconds = ThreadSeconds() - start;
    t.Hands = hands;
    return t;
}

// The playout function itself, as a searching player calls it.
void PlayoutsPerSecond(long long hands, uint64_t seed) {
    Model::Rng deal{seed}, play{seed + 1};
    std::vector<Model::Position> dealt;
    for (long long h = 0; h < hands; ++h)
        dealt.push_back(Dealt(deal));
    long long points = 0;
    const double start = ThreadSeconds();
    for (Model::Position& p : dealt)
        points += Model::Playout(p, Model::GreedyMove, Model::GreedyMove, play).Points;
    const double seconds = ThreadSeconds() - start;
    std::printf("%s: %.0f hands/s (%.1f points a hand)\n", "greedy Playout() of a dealt hand",
                hands / seconds, double(points) / hands);
}

void MovesAlone(const std::vector<std::pair<Model::Position, std::vector<Model::Move>>>& kept) {
    long long moves = 0;
    int checksum = 0;
    const double start = ThreadSeconds();
    for (int round = 0; round < 5; ++round)
        for (const auto& [dealt, list] : kept) {
            Model::Position p = dealt;
            for (const Model::Move& m : list)
                p.Apply(m);
            moves += static_cast<long long>(list.size());
            checksum += p.Turns;
        }
    const double seconds = ThreadSeconds() - start;
    std::printf("%s: %.1f ns a move (the copy of the dealt hand included; %lld moves, %d)\n",
                "move made", seconds * 1e9 / moves, moves, checksum % 10);
}

void FromTheTable(long long hands, uint64_t seed) {
    SelfPlayConfig config{hands, seed, QString(), QStringLiteral("greedy"), false};
    config.DropTrials = 0;
    SelfPlay play(config);
    double table = 0, seen = 0;
    long long built = 0;
    int sink = 0;
    play.ListenToTable([&](const TableEvent&) {
        const FrmMain* f = play.Table();
        if (!f || !f->GameInPlay || f->HandOver) return;
        double start = ThreadSeconds();
        for (int i = 0; i < 20; ++i)
            sink += ModelOfTable(*f).StockCount;
        table += ThreadSeconds() - start;
        const Sharp::SideSees sees = Sharp::SeenFrom(*f, true);
        const Model::Position truth = ModelOfTable(*f);
        start = ThreadSeconds();
        for (int i = 0; i < 20; ++i)
            sink += ModelSeenFrom(sees, true, truth.Drawn, truth.Held[Model::Player],
                                  {truth.Stock, truth.StockCount})
                        .has_value();
        seen += ThreadSeconds() - start;
        built += 20;
    });
    play.Run();
    std::printf("%s: %.0f ns a model (%lld built at the table's events, %d)\n",
                "model of the table", table * 1e9 / built, built, sink % 10);
    std::printf("%s: %.0f ns a model (Dorvil's view, the hidden cards filled in)\n",
                "model of a view", seen * 1e9 / built);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const long long hands = argc > 1 ? std::atoll(argv[1]) : 200000;
    const uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    std::vector<std::pair<Model::Position, std::vector<Model::Move>>> kept;
    Play(hands, seed, Model::GreedyMove, &kept).Print("greedy playouts, moves kept");
    PlayoutsPerSecond(hands, seed);
    Play(hands / 4, seed, Model::RandomMove, nullptr).Print("random legal playouts");
    MovesAlone(kept);
    FromTheTable(std::max(100LL, hands / 1000), seed);
    return 0;
}
