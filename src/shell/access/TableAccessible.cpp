// The accessible interfaces of the table and the factory that hands them out.
#include "TableAccessible.h"

#include "Announcer.h"
#include "FocusFrame.h"
#include "TableGroups.h"
#include "TableKeys.h"
#include "dialogs/FaceButton.h"
#include "table/TableArea.h"
#include "table/TableWidgets.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QLabel>
#include <QTimer>
#include <functional>

namespace {
QHash<const QWidget*, TableAccessible*>& Tables() {
    static QHash<const QWidget*, TableAccessible*> tables;
    return tables;
}

bool IsDecorative(const QWidget* w) {
    return dynamic_cast<const ShapeBox*>(w) || dynamic_cast<const LineWidget*>(w) ||
           dynamic_cast<const FocusFrame*>(w);
}

// A container whose decorative children are left out of the tree.
class FilteredInterface : public QAccessibleWidget {
  public:
    FilteredInterface(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}
    int childCount() const override { return static_cast<int>(Kept().size()); }
    QAccessibleInterface* child(int i) const override {
        const QList<QWidget*> kept = Kept();
        return i >= 0 && i < kept.size() ? QAccessible::queryAccessibleInterface(kept[i]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        return c ? static_cast<int>(Kept().indexOf(qobject_cast<QWidget*>(c->object()))) : -1;
    }

  protected:
    virtual bool Keeps(const QWidget* w) const { return !w->isWindow() && !IsDecorative(w); }
    QList<QWidget*> Kept() const {
        QList<QWidget*> kept;
        for (QObject* o : widget()->children())
            if (auto* w = qobject_cast<QWidget*>(o); w && Keeps(w)) kept << w;
        return kept;
    }
};

// The card table: its groups first, then its other controls; the card
// pictures are found inside the groups.
class ClientInterface : public FilteredInterface {
  public:
    explicit ClientInterface(QWidget* client) : FilteredInterface(client, QAccessible::Pane) {}
    int childCount() const override {
        return (Table() ? GroupCount : 0) + FilteredInterface::childCount();
    }
    QAccessibleInterface* child(int i) const override {
        if (TableAccessible* t = Table()) {
            if (i >= 0 && i < GroupCount) return t->GroupInterface(i);
            i -= GroupCount;
        }
        return FilteredInterface::child(i);
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        const int groups = Table() ? GroupCount : 0;
        for (int g = 0; g < groups; ++g)
            if (Table()->GroupInterface(g) == c) return g;
        int i = FilteredInterface::indexOfChild(c);
        return i < 0 ? -1 : i + groups;
    }
    QAccessibleInterface* focusChild() const override {
        TableAccessible* t = Table();
        QAccessibleInterface* key = t && widget()->hasFocus() ? t->KeyFocus() : nullptr;
        return key ? key : FilteredInterface::focusChild();
    }

  protected:
    bool Keeps(const QWidget* w) const override {
        return FilteredInterface::Keeps(w) && !(Table() && dynamic_cast<const CardPicture*>(w));
    }

  private:
    TableAccessible* Table() const { return TableAccessible::Of(widget()); }
};

// A group of cards, backed by no widget of its own.
class CardGroupInterface : public QAccessibleInterface {
  public:
    CardGroupInterface(TableAccessible& owner, Group g) : Owner(owner), Id(g) {}
    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return Client()->window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(Client());
    }
    int childCount() const override { return static_cast<int>(Owner.Groups.Cards(Id).size()); }
    QAccessibleInterface* child(int i) const override {
        const QList<int> cards = Owner.Groups.Cards(Id);
        return i >= 0 && i < cards.size()
                   ? QAccessible::queryAccessibleInterface(Owner.Groups.Picture(cards[i]))
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        const auto* card = c ? dynamic_cast<const CardPicture*>(c->object()) : nullptr;
        return card ? static_cast<int>(Owner.Groups.Cards(Id).indexOf(card->Index())) : -1;
    }
    // Overlapping cards: the one drawn last is the one under the point.
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = childCount() - 1; i >= 0; --i)
            if (QAccessibleInterface* c = child(i); c && c->rect().contains(x, y)) return c;
        return nullptr;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? Owner.Groups.Name(Id) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QRect area = Owner.Groups.Area(Id);
        return QRect(Client()->mapToGlobal(area.topLeft()), area.size());
    }
    QAccessible::Role role() const override { return QAccessible::List; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.focusable = Id != Group::Hand; // (its cards take the focus)
        s.focused = Owner.KeyFocus() == this;
        s.invisible = Owner.Groups.Area(Id).isEmpty();
        return s;
    }

  private:
    QWidget* Client() const { return Owner.Groups.Client(); }
    TableAccessible& Owner;
    Group Id;
};

