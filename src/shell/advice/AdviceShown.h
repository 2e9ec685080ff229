// Advice as the table shows it: frames of the keyboard's kind round its
// card (or pile, column, button) and round where the card goes, its sentence
// in the hint box over the instruction line, and the same sentence told to
// the screen reader. What shows belongs to the moment it was given: once the
// table moves on (a card taken, laid or discarded, another hand) it goes;
// when the hand is sorted or the table scaled, it follows.
#pragma once

#include "Hint.h"

#include <QList>
#include <QObject>
#include <QPointer>

class FocusFrame;
class FrmMain;
class HintBox;
class MainWindow;
struct TableAids;

class AdviceShown : public QObject {
    Q_OBJECT
  public:
    AdviceShown(MainWindow& window, const FrmMain& game, TableAids& aids);

    // The player's turn, and nothing moves or waits for an answer.
    bool AtRest() const;
    // Shows an advice with its sentence (the advice's own when `text` is
    // empty); an advice of None shows the text alone, or clears what shows.
    // A screen reader is told `spoken` instead when it is given.
    void Show(const Hint::Advice& advice, const QString& text = {}, const QString& spoken = {});
    // A line that stands in the box whenever no advice shows (the demo's
    // notice that it runs); empty for none.
    void SetStanding(const QString& text);
    const Hint::Advice& Current() const { return Now; }
    QString Text() const; // what the hint box shows; empty when hidden

  private:
    void TableMoved();
    void PlaceMarks();
    QRect AreaOf(int card) const;
    QRect TargetArea() const;

    MainWindow& Window;
    const FrmMain& Game;
    TableAids& Aids;
    QPointer<HintBox> Box;
    QList<FocusFrame*> Marks; // the cards, then where the card goes
    Hint::Advice Now;
    QString Standing;
    size_t ShownAt = 0; // the length of the hand's record when it was shown
    int ShownHand = -1;
};
