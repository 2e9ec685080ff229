// Measures the pace of play in the real window under the platform it runs on
// (Xvfb in scripts/bench-pace.sh): a deal by the player and Dorvil's first
// turn after it, at the Normal and at the Quick pace, over several seeds.
// For each, the time it took beside the pauses the game asked for (their
// length at the normal pace) and those pauses at the pace played: what is
// left over is the drawing and the game's own work.
#include "FrmMain.h"
#include "Random.h"
#include "ViewMemory.h"
#include "window/MainWindow.h"
#include "window/PaceOption.h"
#include "window/TableMenus.h"
#include "window/TableNews.h"
#include "window/UserSettings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {
// The view between the game and the window, adding up the pauses asked for.
class PauseCount : public ViewMemory {
  public:
    PauseCount(TableView& real, PaceOption::Pace pace) : ViewMemory(real), Pace(pace) {}
    void Pause(int ms) override {
        Asked += ms;
        AtPace += PaceOption::Length(Pace, ms);
        ViewMemory::Pause(ms);
    }
    PaceOption::Pace Pace;
    long Asked = 0, AtPace = 0;
};

struct Phase {
    double Ms = 0;
    long Asked = 0, AtPace = 0;
};

// The deal and Dorvil's turn with `seed` at `pace`: Dorvil's turn begins as
// the instruction line says so, and ends when the player's turn comes back.
std::pair<Phase, Phase> Play(PaceOption::Pace pace, int seed) {
    QTemporaryDir dir;
    MainWindow view(QStringLiteral(DATA_DIR),
                    QStringLiteral("/usr/share/carddecks/svg-standard/standard.svgz"));
    PauseCount counted(view, pace);
    FrmMain game(counted, TableSettings{dir.path(), dir.path(), MakeRandomSource(seed)});
    view.Attach(&game);
    view.MenuEntries().Pace->Choose(pace);
    game.Dispatch([&] { game.Form_Load(); });
    view.move(0, 0);
    view.show();
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 300)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    Phase deal, turn;
    QElapsedTimer clock;
    const QString dorvilPlays =
        QCoreApplication::translate("Dorvil", "Dorvil is now playing his hand.");
    QObject::connect(&view.News(), &TableNews::TextShown, [&](Ctl control, const QString& text) {
        if (control != Ctl::LblInfo || text != dorvilPlays || deal.Ms > 0) return;
        deal.Ms = clock.nsecsElapsed() / 1e6;
        deal.Asked = counted.Asked;
        deal.AtPace = counted.AtPace;
    });
    game.PlayerDeals = true; // so that Dorvil plays first
    clock.start();
    game.Dispatch([&] { game.MnuNew_Click(); });
    turn.Ms = clock.nsecsElapsed() / 1e6 - deal.Ms;
    turn.Asked = counted.Asked - deal.Asked;
    turn.AtPace = counted.AtPace - deal.AtPace;
    return {deal, turn};
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int seeds = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    std::printf("%-7s %-13s %9s %13s %13s %9s\n", "pace", "what", "took ms", "pauses asked",
                "at the pace", "rest ms");
    double normal[2] = {};
    for (PaceOption::Pace pace : {PaceOption::Pace::Normal, PaceOption::Pace::Quick}) {
        Phase sum[2];
        for (int seed = 1; seed <= seeds; ++seed) {
            const auto [deal, turn] = Play(pace, seed);
            int i = 0;
            for (const Phase& p : {deal, turn}) {
                sum[i].Ms += p.Ms / seeds;
                sum[i].Asked += p.Asked;
                sum[i].AtPace += p.AtPace;
                ++i;
            }
        }
        const bool quick = pace == PaceOption::Pace::Quick;
        const char* what[2] = {"deal", "Dorvil's turn"};
        for (int i = 0; i < 2; ++i) {
            const Phase& p = sum[i];
            std::printf("%-7s %-13s %9.0f %13ld %13ld %9.0f", quick ? "Quick" : "Normal", what[i],
                        p.Ms, p.Asked / seeds, p.AtPace / seeds, p.Ms - double(p.AtPace) / seeds);
            if (quick) std::printf("   %.2f of Normal", p.Ms / normal[i]);
            normal[i] = quick ? normal[i] : p.Ms;
            std::printf("\n");
        }
    }
    std::printf("(means over %d seeds, each hand the same at both paces; rest = took - pauses at "
                "the pace: drawing and the game's own work)\n",
                seeds);
    return 0;
}
