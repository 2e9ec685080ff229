// The history of games as the window keeps it: each hand settled at the
// table is appended to History.csv, and the Game History window, a module
// loaded on its first opening, shows it and is read again after each hand.
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
    void Open();

  private:
    QWidget* Window;
    const FrmMain& Game;
    HistoryModule* Module = nullptr; // loaded with the first opening
};
