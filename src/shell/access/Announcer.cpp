// The announcements, their sentences and their order.
#include "Announcer.h"

#include "FrmMain.h"
#include "Notices.h"
#include "dialogs/MFormDeluxe.h"
#include "window/MainWindow.h"

#include <QTimer>
#include <algorithm>

namespace {
constexpr qsizetype Kept = 50;

QString Sentence(const QString& text) {
    const QString t = text.simplified();
    return t.isEmpty() || t.endsWith('.') || t.endsWith('?') || t.endsWith('!') ? t : t + '.';
}

QString RankOf(int card) {
    return FrmMain::CardName(card).section(QStringLiteral(" of "), 0, 0);
}
QString SuitOf(int card) {
    return FrmMain::CardName(card).section(QStringLiteral(" of "), 1);
}
QString Ranks(const QString& rank) {
    return rank == QLatin1String("Six") ? QStringLiteral("Sixes") : rank + 's';
}

// "A", "A and B", "A, B and C".
QString Listed(const QStringList& parts) {
    if (parts.size() < 2) return parts.value(0);
    return QStringLiteral("%1 and %2").arg(parts.mid(0, parts.size() - 1).join(", "), parts.last());
}
} // namespace

AnnouncementLine::AnnouncementLine(QWidget* table) : QWidget(table) {
    setObjectName(QStringLiteral("Announcements"));
    setAccessibleName(QStringLiteral("Announcements"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
}

Announcer::Announcer(MainWindow& window, const FrmMain& game)
    : Game(game), Status(new AnnouncementLine(window.Table())),
      Shown(std::make_unique<Notices>(Status)) {}

Announcer::~Announcer() = default;

void Announcer::Say(const QString& text) {
    const QString said = text.simplified();
    if (!Status || said.isEmpty()) return;
    Said << said;
    if (Said.size() > Kept) Said.removeFirst();
    Shown->Show(said);
}

QList<QAccessibleInterface*> Announcer::Alive() const {
    return Shown->Alive();
}

// The same line shown again is no news. The first line once a hand is dealt
// follows the news of the deal: the face card a sighted player sees at once.
void Announcer::TextShown(Ctl control, const QString& text) {
    if (control != Ctl::LblInfo) return;
    TellMeld();
    const int face = Game.FaceCard;
    if (Game.HandSerial != Dealt && Game.GameInPlay && face &&
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
    const QString text = EventText(event);
    if (text.isEmpty()) return;
    if (event.What == TableEvent::HandWon || event.What == TableEvent::GameWon) {
        // A message box follows at once; if none does, the next turn of the
        // event loop tells it.
        Held << text;
        QTimer::singleShot(0, this, &Announcer::TellHeld);
        return;
    }
    if (event.ByDorvil) {
        TellDorvil(text);
        return;
    }
    Turn.clear();
    Say(text);
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
        box->setAccessibleDescription(BoxDescription(box->Text(), box->Captions()));
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
    switch (e.What) {
    case TableEvent::Takes:
        return (dorvil ? QStringLiteral("Dorvil takes the %1 from the discard pile.")
                       : QStringLiteral("You take the %1 from the discard pile."))
            .arg(card);
    case TableEvent::Draws:
        return dorvil ? QStringLiteral("Dorvil takes a card from the stock.")
                      : QStringLiteral("You take the %1 from the stock.").arg(card);
    case TableEvent::Melds:
        return (dorvil ? QStringLiteral("Dorvil melds the %1 in Meld %2.")
                       : QStringLiteral("You meld the %1 in Meld %2."))
            .arg(card)
            .arg(e.Column);
    case TableEvent::LaysOff:
        return (dorvil ? QStringLiteral("Dorvil lays off the %1 on Meld %2.")
                       : QStringLiteral("You lay off the %1 on Meld %2."))
            .arg(card)
            .arg(e.Column);
    case TableEvent::TakesBack:
        return QStringLiteral("You take back the %1 from Meld %2.").arg(card).arg(e.Column);
    case TableEvent::Returns:
        return QStringLiteral("The %1 goes back to your hand.").arg(card);
    case TableEvent::Discards:
        return (dorvil ? QStringLiteral("Dorvil discards the %1.")
                       : QStringLiteral("You discard the %1."))
            .arg(card);
    case TableEvent::StockReplaced:
        return QStringLiteral("The stock now holds %1 cards from the discard pile.").arg(e.Count);
    case TableEvent::HandWon:
        if (dorvil)
            return (e.Count == 1 ? QStringLiteral("Dorvil wins the hand and scores %1 point.")
                                 : QStringLiteral("Dorvil wins the hand and scores %1 points."))
                .arg(e.Count);
        return (e.Count == 1 ? QStringLiteral("You win the hand and score %1 point.")
                             : QStringLiteral("You win the hand and score %1 points."))
            .arg(e.Count);
    case TableEvent::GameWon:
        return dorvil ? QStringLiteral("Dorvil wins the game.")
                      : QStringLiteral("You win the game.");
    case TableEvent::HandSettled: // the win and the message box have told it
        break;
    }
    return {};
}

// A set reads as its rank and suits, a run as its ranks and suit.
QString Announcer::MeldText(const QList<int>& cards, int column) {
    if (cards.size() == 1) return EventText(TableEvent{TableEvent::Melds, true, cards[0], column});
    QList<int> laid = cards;
    const auto sameRank = [&](int n) { return RankOf(n) == RankOf(laid[0]); };
    const auto sameSuit = [&](int n) { return SuitOf(n) == SuitOf(laid[0]); };
    QStringList parts;
    QString what;
    if (std::all_of(laid.begin(), laid.end(), sameRank)) {
        for (int n : laid)
            parts << SuitOf(n);
        what = QStringLiteral("%1 of %2").arg(Ranks(RankOf(laid[0])), Listed(parts));
    } else if (std::all_of(laid.begin(), laid.end(), sameSuit)) {
        std::sort(laid.begin(), laid.end());
        for (int n : laid)
            parts << RankOf(n);
        what = QStringLiteral("%1 of %2").arg(Listed(parts), SuitOf(laid[0]));
    } else {
        for (int n : laid)
            parts << FrmMain::CardName(n);
        what = Listed(parts);
    }
    return QStringLiteral("Dorvil melds the %1 in Meld %2.").arg(what).arg(column);
}

QString Announcer::DealtText(int faceCard) {
    return QStringLiteral("The cards are dealt. The face card is the %1.")
        .arg(FrmMain::CardName(faceCard));
}

QString Announcer::BoxDescription(const QString& text, const QStringList& captions) {
    QStringList buttons;
    for (const QString& caption : captions)
        buttons << caption.simplified();
    QString message = text;
    message.replace(QLatin1Char('\r'), QLatin1Char(' '));
    // (a caption may end a sentence itself: "O.K.", "Carry On!")
    return Sentence(
        (buttons.size() == 1 ? QStringLiteral("%1 Button: %2") : QStringLiteral("%1 Buttons: %2"))
            .arg(Sentence(message), buttons.join(QStringLiteral(", "))));
}

QString Announcer::PositionText(int at, int count) {
    return QStringLiteral("%1 of %2").arg(at).arg(count);
}
