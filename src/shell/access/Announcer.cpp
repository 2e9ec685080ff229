// The announcements and the status element that carries them.
#include "Announcer.h"

#include "FrmMain.h"
#include "dialogs/MFormDeluxe.h"
#include "window/MainWindow.h"

#include <QAccessible>

namespace {
constexpr qsizetype Kept = 50;

QString Points(int count) {
    return QStringLiteral("%1 point%2").arg(count).arg(count == 1 ? "" : "s");
}

QString Sentence(const QString& text) {
    const QString t = text.trimmed();
    return t.isEmpty() || t.endsWith('.') || t.endsWith('?') || t.endsWith('!') ? t : t + '.';
}
} // namespace

AnnouncementLine::AnnouncementLine(QWidget* table) : QWidget(table) {
    setObjectName(QStringLiteral("Announcements"));
    setAccessibleName(QStringLiteral("Announcements"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
}

Announcer::Announcer(MainWindow& window) : Status(new AnnouncementLine(window.Table())) {}

void Announcer::Say(const QString& text) {
    const QString said = text.simplified();
    if (!Status || said.isEmpty()) return;
    Said << said;
    if (Said.size() > Kept) Said.removeFirst();
    const QString old = Status->accessibleName();
    Status->setAccessibleName(said);
    if (old == said) { // the widget tells a new name only
        QAccessibleEvent renamed(Status, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
    QAccessibleTextUpdateEvent update(Status, 0, old, said);
    QAccessible::updateAccessibility(&update);
    QAccessibleEvent alert(Status, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void Announcer::TextShown(Ctl control, const QString& text) {
    if (control == Ctl::LblInfo) Say(text);
}

void Announcer::TableEventSeen(const TableEvent& event) {
    Say(EventText(event));
}

QString Announcer::EventText(const TableEvent& e) {
    const QString card = QStringLiteral("the ") + FrmMain::CardName(e.Card);
    const QString meld = QStringLiteral("Meld %1").arg(e.Column);
    const bool dorvil = e.ByDorvil;
    switch (e.What) {
    case TableEvent::Takes:
        return (dorvil ? QStringLiteral("Dorvil takes ") : QStringLiteral("You take ")) + card +
               QStringLiteral(" from the discard pile");
    case TableEvent::Draws:
        return dorvil ? QStringLiteral("Dorvil takes a card from the stock")
                      : QStringLiteral("You take ") + card + QStringLiteral(" from the stock");
    case TableEvent::Melds:
        return (dorvil ? QStringLiteral("Dorvil melds ") : QStringLiteral("You meld ")) + card +
               QStringLiteral(" in ") + meld;
    case TableEvent::LaysOff:
        return (dorvil ? QStringLiteral("Dorvil lays off ") : QStringLiteral("You lay off ")) +
               card + QStringLiteral(" on ") + meld;
    case TableEvent::TakesBack:
        return QStringLiteral("You take back ") + card + QStringLiteral(" from ") + meld;
    case TableEvent::Returns:
        return QStringLiteral("The ") + FrmMain::CardName(e.Card) +
               QStringLiteral(" goes back to your hand");
    case TableEvent::Discards:
        return (dorvil ? QStringLiteral("Dorvil discards ") : QStringLiteral("You discard ")) +
               card;
    case TableEvent::StockReplaced:
        return QStringLiteral("The stock now holds %1 cards from the discard pile").arg(e.Count);
    case TableEvent::HandWon:
        return dorvil ? QStringLiteral("Dorvil wins the hand and scores ") + Points(e.Count)
                      : QStringLiteral("You win the hand and score ") + Points(e.Count);
    case TableEvent::GameWon:
        return dorvil ? QStringLiteral("Dorvil wins the game") : QStringLiteral("You win the game");
    case TableEvent::HandSettled: // the win and the message box have told it
        break;
    }
    return {};
}

void Announcer::MessageBoxMade(MFormDeluxe* box) {
    connect(box, &MFormDeluxe::Shown, this, [this, box] {
        QString message = box->Text();
        message.replace(QLatin1Char('\r'), QLatin1Char(' '));
        Say(Sentence(box->Title()) + ' ' + Sentence(message) + QStringLiteral(" Buttons: ") +
            box->Captions().join(QStringLiteral(", ")));
    });
}
