// Recording settled hands and opening the Game History window.
#include "GameHistory.h"

#include "FrmMain.h"
#include "History.h"
#include "modules/Modules.h"

#include <QMessageBox>
#include <QWidget>

GameHistory::GameHistory(QWidget* window, FrmMain& game)
    : QObject(window), Window(window), Game(game) {}

void GameHistory::TableEventSeen(const TableEvent& event) {
    if (event.What != TableEvent::HandSettled || Game.Practice) return;
    History::RecordSettledHand(Game, event, Game.HandHints);
    if (Module) Module->Refresh(Window);
}

// Counted with the table, so that the recovery file keeps it with the hand.
void GameHistory::HintTaken() {
    ++Game.HandHints;
}

void GameHistory::Open() {
    if (!Module) Module = LoadModule<HistoryModule>(QStringLiteral("meldora-history.so"));
    if (Module)
        Module->Open(
            Window,
            [this] {
                emit FilesWanted();
                return Game.HistoryFile();
            },
            [this](int n) { emit ReviewAsked(n); });
    else
        QMessageBox::warning(Window, tr("Game History"),
                             tr("The Game History window could not be loaded."));
}
