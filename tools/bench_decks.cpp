// Measures how fast the table takes another card deck, under the platform it
// runs on (Xvfb at 1920 x 1080 in scripts/bench-decks.sh), the window filling
// the screen and a hand dealt. For every installed deck: from Enter in the
// Card Deck dialog to the table repainted with every card on view drawn from
// the new deck, once the dialog has the deck ready (it reads the selected
// deck and draws the cards on view from it while the player looks at it),
// and from the choice with the deck still to be read from its file. Then, for the largest deck
// chosen at start-up, how long the window takes to show the pack drawn from it.
#include "FrmMain.h"
#include "Random.h"
#include "dialogs/DeckDialog.h"
#include "table/TableWidgets.h"
#include "window/DeckChoice.h"
#include "window/Locations.h"
#include "window/MainWindow.h"
#include "window/UserSettings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {
// Runs the event loop until `done` holds, for at most `ms` milliseconds.
bool WaitFor(const std::function<bool()>& done, int ms = 60000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// Chooses `deck` with `choose` and returns the milliseconds until the table
// has been repainted with it (negative when it was refused or never came).
double Switch(MainWindow& view, DeckChoice& choice, const DeckEntry& deck,
              const std::function<void()>& choose) {
    bool applied = false, refused = false;
    QObject context;
    QObject::connect(&choice, &DeckChoice::Applied, &context, [&] { applied = true; });
    QObject::connect(&choice, &DeckChoice::Refused, &context, [&] { refused = true; });
    QElapsedTimer clock;
    clock.start();
    choose();
    if (!WaitFor([&] { return applied || refused; }) || refused) return -1;
    view.repaint();
    const double ms = clock.nsecsElapsed() / 1e6;
    return choice.InUse() == deck.Folder ? ms : -1;
}

void Table(const QList<DeckEntry>& decks, const QString& standard) {
    QTemporaryDir dir;
    MainWindow view(QStringLiteral(DATA_DIR), standard);
    FrmMain game(view, TableSettings{dir.path(), dir.path(), MakeRandomSource(1)});
    view.Attach(&game);
    game.Dispatch([&] { game.Form_Load(); });
    view.move(0, 0);
    view.show();
    view.resize(1920, 1080);
    WaitFor([] { return false; }, 500);
    game.Dispatch([&] { game.MnuNew_Click(); }); // faces as well as backs
    WaitFor([] { return false; }, 1000);
    int shown = 0;
    for (int n = 1; n <= 52; ++n)
        shown += view.Card(n)->isVisible();
    auto& choice = *view.findChild<DeckChoice*>();
    std::printf("table at scale %.2f, %d cards on view; milliseconds from the choice to the "
                "table repainted:\n",
                view.Scale().Factor(), shown);
    std::printf("%-28s %8s %14s %14s\n", "deck", "KiB", "ready", "read first");
    QList<double> ahead, first;
    for (const DeckEntry& deck : decks + QList<DeckEntry>{decks.front()}) {
        if (deck.Folder == choice.InUse()) continue;
        // As the player does: the dialog open, the deck selected, Enter once it is ready.
        choice.Open();
        DeckDialog* box = choice.Dialog();
        box->List()->setCurrentRow(static_cast<int>(decks.indexOf(deck)));
        WaitFor([&] { return choice.Prepared(deck.Folder); });
        const QString before = choice.InUse();
        const double read = Switch(view, choice, deck, [&] { box->accept(); });
        // The same deck again, read from its file: back to the deck before, then to it.
        double cold = -1;
        if (const auto back = FindDeck(before)) {
            Switch(view, choice, *back, [&] { choice.Choose(*back); });
            WaitFor([] { return false; }, 200);
            cold = Switch(view, choice, deck, [&] { choice.Choose(deck); });
        }
        std::printf("%-28s %8lld %14.1f %14.1f\n", qPrintable(deck.Folder),
                    QFileInfo(deck.SvgPath).size() / 1024, read, cold);
        ahead << read;
        first << cold;
        WaitFor([] { return false; }, 200);
    }
    std::sort(ahead.begin(), ahead.end());
    std::sort(first.begin(), first.end());
    std::printf("median %.1f ms ready (largest %.1f), %.1f ms read first (largest %.1f)\n",
                ahead[ahead.size() / 2], ahead.back(), first[first.size() / 2], first.back());
    game.Dispatch([&] { view.CloseProgram(); });
}

// The table starting with `deck` chosen: milliseconds until the window is
// shown, and until the pack shows the deck's back.
void Start(const DeckEntry& deck, const QString& standard) {
    UserSettings().setValue(QStringLiteral("Options/CardDeck"), deck.Folder);
    QElapsedTimer clock;
    clock.start();
    QTemporaryDir dir;
    MainWindow view(QStringLiteral(DATA_DIR), standard);
    FrmMain game(view, TableSettings{dir.path(), dir.path(), MakeRandomSource(1)});
    view.Attach(&game);
    game.Dispatch([&] { game.Form_Load(); });
    view.show();
    const double shown = clock.nsecsElapsed() / 1e6;
    CardPicture* pack = view.Card(1);
    WaitFor([&] {
        const QImage picture = pack->grab().toImage();
        return picture.pixelColor(picture.width() / 2, picture.height() / 2) !=
               pack->palette().color(QPalette::Window);
    });
    std::printf("start-up with %s (%lld KiB) chosen: window shown after %.1f ms, the pack drawn "
                "from the deck after %.1f ms\n",
                qPrintable(deck.Folder), QFileInfo(deck.SvgPath).size() / 1024, shown,
                clock.nsecsElapsed() / 1e6);
    UserSettings().remove(QStringLiteral("Options/CardDeck"));
    game.Dispatch([&] { view.CloseProgram(); });
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // each line as it is measured
    const QList<DeckEntry> decks = FindDecks();
    const auto standard = FindDeck(StandardDeck);
    if (decks.size() < 2 || !standard) {
        std::fprintf(stderr, "bench-decks: the standard deck and another are needed\n");
        return 1;
    }
    Table(decks, standard->SvgPath);
    const DeckEntry largest =
        *std::max_element(decks.begin(), decks.end(), [](const DeckEntry& a, const DeckEntry& b) {
            return QFileInfo(a.SvgPath).size() < QFileInfo(b.SvgPath).size();
        });
    Start(largest, standard->SvgPath);
    return 0;
}
