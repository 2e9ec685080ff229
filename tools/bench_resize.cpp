// Measures how fast the table follows a new window size under the platform
// it runs on (Xvfb in scripts/bench-resize.sh): the layout at the new scale
// and a full repaint of the window, then, as once a resize has settled, the
// card pictures drawn afresh from the deck at their new size.
#include "FrmMain.h"
#include "Random.h"
#include "window/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Wait(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 9;
    QTemporaryDir dir;
    MainWindow view(QStringLiteral(DATA_DIR),
                    QStringLiteral("/usr/share/carddecks/svg-standard/standard.svgz"));
    FrmMain game(view, TableSettings{dir.path(), dir.path(), MakeRandomSource(1)});
    view.Attach(&game);
    game.Dispatch([&] { game.Form_Load(); });
    view.move(0, 0);
    view.show();
    Wait(300);
    game.Dispatch([&] { game.MnuNew_Click(); }); // a dealt table: faces as well as backs
    Wait(500);
    std::vector<double> layout, cards;
    double scale = 0;
    QElapsedTimer clock;
    for (int run = 0; run < 2 * runs; ++run) {
        const bool large = run % 2 == 0;
        clock.start();
        view.resize(large ? QSize(1920, 1080) : QSize(784, 654));
        view.repaint();
        const double laidOut = clock.nsecsElapsed() / 1e6;
        // What the settle timer would do a moment later, timed on its own.
        auto* settle = view.findChild<QTimer*>(QStringLiteral("SettleTimer"));
        if (settle) settle->stop();
        clock.start();
        if (settle) {
            settle->setInterval(0);
            settle->start();
            while (settle->isActive())
                QApplication::processEvents();
            settle->setInterval(150);
        }
        view.repaint();
        if (large) {
            scale = view.Scale().Factor();
            layout.push_back(laidOut);
            cards.push_back(clock.nsecsElapsed() / 1e6);
        }
        Wait(100);
    }
    std::printf(
        "resize to 1920 x 1080 (scale %.2f): laid out and painted in %.1f ms (median of %d, "
        "first %.1f ms)\n",
        scale, Median(layout), runs, layout.front());
    // The first time renders from the deck; later ones find the size in the cache.
    std::printf(
        "card pictures drawn afresh once it settled: %.1f ms the first time, then %.1f ms\n",
        cards.front(), Median(cards));
    game.Dispatch([&] { view.CloseProgram(); });
    return 0;
}
