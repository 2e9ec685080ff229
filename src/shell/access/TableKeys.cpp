// The table's keys, the hand focus, the Tab ring and the focus frames.
#include "TableKeys.h"

#include "Announcer.h"
#include "DropAreas.h"
#include "FocusFrame.h"
#include "FrmMain.h"
#include "TableGroups.h"
#include "dialogs/MFormDeluxe.h"
#include "dialogs/TargetFrame.h"
#include "table/FollowMouse.h"
#include "table/TableWidgets.h"
#include "window/MainWindow.h"
#include "window/TableControls.h"

#include <QApplication>
#include <QKeyEvent>
#include <QToolTip>
#include <algorithm>

namespace {

int MeldOf(TableKeys::Stop stop) {
    int c = static_cast<int>(stop) - static_cast<int>(TableKeys::Stop::Meld1) + 1;
    return c >= 1 && c <= 6 ? c : 0;
}
TableKeys::Stop MeldStop(int column) {
    return static_cast<TableKeys::Stop>(static_cast<int>(TableKeys::Stop::Meld1) + column - 1);
}
} // namespace

TableKeys::TableKeys(MainWindow& window, FrmMain& game, TableGroups& groups)
    : Window(window), Game(game), Groups(groups), Client(groups.Client()) {
    Client->setFocusPolicy(Qt::StrongFocus);
    Client->setFocus();
    Client->installEventFilter(this);
    Window.installEventFilter(this);
    Second = new FocusFrame(Client, QStringLiteral("KeyFocusCard"), true);
    Main = new FocusFrame(Client, QStringLiteral("KeyFocus"), false);
    connect(&Groups, &TableGroups::TableChanged, this, &TableKeys::Refresh);
    // After the window's own connection, which sorts.
    connect(Window.Controls().PicSortSuits, &PictureButton::Clicked, this, [this] { Sorted(true); });
    connect(Window.Controls().PicSortSame, &PictureButton::Clicked, this, [this] { Sorted(false); });
}

PictureButton* TableKeys::Button(Stop stop) const {
    const TableControls& c = Window.Controls();
    switch (stop) {
    case Stop::SortSame:
        return c.PicSortSame;
    case Stop::SortSuits:
        return c.PicSortSuits;
    case Stop::TakeBack:
        return c.PicTakeBack;
    case Stop::CallDraw:
        return c.PicDraw;
    default:
        return nullptr;
    }
}

QWidget* TableKeys::Statistics() const {
    return Window.Controls().FramStats;
}

bool TableKeys::TargetOpen() const {
    return Window.Controls().FramTarget->IsOpen();
}

// The message box is made on first use; it learns then that keys are in play.
// A player who answers a box with a key plays by keys (the first box of a
// game carried on is answered before any key reaches the table).
void TableKeys::MessageBoxMade(MFormDeluxe* box) {
    if (KeysUsed) box->ShowKeyFocus();
    connect(box, &MFormDeluxe::AnsweredByKey, this, [this] { UseKeys(false); });
}

bool TableKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || TargetOpen()) return false;
    QWidget* focus = QApplication::focusWidget();
    if ((focus && focus != Client) || (watched != Client && watched != &Window)) return false;
    return TableKey(static_cast<QKeyEvent*>(event));
}

bool TableKeys::TableKey(QKeyEvent* key) {
    const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
    const int k = key->key();
    const bool backTab =
        k == Qt::Key_Backtab || (k == Qt::Key_Tab && modifiers == Qt::ShiftModifier);
    if (!backTab && modifiers != Qt::NoModifier) return false;
    const bool known = backTab || k == Qt::Key_S || k == Qt::Key_F || k == Qt::Key_Left ||
                       k == Qt::Key_Right || k == Qt::Key_Home || k == Qt::Key_End ||
                       (k >= Qt::Key_1 && k <= Qt::Key_6) || k == Qt::Key_Delete ||
                       k == Qt::Key_Tab || k == Qt::Key_Space || k == Qt::Key_Return ||
                       k == Qt::Key_Enter;
    if (!known) return false;
    // A card on the pointer belongs to the mouse until it is let go.
    if (Window.Follower() && Window.Follower()->Enabled()) return true;
    if (k == Qt::Key_S || k == Qt::Key_F) {
        UseKeys(false);
        ClickCard(Groups.TopOfPile(k == Qt::Key_S ? Where::Stock : Where::Discard));
    } else if (k == Qt::Key_Left || k == Qt::Key_Right || k == Qt::Key_Home || k == Qt::Key_End) {
        const int before = Focus;
        const Stop ring = Ring;
        StepHand(k == Qt::Key_Left || k == Qt::Key_Home ? -1 : 1,
                 k == Qt::Key_Home || k == Qt::Key_End);
        // A key that moves nothing still answers: the card under the frame.
        if (Focus && Focus == before && ring == Ring) RetellCard();
    } else if (k >= Qt::Key_1 && k <= Qt::Key_6) {
        UseKeys(true);
        if (Ring == Stop::None) Ring = Stop::Hand;
        const int c = k - Qt::Key_1 + 1;
        DropFocused(DropAreas::ColumnPoint(c));
    } else if (k == Qt::Key_Delete) {
        UseKeys(true);
        if (Ring == Stop::None) Ring = Stop::Hand;
        DropFocused(DropAreas::DiscardPoint);
    } else if (k == Qt::Key_Tab || backTab) {
        MoveRing(!backTab);
    } else {
        Activate();
    }
    Refresh();
    return true;
}