// A card picture: its parent is the group that holds it.
class CardInterface : public QAccessibleWidget {
  public:
    explicit CardInterface(CardPicture* card) : QAccessibleWidget(card, QAccessible::ListItem) {}
    QAccessibleInterface* parent() const override {
        if (TableAccessible* t = Table())
            return t->GroupInterface(static_cast<int>(t->Groups.GroupOf(Index())));
        return QAccessibleWidget::parent();
    }
    // A card of the hand tells where it lies in it, as "3 of 11".
    QString text(QAccessible::Text t) const override {
        if (TableAccessible* table = Table(); t == QAccessible::Description && table &&
                                              table->Groups.GroupOf(Index()) == Group::Hand) {
            const QList<int> hand = table->Groups.Cards(Group::Hand);
            const qsizetype at = hand.indexOf(Index());
            if (at >= 0)
                return Announcer::PositionText(static_cast<int>(at + 1),
                                               static_cast<int>(hand.size()));
        }
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (TableAccessible* t = Table(); t && t->Groups.GroupOf(Index()) == Group::Hand) {
            s.focusable = true;
            s.focused = t->KeyFocus() == this;
        }
        return s;
    }

  private:
    int Index() const { return static_cast<CardPicture*>(widget())->Index(); }
    TableAccessible* Table() const { return TableAccessible::Of(widget()->parentWidget()); }
};

// A captioned frame. The statistics frame is one stop of the keys' focus,
// read whole: its name carries every figure, and its labels are left out so
// that they are not read a second time.
class CaptionInterface : public FilteredInterface {
  public:
    explicit CaptionInterface(QWidget* frame) : FilteredInterface(frame, QAccessible::Grouping) {}
    int childCount() const override { return Table() ? 0 : FilteredInterface::childCount(); }
    QAccessibleInterface* child(int i) const override {
        return Table() ? nullptr : FilteredInterface::child(i);
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        return Table() ? -1 : FilteredInterface::indexOfChild(c);
    }
    QString text(QAccessible::Text t) const override {
        TableAccessible* table = Table();
        return table && t == QAccessible::Name ? table->Groups.StatisticsName()
                                               : FilteredInterface::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = FilteredInterface::state();
        if (TableAccessible* table = Table()) {
            s.focusable = true;
            s.focused = table->KeyFocus() == this;
        }
        return s;
    }

  private:
    // The table whose statistics frame this is, if it is one.
    TableAccessible* Table() const {
        TableAccessible* t = TableAccessible::Of(widget()->parentWidget());
        return t && t->Keys.Statistics() == widget() ? t : nullptr;
    }
};

// A label on the table or in its piles' frames. Once the keys are in use it
// labels the table: a screen reader then leaves it out when the table takes
// the focus back from a message box, where it would read every heading and
// the instruction line (some ten seconds) before the card the keys are on.
// Until then the table is read with its labels, as a welcome.
class TableLabelInterface : public QAccessibleWidget {
  public:
    explicit TableLabelInterface(QLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}
    static bool OnTable(const QWidget* w) {
        const QWidget* parent = w->parentWidget();
        if (parent && dynamic_cast<const CaptionFrame*>(parent)) parent = parent->parentWidget();
        return parent && dynamic_cast<const TableArea*>(parent);
    }
    QString text(QAccessible::Text t) const override {
        const QString name = widget()->accessibleName();
        if (t == QAccessible::Name && name.isEmpty())
            return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        auto related = QAccessibleWidget::relations(match);
        QWidget* table = widget()->parentWidget();
        if (table && !dynamic_cast<TableArea*>(table)) table = table->parentWidget();
        TableAccessible* t = table ? TableAccessible::Of(table) : nullptr;
        if (t && t->Keys.InUse() && (match & QAccessible::Labelled))
            related.append({QAccessible::queryAccessibleInterface(table), QAccessible::Labelled});
        return related;
    }
};

// A picture button or a message-box face: a button that can be pressed.
class ButtonInterface : public QAccessibleWidget {
  public:
    ButtonInterface(QWidget* w, std::function<void()> press, std::function<bool()> focused)
        : QAccessibleWidget(w, QAccessible::Button), Press(std::move(press)),
          Focused(std::move(focused)) {}
    int childCount() const override { return 0; } // the caption repeats the name
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        // Later, so that the game's pauses do not run inside the screen reader's call.
        if (name == pressAction()) QTimer::singleShot(0, widget(), Press);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = true;
        s.focused = Focused();
        return s;
    }

  private:
    std::function<void()> Press;
    std::function<bool()> Focused;
};

