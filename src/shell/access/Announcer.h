// What a screen reader is told as the game goes on: the instruction line,
// every card taken, laid, laid off, taken back or discarded (Dorvil's above
// all, which a blind player cannot otherwise follow), the end of a hand, and
// the hint of a refused key; and what a message box says. Every sentence the
// screen reader hears from the table is written here.
//
// Screen readers queue what they are told and speak it in order; a key press
// cuts what is still waiting, and so does a message box (it leaves the
// table's window inactive first). So that the telling keeps up with the
// table, Dorvil's melds are told one sentence each rather than card by card
// and an instruction line only when it changes. A box that comes in Dorvil's
// turn (he goes out, the stock runs out) cuts what was still to be said of
// that turn: the turn's news is told again after the cut, then the win of
// the hand, which waits for its box, and then the box. The player's own move
// that goes out is told again the same way, before the win.
#pragma once

#include "Rules.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <memory>

class FrmMain;
class MainWindow;
class MFormDeluxe;
class Notices;
class QAccessibleInterface;
struct TableEvent;
enum class Ctl;

// The status element the announcements appear under: one pixel of the
// table, never painted, present for the accessibility tree only.
class AnnouncementLine : public QWidget {
  public:
    explicit AnnouncementLine(QWidget* table);
};

class Announcer : public QObject {
    Q_OBJECT
  public:
    Announcer(MainWindow& window, const FrmMain& game);
    ~Announcer() override;
    void Say(const QString& text);
    void TableEventSeen(const TableEvent& event);
    void TextShown(Ctl control, const QString& text);
    // Each time the box shows, its text and buttons become its description.
    void MessageBoxMade(MFormDeluxe* box);

    // The sentences. What an event is told as (empty for what a message box
    // tells); Dorvil's new meld, its cards as he laid them; a hand dealt; a
    // message box's text and buttons; where a card lies among `count`.
    static QString EventText(const TableEvent& event);
    static QString MeldText(const QList<int>& cards, int column);
    static QString DealtText(int faceCard);
    static QString BoxDescription(const QString& text, const QStringList& captions);
    static QString PositionText(int at, int count);
    // The end of a hand: the cards the loser held; the scores after it; the
    // final score of a game with its margin and money.
    static QString LeftText(bool byDorvil, Rules::Mask cards);
    static QString ScoresText(int player, int dorvil, int target);
    static QString FinalText(int player, int dorvil);

    // How long what was told may still take to be spoken, in ms, at a
    // voice's pace of about twelve characters a second (espeak's
    // default voice says fourteen or so: what comes next waits a little more).
    int SpeakingFor() const;
    void Cut() { SpokenUntil = 0; } // a key of the player's has cut the speech
    // On the same clock: now, and when what was told so far will have been said.
    qint64 Now() const { return Clock.elapsed(); }
    qint64 SaidBy() const { return std::max(SpokenUntil, Clock.elapsed()); }

    QWidget* Line() const { return Status; }
    const QStringList& Recent() const { return Said; } // the last announcements, oldest first
    QList<QAccessibleInterface*> Alive() const;        // the notices a screen reader may still read

  private:
    void HandSettled();
    void TellAfterBox();
    void TellMeld();
    void TellDorvil(const QString& text);
    void TellHeld();

    const FrmMain& Game;
    QPointer<QWidget> Status;
    std::unique_ptr<Notices> Shown;
    QStringList Said;
    QString Instruction;  // the instruction line last told
    int Dealt = -1;       // the hand whose deal was told
    QList<int> MeldCards; // Dorvil's meld while he lays it
    int MeldColumn = 0;
    QStringList Turn; // the news of Dorvil's turn so far
    QStringList Held; // the end of a hand, told with the box that follows it
    QString LastOwn;  // the player's last move told
    QStringList AfterBox; // a refused card's return, told once its box has been read
    QElapsedTimer Clock;  // since the program started, for SpokenUntil
    qint64 SpokenUntil = 0;
};