void TableKeys::RetellCard() {
    const QList<int> hand = Groups.Cards(Group::Hand);
    const qsizetype at = hand.indexOf(Focus);
    if (at < 0) return;
    emit Notice(FrmMain::CardName(Focus) + QLatin1String(". ") +
                Announcer::PositionText(int(at + 1), int(hand.size())) + QLatin1Char('.'));
}

// A sort moves every card: the new order is told by its first card.
void TableKeys::Sorted(bool bySuit) {
    const QList<int> hand = Groups.Cards(Group::Hand);
    if (hand.isEmpty()) return;
    //: For screen readers, after a sort: %1 the first card of the hand ("Two of Clubs").
    emit Notice((bySuit ? tr("Your hand is sorted by suit. The first card is the %1.")
                        : tr("Your hand is sorted by rank. The first card is the %1."))
                    .arg(FrmMain::CardName(hand.first())));
}

void TableKeys::UseKeys(bool frames) {
    if (!KeysUsed) {
        KeysUsed = true;
        if (MFormDeluxe* box = Window.MessageBox()) box->ShowKeyFocus();
    }
    if (frames) FramesOn = true;
}

bool TableKeys::Stale(int hand) const {
    return Game.Closing || Game.HandSerial != hand;
}

// A click on a card of a pile: the press takes the card; a refused press is
// followed at once by its release and the click, as with the mouse, and
// before the first hand that click deals.
void TableKeys::ClickCard(int n) {
    if (n == 0) return;
    const int hand = Game.HandSerial;
    const bool dealt = Game.GameInPlay;
    bool taken = false;
    Window.RunHandler([&] { taken = Game.Cds_MouseDown(n); });
    if (taken || Stale(hand)) return;
    Window.RunHandler([&] { Game.Cds_MouseUp(n); });
    if (Stale(hand)) return;
    Window.RunHandler([&] { Game.Cds_Click(n); });
    if (dealt && !Stale(hand)) Hint(n);
}

// A drag of the focused hand card: the press, the picture carried to a point
// inside the target (or left where it is, for a plain click), the release.
void TableKeys::DropFocused(std::optional<QPoint> twips) {
    const int n = EnsureHandFocus();
    if (n == 0) return;
    Refresh();
    DropCard(n, twips);
}

void TableKeys::DropCard(int n, std::optional<QPoint> twips) {
    const int hand = Game.HandSerial;
    bool dragging = false;
    Window.RunHandler([&] { dragging = Game.Cds_MouseDown(n); });
    if (Stale(hand)) return;
    if (!dragging) {
        Hint(n);
        return;
    }
    if (twips) Window.MoveCard(n, twips->x(), twips->y());
    Window.RunHandler([&] { Game.Cds_MouseUp(n); });
}

// The hint the pointer shows over the card, shown where the card lies and told
// to the screen reader.
void TableKeys::Hint(int n) {
    Window.RunHandler([&] { Game.Cds_MouseMove(n); });
    CardPicture* card = Window.Card(n);
    const QString tip = card->toolTip();
    if (tip.isEmpty()) return;
    QToolTip::showText(card->mapToGlobal(QPoint(card->width() / 2, 0)), tip, card);
    emit Notice(tip);
}

void TableKeys::TableEventSeen(const TableEvent& event) {
    if (event.ByDorvil) return;
    if (event.What == TableEvent::Takes || event.What == TableEvent::Draws)
        LastTaken = event.Card;
    else if (event.What == TableEvent::Discards)
        LastTaken = 0;
}

int TableKeys::StartingCard() const {
    const QList<int> hand = Groups.Cards(Group::Hand);
    if (hand.contains(Focus)) return Focus;
    return hand.contains(LastTaken) ? LastTaken : hand.value(0);
}

int TableKeys::EnsureHandFocus() {
    SyncHand();
    if (Focus == 0) {
        const QList<int> hand = Groups.Cards(Group::Hand);
        if (!hand.isEmpty()) Focus = hand.contains(LastTaken) ? LastTaken : hand.first();
    }
    return Focus;
}

void TableKeys::SyncHand() {
    if (Serial != Game.HandSerial) {
        Serial = Game.HandSerial;
        Focus = LastTaken = 0;
        Order.clear();
    }
    const QList<int> hand = Groups.Cards(Group::Hand);
    if (Focus && !hand.contains(Focus)) {
        Focus = Neighbour(hand);
        // Its card went as the turn passed to Dorvil: the frame's new place
        // is told when a key next moves it, not across the news of his turn.
        if (!Game.PlayerTurn) ToldFocus = Focus;
    }
    // A card on its way to a target no longer shows the hand's order.
    const bool laidOut = std::all_of(hand.begin(), hand.end(), [&](int n) {
        return Window.CardTop(n) == Window.CardTop(hand.first());
    });
    if (laidOut) Order = hand;
}

