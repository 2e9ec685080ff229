// The announcements, their sentences and their order.
#include "Announcer.h"

#include "FrmMain.h"
#include "Notices.h"
#include "dialogs/MFormDeluxe.h"
#include "window/MainWindow.h"

#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <cstdlib>

namespace {
constexpr qsizetype Kept = 50;

// A sentence ends with its stop; the stop is the English one, which German
// and French share.
QString Sentence(const QString& text) {
    const QString t = text.simplified();
    return t.isEmpty() || t.endsWith('.') || t.endsWith('?') || t.endsWith('!') ? t : t + '.';
}
} // namespace

AnnouncementLine::AnnouncementLine(QWidget* table) : QWidget(table) {
    setObjectName(QStringLiteral("Announcements"));
    //: For screen readers: the status element through which the table's news is told.
    setAccessibleName(Announcer::tr("Announcements"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
}

Announcer::Announcer(MainWindow& window, const FrmMain& game)
    : Game(game), Status(new AnnouncementLine(window.Table())),
      Shown(std::make_unique<Notices>(Status)) {
    Clock.start();
}

Announcer::~Announcer() = default;

void Announcer::Say(const QString& text) {
    const QString said = text.simplified();
    if (!Status || said.isEmpty()) return;
    Said << said;
    if (Said.size() > Kept) Said.removeFirst();
    SpokenUntil = std::max(SpokenUntil, Clock.elapsed()) + said.size() * 1000 / 12;
    Shown->Show(said);
}

int Announcer::SpeakingFor() const {
    return int(std::max<qint64>(0, SpokenUntil - Clock.elapsed()));
}

QList<QAccessibleInterface*> Announcer::Alive() const {
    return Shown->Alive();
}

// The same line shown again is no news. The first line once a hand is dealt
// follows the news of the deal: the face card a sighted player sees at once.
// A hand carried on after a crash was dealt before: a discard and a card
// taken back leave twenty cards in the hands too, but not an empty record.
void Announcer::TextShown(Ctl control, const QString& text) {
    if (control != Ctl::LblInfo) return;
    TellMeld();
    const int face = Game.FaceCard;
    if (Game.HandSerial != Dealt && Game.GameInPlay && face && Game.HandLog.empty() &&
        Game.Cards(face).Place == Where::Discard && Game.PlayerCount + Game.OppCount == 20) {
        Dealt = Game.HandSerial;
        Say(DealtText(face));
    }
    const QString line = Sentence(text);
    Turn.clear();
    if (line == Instruction) return;
    Instruction = line;
    Say(line);
}

void Announcer::TableEventSeen(const TableEvent& event) {
    // Dorvil lays a new meld card by card, but it is told once, when whole.
    if (event.ByDorvil && event.What == TableEvent::Melds) {
        if (MeldColumn != event.Column) TellMeld();
        MeldColumn = event.Column;
        MeldCards << event.Card;
        if (MeldCards.size() == 3) TellMeld();
        return;
    }
    TellMeld();
    if (event.What == TableEvent::HandSettled) return HandSettled();
    const QString text = EventText(event);
    if (text.isEmpty()) return;
    if (event.What == TableEvent::HandWon || event.What == TableEvent::GameWon) {
        // A message box follows at once; if none does, the next turn of the
        // event loop tells it. The box cuts the player's last move, which
        // went out: it is told again first.
        if (event.What == TableEvent::HandWon && !event.ByDorvil) Held << LastOwn;
        Held << text;
        if (event.What == TableEvent::HandWon)
            Held << LeftText(event.ByDorvil, Game.CardsAt(event.ByDorvil ? Where::PlayerHand
                                                                          : Where::DorvilHand));
        else
            Held << FinalText(Game.PlayerScore, Game.OppScore);
        Held.removeAll(QString());
        QTimer::singleShot(0, this, &Announcer::TellHeld);
        return;
    }
    if (event.ByDorvil) {
        TellDorvil(text);
        return;
    }
    Turn.clear();
    if (event.What == TableEvent::Returns) {
        // The box that refuses the card cuts what comes before it: its
        // reason is heard first, then where the card went.
        AfterBox << text;
        QTimer::singleShot(0, this, &Announcer::TellAfterBox);
        return;
    }
    LastOwn = text;
    Say(text);
}

void Announcer::TellAfterBox() {
    if (AfterBox.isEmpty()) return;
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(100, this, &Announcer::TellAfterBox);
        return;
    }
    const QStringList after = AfterBox;
    AfterBox.clear();
    for (const QString& text : after)
        Say(text);
}

// The score of a game that goes on, with the box that deals the next hand.
void Announcer::HandSettled() {
    if (Game.GameOver) return; // the final score was told with the win
    Held << ScoresText(Game.PlayerScore, Game.OppScore, Game.TargetPoints);
    QTimer::singleShot(0, this, &Announcer::TellHeld);
}

void Announcer::TellDorvil(const QString& text) {
    Turn << text;
    Say(text);
}

// A meld cut short (the hand replaced under it) is told as far as it went.
void Announcer::TellMeld() {
    if (MeldCards.isEmpty()) return;
    const QList<int> cards = MeldCards;
    const int column = MeldColumn;
    MeldCards.clear();
    MeldColumn = 0;
    TellDorvil(MeldText(cards, column));
}

void Announcer::TellHeld() {
    const QStringList held = Held;
    Held.clear();
    for (const QString& text : held)
        Say(text);
}

// The box is about to appear, and the speech still waiting has been cut.
void Announcer::MessageBoxMade(MFormDeluxe* box) {
    connect(box, &MFormDeluxe::Shown, this, [this, box] {
        QString description = BoxDescription(box->Text(), box->Captions());
        // A card refused while a meld is open: the column it belongs in.
        for (int c = 1; c <= 6 && Game.PlayerTurn && !Game.OppTurn; ++c)
            if (Game.Melds(c).Count == 1 || Game.Melds(c).Count == 2) {
                //: For screen readers, after a message box's buttons: %1 the open meld's column.
                description += QLatin1Char(' ') + tr("Meld %1 is open.").arg(c);
                break;
            }
        box->setAccessibleDescription(description);
        TellMeld();
        const QStringList turn = Turn;
        Turn.clear();
        for (const QString& text : turn)
            Say(text);
        TellHeld();
    });
}

QString Announcer::EventText(const TableEvent& e) {
    const QString card = FrmMain::CardName(e.Card);
    const bool dorvil = e.ByDorvil;
    // %1 is always a card's name ("Seven of Hearts"), %2 a meld column's number.
    switch (e.What) {
    case TableEvent::Takes:
        return (dorvil ? tr("Dorvil takes the %1 from the discard pile.")
                       : tr("You take the %1 from the discard pile."))
            .arg(card);
    case TableEvent::Draws:
        return dorvil ? tr("Dorvil takes a card from the stock.")
                      : tr("You take the %1 from the stock.").arg(card);
    case TableEvent::Melds:
        return (dorvil ? tr("Dorvil melds the %1 in Meld %2.") : tr("You meld the %1 in Meld %2."))
            .arg(card)
            .arg(e.Column);
    case TableEvent::LaysOff:
        return (dorvil ? tr("Dorvil lays off the %1 on Meld %2.")
                       : tr("You lay off the %1 on Meld %2."))
            .arg(card)
            .arg(e.Column);
    case TableEvent::TakesBack:
        return tr("You take back the %1 from Meld %2.").arg(card).arg(e.Column);
    case TableEvent::Returns:
        return tr("The %1 goes back to your hand.").arg(card);
    case TableEvent::Discards:
        return (dorvil ? tr("Dorvil discards the %1.") : tr("You discard the %1.")).arg(card);
    case TableEvent::StockReplaced:
        return e.Count == 1
                   ? tr("The stock now holds %n card from the discard pile.", nullptr, 1)
                   : tr("The stock now holds %n cards from the discard pile.", nullptr, e.Count);
    case TableEvent::HandWon:
        if (dorvil)
            return e.Count == 1
                       ? tr("Dorvil wins the hand and scores %n point.", nullptr, 1)
                       : tr("Dorvil wins the hand and scores %n points.", nullptr, e.Count);
        return e.Count == 1 ? tr("You win the hand and score %n point.", nullptr, 1)
                            : tr("You win the hand and score %n points.", nullptr, e.Count);
    case TableEvent::GameWon:
        return dorvil ? tr("Dorvil wins the game.") : tr("You win the game.");
    case TableEvent::HandSettled: // the win, the scores and the message box tell it
    case TableEvent::DrawCalled:  // its message box told it
        break;
    }
    return {};
}

// Dorvil's new meld, told once it is whole.
QString Announcer::MeldText(const QList<int>& cards, int column) {
    if (cards.size() == 1) return EventText(TableEvent{TableEvent::Melds, true, cards[0], column});
    const QString what = FrmMain::MeldName(cards);
    //: Dorvil's new meld, told when whole: %1 its cards ("Fours of Diamonds, Clubs and
    //: Hearts"), %2 its column's number.
    return tr("Dorvil melds the %1 in Meld %2.", "whole").arg(what).arg(column);
}

// The cards the loser of a hand is left with, which the box shows "below".
QString Announcer::LeftText(bool byDorvil, Rules::Mask cards) {
    QStringList names;
    for (int n = 1; n <= 52; ++n)
        if (cards & Rules::Bit(n)) names << FrmMain::CardName(n);
    if (names.isEmpty()) return {};
    //: The end of a hand, for screen readers: %1 the cards left in the loser's hand.
    return (byDorvil ? tr("You held: %1.") : tr("Dorvil held: %1.")).arg(FrmMain::Listed(names));
}

QString Announcer::ScoresText(int player, int dorvil, int target) {
    //: After a hand, for screen readers: %1 the player's score, %2 Dorvil's, %3 the target.
    return tr("You %1, Dorvil %2; target %3.").arg(player).arg(dorvil).arg(target);
}

// The final score, the margin and the money it is worth, a cent a point.
QString Announcer::FinalText(int player, int dorvil) {
    const int margin = std::abs(player - dorvil);
    //: The end of a game, for screen readers: %1 the player's final score, %2 Dorvil's.
    const QString score = tr("Final score: you %1, Dorvil %2.").arg(player).arg(dorvil);
    //: %1 the margin in points, which is also the money in cents.
    const QString money = player > dorvil
                              ? (margin == 1 ? tr("You win by 1 point: Dorvil owes you 1 cent.")
                                             : tr("You win by %1 points: Dorvil owes you %1 cents."))
                              : (margin == 1 ? tr("Dorvil wins by 1 point: you owe him 1 cent.")
                                             : tr("Dorvil wins by %1 points: you owe him %1 cents."));
    return score + QLatin1Char(' ') + money.arg(margin);
}

QString Announcer::DealtText(int faceCard) {
    return tr("The cards are dealt. The face card is the %1.").arg(FrmMain::CardName(faceCard));
}

QString Announcer::BoxDescription(const QString& text, const QStringList& captions) {
    QStringList buttons;
    for (const QString& caption : captions)
        buttons << caption.simplified();
    QString message = text;
    message.replace(QLatin1Char('\r'), QLatin1Char(' '));
    // (a caption may end a sentence itself: "O.K.", "Carry On!")
    //: For screen readers, after a message box's text: %1 the text, %2 its one button.
    const QString one = tr("%1 Button: %2");
    //: %1 the text, %2 its buttons.
    const QString more = tr("%1 Buttons: %2");
    return Sentence(
        (buttons.size() == 1 ? one : more).arg(Sentence(message), buttons.join(tr(", "))));
}

QString Announcer::PositionText(int at, int count) {
    //: Where a card lies in the hand, for screen readers: the 2nd of 11 cards.
    return tr("%1 of %2", "position").arg(at).arg(count);
}
