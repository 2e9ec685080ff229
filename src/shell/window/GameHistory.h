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
    GameHistory(QWidget* window, FrmMain& game);
    void TableEventSeen(const TableEvent& event);
    void HintTaken();
    void Open();

  signals:
    // The review of kept hand n (1 the latest) is asked for from the history.
    void ReviewAsked(int n);
    // The Game History window is about to read or clear the files: whatever
    // writes them off the window's thread finishes what it was asked first,
    // so that a cleared file stays empty.
    void FilesWanted();

  private:
    QWidget* Window;
    FrmMain& Game;
    HistoryModule* Module = nullptr; // loaded with the first opening
};
