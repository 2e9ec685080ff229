// TableKeys, the table's keys. S and F take a card; Left, Right, Home and End move a
// focus along the hand; 1 to 6 and Delete lay or discard the focused card;
// Tab and Shift+Tab move a focus through the table's places, Dorvil's hand,
// the buttons and the statistics, and
// Space or Enter act on it (the target frame keeps its own keys). Every key
// ends in the handler the mouse calls, and a key that the mouse's rules refuse
// shows the hint the pointer would. The focus frames appear from the first
// key that uses them, so the mouse player's table is unchanged.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <optional>
#include <vector>

class MainWindow;
class FrmMain;
class TableGroups;
class FocusFrame;
class MFormDeluxe;
class PictureButton;
class QKeyEvent;
struct TableEvent;

class TableKeys : public QObject {
    Q_OBJECT
  public:
    // The places the Tab focus visits, in this order.
    enum class Stop {
        None,
        Stock,
        Discard,
        Dorvil, // his hand, for its count
        Hand,
        Meld1,
        Meld2,
        Meld3,
        Meld4,
        Meld5,
        Meld6,
        SortSame,
        SortSuits,
        TakeBack,
        CallDraw,
        Statistics // the frame of games won and money owed, read whole
    };

    TableKeys(MainWindow& window, FrmMain& game, TableGroups& groups);

    int FocusedCard() const { return Focus; } // the hand card the keys act on, 0 when none
    // The hand card the first key would act on (0 when the hand is empty).
    int StartingCard() const;
    Stop FocusStop() const { return Ring; }
    bool FocusShown() const { return FramesOn; }
    bool InUse() const { return KeysUsed; } // since the first key that plays
    PictureButton* Button(Stop stop) const;
    QWidget* Statistics() const;
    void TableEventSeen(const TableEvent& event);
    void MessageBoxMade(MFormDeluxe* box);
    void Refresh();
    // A click on card n of a pile, and a drag of hand card n let go at a
    // point in twips, as the keys make them (the demo plays this way too).
    void ClickCard(int n);
    void DropCard(int n, std::optional<QPoint> twips);

  signals:
    void Notice(const QString& hint); // the hint of a refused key
    void FocusChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool TableKey(QKeyEvent* key);
    void DropFocused(std::optional<QPoint> twips);
    void Hint(int n);
    bool Stale(int hand) const;
    int EnsureHandFocus();
    void RetellCard();
    void Sorted(bool bySuit);
    void SyncHand();
    int Neighbour(const QList<int>& hand) const;
    void StepHand(int step, bool toEnd);
    std::vector<Stop> Stops() const;
    void MoveRing(bool forward);
    void Activate();
    QRect AreaOf(Stop stop) const;
    QRect FocusedPart() const;
    bool TargetOpen() const;
    void UseKeys(bool frames);

    MainWindow& Window;
    FrmMain& Game;
    TableGroups& Groups;
    QWidget* Client;
    QPointer<FocusFrame> Main, Second;
    bool KeysUsed = false, FramesOn = false;
    Stop Ring = Stop::None;
    int Focus = 0, LastTaken = 0, Serial = -1;
    QList<int> Order; // the hand as last laid out, for finding a leaving card's neighbour
    Stop ToldRing = Stop::None;
    int ToldFocus = 0;
};
