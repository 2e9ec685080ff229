// The history of games as the window keeps it: each hand settled at the
// table is appended to History.csv, and the Game History window, a module
// loaded on its first opening, shows it and is read again after each hand.
// The advice the player took in a hand (hints, the demo's moves) is counted
// with it.
#pragma once

#include <QObject>

class FrmMain;
class HistoryModule;
class QWidget;
struct TableEvent;

class GameHistory : public QObject {
    Q_OBJECT
  public:
    GameHistory(QWidget* window, const FrmMain& game);
    void TableEventSeen(const TableEvent& event);
    void HintTaken();
    void Open();

  private:
    QWidget* Window;
    const FrmMain& Game;
    HistoryModule* Module = nullptr; // loaded with the first opening
    int Hints = 0, HintHand = -1;    // the advice taken, and in which hand
};
