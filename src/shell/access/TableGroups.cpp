// The groups of the table, read from the game's places and the card pictures'
// positions and stacking, so that they always say what the screen shows.
#include "TableGroups.h"

#include "Announcer.h"
#include "FocusFrame.h"
#include "FrmMain.h"
#include "table/TableWidgets.h"
#include "window/MainWindow.h"
#include "window/TableControls.h"

#include <QChildEvent>
#include <QTimer>
#include <algorithm>

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
    // The names of the groups as a screen reader says them; the counts are
    // of cards, the one for one card and the other for any other count (%n).
    const int count = Count(g);
    switch (g) {
    case Group::Stock:
        return count == 1 ? tr("Stock, %n card", nullptr, 1)
                          : tr("Stock, %n cards", nullptr, count);
    case Group::Discard: {
        int top = TopOfPile(Where::Discard);
        //: %1 is the card on top of the discard pile.
        return top ? tr("Discard pile: %1").arg(FrmMain::CardName(top)) : tr("Discard pile: empty");
    }
    case Group::Dorvil:
        return count == 1 ? tr("Dorvil's hand, %n card", nullptr, 1)
                          : tr("Dorvil's hand, %n cards", nullptr, count);
    case Group::Hand:
        // (a screen reader tells the number of its cards, the list's items)
        return tr("Your hand");
    default:
        break;
    }
    const QList<int> cards = Cards(g);
    const int column = MeldColumnOf(g);
    //: A meld column with no card; %1 is its number.
    if (cards.isEmpty()) return tr("Meld %1: empty").arg(column);
    // A set reads as its rank and suits, as Dorvil's news tells it.
    const bool oneRank = cards.size() > 1 && std::all_of(cards.begin(), cards.end(), [&](int n) {
        return Game.Cards(n).Rank == Game.Cards(cards[0]).Rank;
    });
    if (oneRank) {
        QStringList suits;
        for (int n : cards)
            suits << FrmMain::SuitName(n);
        //: A meld column holding a set: %1 its number, %2 the rank in the plural ("Nines"),
        //: %3 its suits ("Diamonds, Hearts and Spades").
        return tr("Meld %1: %2 of %3", "set")
            .arg(QString::number(column), FrmMain::RankPlural(cards[0]), FrmMain::Listed(suits));
    }
    // A run reads as its ranks and one suit; cards of neither are named whole.
    bool oneSuit = std::all_of(cards.begin(), cards.end(), [&](int n) {
        return Game.Cards(n).Suit == Game.Cards(cards[0]).Suit;
    });
    QStringList parts;
    for (int n : cards)
        parts << (oneSuit ? FrmMain::RankName(n) : FrmMain::CardName(n));
    //: Between the cards of a meld read out.
    const QString list = parts.join(tr(", "));
    //: A meld column with cards of one suit: %1 its number, %2 the ranks ("Five, Six, Seven"),
    //: %3 the suit ("Hearts"), as in the name of a card ("Seven of Hearts").
    return oneSuit ? tr("Meld %1: %2 of %3")
                         .arg(QString::number(column), list, FrmMain::SuitName(cards[0]))
                   //: A meld column with cards of several suits: %1 its number, %2 the cards.
                   : tr("Meld %1: %2").arg(QString::number(column), list);
}

QString TableGroups::StatisticsName() const {
    const TableControls& controls = Window.Controls();
    auto text = [&](Ctl c) { return controls.Of(c)->accessibleName().simplified(); };
    //: The statistics frame for screen readers: %1 its caption, then each heading and its figure
    //: (%2 "Won Player" %3 "2", %4 "Won Dorvil" %5 "1", %6 "Owed Player" %7 "$0.00", ...).
    return tr("%1: %2 %3, %4 %5; %6 %7, %8 %9.")
        .arg(controls.FramStats->accessibleName(), text(Ctl::LblNoWonP), text(Ctl::LblWonP),
             text(Ctl::LblNoWonG), text(Ctl::LblWonG), text(Ctl::LblGowes), text(Ctl::LblMoneyP),
             text(Ctl::LblOweG), text(Ctl::LblMoneyG));
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

QRect TableGroups::ShownPart(int card) const {
    if (card < 1 || card > 52) return {};
    const QWidget* picture = Picture(card);
    const QObjectList& stack = Table->children();
    const qsizetype depth = stack.indexOf(const_cast<QWidget*>(picture));
    QRect part = picture->geometry();
    for (int n : Cards(GroupOf(card))) {
        const QWidget* other = Picture(n);
        const QRect over = other->geometry();
        if (n != card && over.intersects(part) && over.left() > part.left() &&
            stack.indexOf(const_cast<QWidget*>(other)) > depth)
            part.setRight(over.left() - 1);
    }
    return part;
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
