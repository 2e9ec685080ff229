// The Play menu's advice: Hint (H) shows the next step of a good turn, and
// Demo (D) lets the hint play the player's side. Both are open on the
// player's turn while nothing moves. Advice changes nothing on the table;
// every hint asked for and every move of the demo is counted with the hand.
#pragma once

#include <QObject>
#include <memory>

class AdviceShown;
class DemoPlayer;
class FrmMain;
class MainWindow;
class QAction;
struct TableAids;

class TableAdvice : public QObject {
    Q_OBJECT
  public:
    TableAdvice(MainWindow& window, FrmMain& game, TableAids& aids);
    ~TableAdvice() override;

    AdviceShown& Shown() const { return *Display; }
    DemoPlayer& Demo() const { return *Player; }
    QAction* HintAction;
    QAction* DemoAction;

  private:
    void AskHint();
    void Refresh(); // the entries open or closed

    MainWindow& Window;
    FrmMain& Game;
    std::unique_ptr<AdviceShown> Display;
    std::unique_ptr<DemoPlayer> Player;
};
