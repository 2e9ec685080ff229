// The groups of the table, read from the game's places and the card pictures'
// positions and stacking, so that they always say what the screen shows.
#include "TableGroups.h"

#include "FocusFrame.h"
#include "FrmMain.h"
#include "table/TableWidgets.h"
#include "window/MainWindow.h"
#include "window/TableControls.h"

#include <QChildEvent>
#include <QTimer>
#include <algorithm>

namespace {
QString Plural(int count, const char* what) {
    return QStringLiteral("%1 %2%3").arg(count).arg(QLatin1String(what),
                                                    count == 1 ? QString() : QStringLiteral("s"));
}
QString RankOf(int card) {
    return FrmMain::CardName(card).section(QStringLiteral(" of "), 0, 0);
}
QString SuitOf(int card) {
    return FrmMain::CardName(card).section(QStringLiteral(" of "), 1);
}
} // namespace

TableGroups::TableGroups(MainWindow& window, const FrmMain& game)
    : Window(window), Game(game), Table(window.Table()) {
    Table->installEventFilter(this);
    for (QObject* child : Table->children())
        Watch(child);
}

QWidget* TableGroups::Picture(int card) const {
    return Window.Card(card);
}

void TableGroups::Watch(QObject* child) {
    if (child->isWidgetType()) child->installEventFilter(this);
}

bool TableGroups::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ChildAdded:
        if (watched == Client()) Watch(static_cast<QChildEvent*>(event)->child());
        break;
    case QEvent::Resize:
    case QEvent::Move:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::ZOrderChange:
        // The focus frames move with what they mark; their own moves are no news.
        if (!dynamic_cast<FocusFrame*>(watched)) Changed();
        break;
    default:
        break;
    }
    return false;
}

void TableGroups::Changed() {
    if (Pending) return;
    Pending = true;
    QTimer::singleShot(0, this, [this] {
        Pending = false;
        emit TableChanged();
    });
}

int TableGroups::TopOfPile(int place) const {
    const QObjectList& stack = Client()->children(); // bottom to top
    for (auto it = stack.crbegin(); it != stack.crend(); ++it) {
        auto* card = dynamic_cast<CardPicture*>(*it);
        if (card && !card->isHidden() && Game.Cards(card->Index()).Place == place)
            return card->Index();
    }
    return 0;
}

QList<int> TableGroups::Cards(Group g) const {
    if (g == Group::Stock || g == Group::Discard) {
        int top = TopOfPile(g == Group::Stock ? Where::Stock : Where::Discard);
        return top ? QList<int>{top} : QList<int>{};
    }
    QList<int> cards;
    for (int n = 1; n <= 52; ++n)
        if (GroupOf(n) == g && !Window.Card(n)->isHidden()) cards << n;
    // A column is laid out in card order, so a card still on its way reads in
    // the place it is going to; a hand reads as it lies.
    if (MeldColumnOf(g) == 0)
        std::stable_sort(cards.begin(), cards.end(),
                         [&](int a, int b) { return Window.CardLeft(a) < Window.CardLeft(b); });
    return cards;
}

Group TableGroups::GroupOf(int card) const {
    const CardRecord& c = Game.Cards(card);
    switch (c.Place) {
    case Where::PlayerHand:
        return Group::Hand;
    case Where::DorvilHand:
        return Group::Dorvil;
    case Where::Discard:
        return Group::Discard;
    case Where::InMeld:
        for (int column = 1; column <= 6; ++column)
            if (c.InColumn(column)) return MeldGroup(column);
        break;
    default:
        break;
    }
    return Group::Stock;
}

int TableGroups::Count(Group g) const {
    int count = 0;
    for (int n = 1; n <= 52; ++n)
        if (GroupOf(n) == g) ++count;
    return count;
}

QString TableGroups::Name(Group g) const {
    switch (g) {
    case Group::Stock:
        return QStringLiteral("Stock, ") + Plural(Count(g), "card");
    case Group::Discard: {
        int top = TopOfPile(Where::Discard);
        return QStringLiteral("Discard pile: ") +
               (top ? FrmMain::CardName(top) : QStringLiteral("empty"));
    }
    case Group::Dorvil:
        return QStringLiteral("Dorvil's hand, ") + Plural(Count(g), "card");
    case Group::Hand:
        // (a screen reader tells the number of its cards, the list's items)
        return QStringLiteral("Your hand");
    default:
        break;
    }
    const QList<int> cards = Cards(g);
    QString name = QStringLiteral("Meld %1: ").arg(MeldColumnOf(g));
    if (cards.isEmpty()) return name + QStringLiteral("empty");
    // A run reads as its ranks and one suit; a set names every card.
    bool oneSuit = std::all_of(cards.begin(), cards.end(), [&](int n) {
        return Game.Cards(n).Suit == Game.Cards(cards[0]).Suit;
    });
    QStringList parts;
    for (int n : cards)
        parts << (oneSuit ? RankOf(n) : FrmMain::CardName(n));
    return name + parts.join(QStringLiteral(", ")) +
           (oneSuit ? QStringLiteral(" of ") + SuitOf(cards[0]) : QString());
}

QRect TableGroups::Union(int place) const {
    QRect area;
    for (int n = 1; n <= 52; ++n)
        if (Game.Cards(n).Place == place && !Window.Card(n)->isHidden())
            area |= Window.Card(n)->geometry();
    return area;
}

QRect TableGroups::OutlineOf(const QWidget* widget) const {
    return QRect(widget->mapTo(Client(), QPoint(0, 0)), widget->size());
}

QRect TableGroups::Area(Group g) const {
    switch (g) {
    case Group::Stock: {
        // Before the first deal the pack lies gathered in the middle of the table.
        QRect pack = Game.GameInPlay ? QRect() : Union(Where::Stock);
        return pack.isEmpty() ? OutlineOf(Window.Controls().Shape2) : pack;
    }
    case Group::Discard:
        return OutlineOf(Window.Controls().Shape3);
    case Group::Dorvil:
        return Union(Where::DorvilHand);
    case Group::Hand:
        return Union(Where::PlayerHand);
    default:
        break;
    }
    // A column's band: between its dividing lines, below the heading, down to
    // the bottom of the meld area.
    const TableControls& controls = Window.Controls();
    const int c = MeldColumnOf(g);
    const QRect meldArea = OutlineOf(controls.Shape1);
    const QRect heading = OutlineOf(controls.LblHeading);
    auto line = [&](int i) { return OutlineOf(controls.Line[static_cast<size_t>(i - 1)]).left(); };
    const int left = c == 1 ? meldArea.left() : line(c - 1);
    const int right = c == 6 ? meldArea.right() : line(c);
    return QRect(QPoint(left, heading.bottom() + 1), QPoint(right, meldArea.bottom()));
}
