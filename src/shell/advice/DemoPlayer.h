// The demo: the hint plays the player's side, one move at a time at the
// table's pace. Each move is first shown as a hint would show it, then made
// through the handlers the keys use (a press, a drag to the column or the
// pile, a release; a click on a button), with the game's own animations and
// sounds; a message box in the hand is answered as a player would (play on,
// discard when asked). It ends when the hand ends (the box that says so is
// left to the player, and no new game is ever started) or, at the next point
// of rest, when the player presses a key or clicks: that key or click does
// nothing else. Stopped so while a screen reader listens, it tells again the
// moves the key cut off before they were heard.
#pragma once

#include "Hint.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class FrmMain;
class MainWindow;
class MFormDeluxe;
class AdviceShown;
struct TableAids;

class DemoPlayer : public QObject {
    Q_OBJECT
  public:
    DemoPlayer(MainWindow& window, FrmMain& game, AdviceShown& advice, TableAids& aids);
    ~DemoPlayer() override;
    bool Running() const { return On; }
    void Start();
    void MessageBoxMade(MFormDeluxe* box);

    // How long a move shows before it is made, the rest after it, and how
    // long a question shows before it is answered (tests hurry them).
    void SetPace(int showMs, int restMs, int answerMs);
    // Whether a screen reader listens, as the accessibility bridge tells;
    // a test may say so.
    void SetListened(bool listened) { Listened = listened; }

  signals:
    void RunningChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class Step { Look, Move };
    void Wait(Step next, int ms);
    void Look();
    void Move();
    void BoxShown();
    void End(const QString& why);

    MainWindow& Window;
    FrmMain& Game;
    AdviceShown& Advice;
    TableAids& Aids;
    bool On = false, Interrupted = false, Moving = false;
    int ShowMs = 900, RestMs = 400, AnswerMs = 900;
    bool Listened = false;
    Hint::Advice Next;
    QTimer Pace, Answer;
    Step Due = Step::Look; // what the pace's timer does next
    QPointer<MFormDeluxe> Box;
    // The moves made as told to a screen reader, each with the time by which
    // it will have been said; those not said when the player's key cut the
    // speech are told again as the demo stops.
    struct Told {
        QString Text;
        qint64 SaidBy;
    };
    QList<Told> Made;
    QStringList Unheard;
};
