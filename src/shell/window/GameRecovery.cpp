// Keeping the game in its recovery file, and offering it back at start-up.
#include "GameRecovery.h"

#include "FrmMain.h"
#include "MainWindow.h"
#include "Recovery.h"
#include "RecoveryKeeper.h"
#include "TableNews.h"

#include <cstdio>

GameRecovery::GameRecovery(MainWindow& window, FrmMain& game, ViewMemory& shown)
    : Window(window), Game(game), Shown(shown),
      Keeper(std::make_unique<RecoveryKeeper>(game.SavedFilesFolder())) {
    // Kept on its own thread: the player never waits for the disk. While a
    // practice hand is played the file goes on holding the game in progress.
    auto keep = [this] {
        if (!Game.Practice) Keeper->Keep(Game, Shown);
    };
    connect(&Window.News(), &TableNews::HandlerDone, this, keep);
    // A hint changes nothing on the table but its count: kept once the
    // history has counted it.
    connect(&Window.News(), &TableNews::HintTaken, this, keep, Qt::QueuedConnection);
    // A player who chose to leave has abandoned the game; the end of a
    // session has not, and the game comes back at the next start. Leaving
    // from a practice hand abandons only the practice.
    connect(&Window.News(), &TableNews::ProgramClosing, this, [this](bool chosen) {
        if (chosen && !Game.Practice) Keeper->Remove();
        Keeper->Finish();
    });
}

GameRecovery::~GameRecovery() = default;

bool GameRecovery::OfferInterruptedGame() {
    const std::optional<Recovery::SavedGame> saved =
        Recovery::ReadRecovery(Game.SavedFilesFolder());
    if (!saved) return false;
    Window.show();
    const int choice =
        Window.DeluxeMsg(tr("Your last game against Dorvil was interrupted before it was finished. "
                            "Would you like to carry on from where you left off?"),
                         tr("Carry On"), tr("Start Afresh"), QString(), 1, tr("Game Interrupted"));
    if (choice == 0 && saved->RestoreInto(Game, Shown)) return true;
    if (choice == 0)
        std::fprintf(stderr, "meldora: the interrupted game could not be taken up; a new one "
                             "starts\n");
    Keeper->Remove();
    return false;
}
