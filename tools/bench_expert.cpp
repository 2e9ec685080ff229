// meldora-bench-expert MODE COUNT SEED DORVIL PLAYER: the strength and speed
// of a Dorvil against a player's policy, on the real table, headless.
//   hands: COUNT single hands, each dealt from its own seed SEED, SEED+1, ...;
//          one line per hand: "hand SEED dorvil-points player-points"
//          (the points each side won), so that a script can pair the chairs.
//   games: COUNT whole games, each a fresh game from its own seed SEED,
//          SEED+1, ..., played to its end; one line per game: "game SEED
//          winner hands dorvil-points player-points" (winner: dorvil or
//          player), so that a script can pair the chairs game by game.
//   run:   COUNT hands of self-play from SEED, game after game.
// All end with a total line: "total hands H games G dorvil-games D
// player-games P dorvil-points X player-points Y", and the processor time of
// each decision Dorvil thought over: "think N median M p99 Q worst W" (us).
// Given a THINK-FILE, each of those times is also written to it, one a line,
// so that a script can take the figures over several processes.
#include "FrmMain.h"
#include "SelfPlay.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Tally {
    int64_t Hands = 0, Games = 0, DorvilGames = 0, PlayerGames = 0;
    int64_t DorvilPoints = 0, PlayerPoints = 0;
    std::vector<float> Think;
};

SelfPlayResult Play(int64_t hands, int64_t games, uint64_t seed, int dorvil, const QString& player, Tally& tally,
                    int64_t& dorvilPoints, int64_t& playerPoints) {
    SelfPlayConfig config;
    config.Hands = hands;
    config.Games = games;
    config.Seed = seed;
    config.Player = player;
    config.Dorvil = dorvil;
    config.DropTrials = 0;
    SelfPlay play(config);
    play.ListenToTable([&](const TableEvent& e) {
        if (e.What == TableEvent::HandWon) (e.ByDorvil ? dorvilPoints : playerPoints) += e.Count;
    });
    SelfPlayResult r = play.Run();
    tally.Hands += r.Hands;
    tally.Games += r.Games;
    tally.DorvilGames += r.GamesWonByDorvil;
    tally.PlayerGames += r.GamesWonByPlayer;
    tally.DorvilPoints += dorvilPoints;
    tally.PlayerPoints += playerPoints;
    tally.Think.insert(tally.Think.end(), r.ThinkMicroseconds.begin(), r.ThinkMicroseconds.end());
    return r;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 6) {
        std::fprintf(stderr, "usage: meldora-bench-expert hands|games|run COUNT SEED "
                             "classic|sharp|expert PLAYER [THINK-FILE]\n");
        return 2;
    }
    const std::string mode = argv[1];
    const bool single = mode == "hands", whole = mode == "games";
    if (!single && !whole && mode != "run") {
        std::fprintf(stderr, "meldora-bench-expert: unknown mode %s\n", argv[1]);
        return 2;
    }
    const int64_t count = std::atoll(argv[2]);
    const uint64_t seed = std::strtoull(argv[3], nullptr, 10);
    const std::string level = argv[4];
    const int dorvil = level == "expert"  ? DorvilExpert
                       : level == "sharp" ? DorvilSharp
                                          : DorvilClassic;
    const QString player = QString::fromLatin1(argv[5]);
    Tally tally;
    // A game is played until it is won; the cap on its hands only stops a
    // run that would otherwise never end.
    constexpr int64_t MaxHandsPerGame = 100000;
    for (int64_t i = 0; i < (single || whole ? count : 1); ++i) {
        int64_t d = 0, p = 0;
        const uint64_t s = seed + static_cast<uint64_t>(i);
        const SelfPlayResult r = Play(single ? 1 : whole ? MaxHandsPerGame : count, whole ? 1 : 0,
                                      s, dorvil, player, tally, d, p);
        if (r.Faults) {
            std::fputs(r.FaultReport.toUtf8().constData(), stdout);
            return 1;
        }
        if (single)
            std::printf("hand %llu %lld %lld\n", static_cast<unsigned long long>(s),
                        static_cast<long long>(d), static_cast<long long>(p));
        if (whole) {
            if (r.Games != 1) {
                std::printf("fault: game %llu was not won after %lld hands\n",
                            static_cast<unsigned long long>(s), static_cast<long long>(r.Hands));
                return 1;
            }
            std::printf("game %llu %s %lld %lld %lld\n", static_cast<unsigned long long>(s),
                        r.GamesWonByDorvil ? "dorvil" : "player", static_cast<long long>(r.Hands),
                        static_cast<long long>(d), static_cast<long long>(p));
            std::fflush(stdout);
        }
    }
    std::printf(
        "total hands %lld games %lld dorvil-games %lld player-games %lld "
        "dorvil-points %lld player-points %lld\n",
        static_cast<long long>(tally.Hands), static_cast<long long>(tally.Games),
        static_cast<long long>(tally.DorvilGames), static_cast<long long>(tally.PlayerGames),
        static_cast<long long>(tally.DorvilPoints), static_cast<long long>(tally.PlayerPoints));
    std::vector<float>& t = tally.Think;
    if (argc > 6) {
        FILE* out = std::fopen(argv[6], "w");
        if (!out) {
            std::fprintf(stderr, "meldora-bench-expert: cannot write %s\n", argv[6]);
            return 1;
        }
        for (float us : t)
            std::fprintf(out, "%.0f\n", us);
        if (std::fclose(out) != 0) return 1;
    }
    if (!t.empty()) {
        std::sort(t.begin(), t.end());
        std::printf("think %zu median %.0f p99 %.0f worst %.0f\n", t.size(), t[t.size() / 2],
                    t[t.size() * 99 / 100], t.back());
    }
    return 0;
}
