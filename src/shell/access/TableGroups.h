// The table seen as groups of cards (the stock, the discard pile, Dorvil's
// hand, the six meld columns and the player's hand): which card pictures each
// holds in the order the player sees them, its spoken name, and where it lies
// in the window. The keys and the screen-reader view both read the table
// through it; it also tells them when anything on the table has moved.
#pragma once

#include <QList>
#include <QObject>
#include <QRect>
#include <QString>

class MainWindow;
class FrmMain;

enum class Group { Stock, Discard, Dorvil, Meld1, Meld2, Meld3, Meld4, Meld5, Meld6, Hand };
constexpr int GroupCount = 10;
inline Group MeldGroup(int column) {
    return static_cast<Group>(static_cast<int>(Group::Meld1) + column - 1);
}
inline int MeldColumnOf(Group g) {
    int c = static_cast<int>(g) - static_cast<int>(Group::Meld1) + 1;
    return c >= 1 && c <= 6 ? c : 0;
}

class TableGroups : public QObject {
    Q_OBJECT
  public:
    TableGroups(MainWindow& window, const FrmMain& game);

    // The cards shown in a group: the hands left to right, a column top to
    // bottom; of the two piles only the card on top, the one a click reaches.
    QList<int> Cards(Group g) const;
    int Count(Group g) const; // every card the group holds, covered ones too
    int TopOfPile(int place) const;
    Group GroupOf(int card) const;
    QString Name(Group g) const;
    // The statistics frame read as one sentence: its caption and each
    // figure after its heading.
    QString StatisticsName() const;
    // Where the group lies, in the coordinates of the table's client area.
    QRect Area(Group g) const;
    // The part of a card that shows: the hand's cards overlap, and a frame
    // round the whole card would seem to hold its neighbour too.
    QRect ShownPart(int card) const;
    QWidget* Client() const { return Table; }
    QWidget* Picture(int card) const;

    // Told once the event that moved, showed or hid something is over.
    void Changed();

  signals:
    void TableChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Watch(QObject* child);
    QRect Union(int place) const;
    QRect OutlineOf(const QWidget* widget) const;

    MainWindow& Window;
    const FrmMain& Game;
    QWidget* Table;
    bool Pending = false;
};
