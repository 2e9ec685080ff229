// Recording settled hands and opening the Game History window.
#include "GameHistory.h"

#include "FrmMain.h"
#include "History.h"
#include "modules/Modules.h"

#include <QMessageBox>
#include <QWidget>

GameHistory::GameHistory(QWidget* window, const FrmMain& game)
    : QObject(window), Window(window), Game(game) {}

void GameHistory::TableEventSeen(const TableEvent& event) {
    if (event.What != TableEvent::HandSettled) return;
    History::RecordSettledHand(Game, event, HintHand == Game.HandSerial ? Hints : 0);
    if (Module) Module->Refresh(Window);
}

void GameHistory::HintTaken() {
    if (HintHand != Game.HandSerial) {
        HintHand = Game.HandSerial;
        Hints = 0;
    }
    ++Hints;
}

void GameHistory::Open() {
    if (!Module) Module = LoadModule<HistoryModule>(QStringLiteral("meldora-history.so"));
    if (Module)
        Module->Open(Window, [this] { return Game.HistoryFile(); });
    else
        QMessageBox::warning(Window, tr("Game History"),
                             tr("The Game History window could not be loaded."));
}
