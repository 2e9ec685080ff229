// The game kept through a crash, a kill, a power cut or the end of a desktop
// session: written beside Scores.dat whenever one of the player's actions
// leaves the table at rest, removed when the player chooses to leave, and
// offered back at the next start in the game's own message box.
#pragma once

#include <QObject>
#include <memory>

class FrmMain;
class MainWindow;
class RecoveryKeeper;
class ViewMemory;

class GameRecovery : public QObject {
    Q_OBJECT
  public:
    // `shown` stands between the game and the window and remembers the table.
    GameRecovery(MainWindow& window, FrmMain& game, ViewMemory& shown);
    ~GameRecovery() override;
    // At start-up, before the game starts: when an interrupted game was kept,
    // shows the window and asks whether to carry on; if so, lays the game
    // onto the table and returns true. Otherwise the game is to start as
    // usual, and a declined game is gone.
    bool OfferInterruptedGame();

  private:
    MainWindow& Window;
    FrmMain& Game;
    ViewMemory& Shown;
    std::unique_ptr<RecoveryKeeper> Keeper;
};