// The card that stood right of the one that left, else the one left of it.
int TableKeys::Neighbour(const QList<int>& hand) const {
    const qsizetype at = Order.indexOf(Focus);
    if (at < 0) return 0;
    for (qsizetype i = at + 1; i < Order.size(); ++i)
        if (hand.contains(Order[i])) return Order[i];
    for (qsizetype i = at - 1; i >= 0; --i)
        if (hand.contains(Order[i])) return Order[i];
    return 0;
}

void TableKeys::StepHand(int step, bool toEnd) {
    UseKeys(true);
    Ring = Stop::Hand;
    SyncHand();
    const bool starting = Focus == 0;
    if (EnsureHandFocus() == 0) return;
    const QList<int> hand = Groups.Cards(Group::Hand);
    if (toEnd)
        Focus = step < 0 ? hand.first() : hand.last();
    else if (!starting)
        Focus = hand[std::clamp<qsizetype>(hand.indexOf(Focus) + step, 0, hand.size() - 1)];
}

std::vector<TableKeys::Stop> TableKeys::Stops() const {
    std::vector<Stop> stops{Stop::Stock, Stop::Discard};
    if (!Groups.Cards(Group::Dorvil).isEmpty()) stops.push_back(Stop::Dorvil);
    if (!Groups.Cards(Group::Hand).isEmpty()) stops.push_back(Stop::Hand);
    for (int c = 1; c <= 6; ++c)
        stops.push_back(MeldStop(c));
    for (Stop b : {Stop::SortSame, Stop::SortSuits, Stop::TakeBack, Stop::CallDraw})
        if (PictureButton* button = Button(b); button && !button->isHidden()) stops.push_back(b);
    stops.push_back(Stop::Statistics);
    return stops;
}

void TableKeys::MoveRing(bool forward) {
    UseKeys(true);
    const std::vector<Stop> stops = Stops();
    auto at = std::find(stops.begin(), stops.end(), Ring);
    if (at == stops.end()) {
        Ring = forward ? stops.front() : stops.back();
    } else {
        size_t i = static_cast<size_t>(at - stops.begin());
        Ring = stops[(i + (forward ? 1 : stops.size() - 1)) % stops.size()];
    }
    if (Ring == Stop::Hand || MeldOf(Ring)) EnsureHandFocus();
}

// Before any Tab, Space or Enter only shows where the focus starts.
void TableKeys::Activate() {
    if (Ring == Stop::None) {
        MoveRing(true);
        return;
    }
    UseKeys(true);
    if (Ring == Stop::Stock || Ring == Stop::Discard) {
        ClickCard(Groups.TopOfPile(Ring == Stop::Stock ? Where::Stock : Where::Discard));
    } else if (Ring == Stop::Hand) {
        DropFocused(std::nullopt);
    } else if (int c = MeldOf(Ring)) {
        DropFocused(DropAreas::ColumnPoint(c));
    } else if (PictureButton* button = Button(Ring)) {
        button->Click();
    }
}

QRect TableKeys::AreaOf(Stop stop) const {
    if (stop == Stop::Stock) return Groups.Area(Group::Stock);
    if (stop == Stop::Discard) return Groups.Area(Group::Discard);
    if (stop == Stop::Dorvil) return Groups.Area(Group::Dorvil);
    if (stop == Stop::Statistics) return Statistics()->geometry();
    if (int c = MeldOf(stop)) return Groups.Area(MeldGroup(c));
    if (PictureButton* button = Button(stop)) return button->geometry();
    return FocusedPart();
}

QRect TableKeys::FocusedPart() const {
    return Focus == 0 ? QRect() : Groups.ShownPart(Focus);
}

void TableKeys::Refresh() {
    SyncHand();
    if (Ring != Stop::None && Ring != Stop::Hand) {
        const std::vector<Stop> stops = Stops();
        if (std::find(stops.begin(), stops.end(), Ring) == stops.end())
            Ring = Focus ? Stop::Hand : Stop::Stock; // its button has gone
    }
    if (!Main || !Second) return;
    const QRect card = FocusedPart();
    if (!FramesOn || TargetOpen()) {
        Main->hide();
        Second->hide();
    } else if (Ring == Stop::Hand || Ring == Stop::None) {
        Second->hide();
        Main->Surround(card, Window.Scale());
    } else {
        Second->Surround(card, Window.Scale());
        Main->Surround(AreaOf(Ring), Window.Scale());
    }
    if ((ToldRing != Ring || ToldFocus != Focus) && FramesOn) {
        ToldRing = Ring;
        ToldFocus = Focus;
        emit FocusChanged();
    }
}