// The announcement line: the status element the announcements appear under.
class StatusInterface : public QAccessibleWidget {
  public:
    explicit StatusInterface(QWidget* w) : QAccessibleWidget(w, QAccessible::StatusBar) {}
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    if (!w) return nullptr;
    if (auto* card = dynamic_cast<CardPicture*>(w)) return new CardInterface(card);
    if (auto* button = dynamic_cast<PictureButton*>(w)) {
        return new ButtonInterface(
            button, [button] { button->Click(); },
            [button] {
                TableAccessible* t = TableAccessible::Of(button->parentWidget());
                return t && t->KeyFocus() == QAccessible::queryAccessibleInterface(button);
            });
    }
    if (auto* face = dynamic_cast<FaceButton*>(w))
        return new ButtonInterface(
            face, [face] { face->Choose(); }, [face] { return face->IsMarked(); });
    if (dynamic_cast<AnnouncementLine*>(w)) return new StatusInterface(w);
    // The window's status bar, as a screen reader's status-bar command finds
    // it (searching from the window's last child): the panels with their texts.
    if (dynamic_cast<StatusPanels*>(w)) return new QAccessibleWidget(w, QAccessible::StatusBar);
    if (dynamic_cast<CaptionFrame*>(w)) return new CaptionInterface(w);
    if (auto* label = qobject_cast<QLabel*>(w); label && TableLabelInterface::OnTable(w))
        return new TableLabelInterface(label);
    if (dynamic_cast<TableArea*>(w)) return new ClientInterface(w);
    return nullptr;
}
} // namespace

void InstallTableAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(Factory);
}

TableAccessible::TableAccessible(TableGroups& groups, TableKeys& keys)
    : Groups(groups), Keys(keys) {
    Tables().insert(Groups.Client(), this);
    for (int g = 0; g < GroupCount; ++g) {
        Interfaces[g] = new CardGroupInterface(*this, static_cast<Group>(g));
        Ids[g] = QAccessible::registerAccessibleInterface(Interfaces[g]);
    }
    connect(&Groups, &TableGroups::TableChanged, this, &TableAccessible::Update);
    connect(&Keys, &TableKeys::FocusChanged, this, &TableAccessible::TellFocus);
    Groups.Client()->installEventFilter(this);
}

TableAccessible::~TableAccessible() {
    Tables().remove(Groups.Client());
    for (unsigned id : Ids)
        QAccessible::deleteAccessibleInterface(id);
}

TableAccessible* TableAccessible::Of(const QWidget* client) {
    return Tables().value(client, nullptr);
}

QAccessibleInterface* TableAccessible::KeyFocus() const {
    using Stop = TableKeys::Stop;
    const Stop stop = Keys.FocusStop();
    if (stop == Stop::Stock) return Interfaces[static_cast<int>(Group::Stock)];
    if (stop == Stop::Discard) return Interfaces[static_cast<int>(Group::Discard)];
    if (stop == Stop::Dorvil) return Interfaces[static_cast<int>(Group::Dorvil)];
    if (stop == Stop::Statistics) return QAccessible::queryAccessibleInterface(Keys.Statistics());
    if (stop >= Stop::Meld1 && stop <= Stop::Meld6)
        return Interfaces[static_cast<int>(Group::Meld1) + static_cast<int>(stop) -
                          static_cast<int>(Stop::Meld1)];
    if (PictureButton* button = Keys.Button(stop))
        return QAccessible::queryAccessibleInterface(button);
    // (a card that has just left the hand keeps the keys' focus until the
    // table's change reaches them)
    if (int n = Keys.FocusedCard(); n && Groups.GroupOf(n) == Group::Hand)
        return QAccessible::queryAccessibleInterface(Groups.Picture(n));
    // Before any key has chosen a place (a game carried on, its question
    // answered), the card the first key would act on: a screen reader tells
    // that card rather than every label of the table again.
    if (stop == Stop::None)
        if (int n = Keys.StartingCard())
            return QAccessible::queryAccessibleInterface(Groups.Picture(n));
    return nullptr;
}

// Screen readers keep the names they have read: every change is told.
void TableAccessible::Update() {
    for (int g = 0; g < GroupCount; ++g) {
        const QString name = Groups.Name(static_cast<Group>(g));
        if (name == Names[g]) continue;
        Names[g] = name;
        QAccessibleEvent renamed(Interfaces[g], QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
}

// When the table takes the keyboard focus (at the start, or back from a
// message box), Qt tells the table itself as focused once this event is
// over: the card or place the keys are on is told after that. Before any key
// has chosen one (a game carried on, its question answered) it is the hand's
// card the keys would start from, so that a screen reader tells that card
// rather than reading every label of the table again.
bool TableAccessible::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && watched == Groups.Client())
        QTimer::singleShot(0, this, [this] {
            if (Groups.Client()->hasFocus()) TellFocus();
        });
    return false;
}

void TableAccessible::TellFocus() {
    if (QAccessibleInterface* focus = KeyFocus()) {
        QAccessibleEvent moved(focus, QAccessible::Focus);
        QAccessible::updateAccessibility(&moved);
    }
}
