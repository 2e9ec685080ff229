// Placing advice on the table and taking it away.
#include "AdviceShown.h"

#include "FrmMain.h"
#include "HintBox.h"
#include "access/Announcer.h"
#include "access/FocusFrame.h"
#include "access/TableAids.h"
#include "access/TableGroups.h"
#include "table/FollowMouse.h"
#include "table/TableWidgets.h"
#include "window/MainWindow.h"
#include "window/TableControls.h"

#include <QApplication>

AdviceShown::AdviceShown(MainWindow& window, const FrmMain& game, TableAids& aids)
    : Window(window), Game(game), Aids(aids), Box(new HintBox(window.Table())) {
    connect(aids.Groups.get(), &TableGroups::TableChanged, this, &AdviceShown::TableMoved);
}

bool AdviceShown::AtRest() const {
    const clsObjectFollowMouse* follower = Window.Follower();
    return Hint::Available(Game) && !Game.SequenceRunning() && !QApplication::activeModalWidget() &&
           !(follower && follower->Enabled());
}

QString AdviceShown::Text() const {
    return Box && Box->isVisible() ? Box->text() : QString();
}

void AdviceShown::Show(const Hint::Advice& advice, const QString& text, const QString& spoken) {
    Now = advice;
    ShownAt = Game.HandLog.size();
    ShownHand = Game.HandSerial;
    QString said = text;
    if (said.isEmpty() && advice.What != Hint::Advice::None)
        said = advice.Text.isEmpty() ? Hint::Sentence(advice) : advice.Text;
    if (said.isEmpty()) {
        Box->hide();
    } else {
        Box->Show(said, Window.Scale());
        Aids.Voice->Say(spoken.isEmpty() ? said : spoken);
    }
    PlaceMarks();
}

void AdviceShown::SetStanding(const QString& text) {
    Standing = text;
}

void AdviceShown::TableMoved() {
    if (!Box->isVisible() && Now.What == Hint::Advice::None) return;
    if (Game.HandSerial != ShownHand || Game.HandLog.size() != ShownAt) {
        Now = {};
        if (Standing.isEmpty())
            Box->hide();
        else if (Box->text() != Standing)
            Box->Show(Standing, Window.Scale());
    } else if (Box->isVisible()) {
        Box->Place(Window.Scale());
    }
    PlaceMarks();
}

// The part of a card of the advice that shows: the card to take is the top
// of its pile; a card to lay or discard, while still in the hand.
QRect AdviceShown::AreaOf(int card) const {
    const TableGroups& groups = *Aids.Groups;
    using A = Hint::Advice;
    switch (Now.What) {
    case A::TakeFace:
        return groups.Area(Group::Discard);
    case A::TakeStock:
        return groups.Area(Group::Stock);
    case A::TakeBack:
    case A::CallDraw: {
        const TableControls& c = Window.Controls();
        const QWidget* button = Now.What == A::TakeBack ? c.PicTakeBack : c.PicDraw;
        return button->isVisible() ? button->geometry() : QRect();
    }
    default:
        return groups.GroupOf(card) == Group::Hand ? groups.ShownPart(card) : QRect();
    }
}

QRect AdviceShown::TargetArea() const {
    using A = Hint::Advice;
    if (Now.What == A::Discard) return Aids.Groups->Area(Group::Discard);
    if (Now.What == A::Meld || Now.What == A::LayOff)
        return Aids.Groups->Area(MeldGroup(Now.Column));
    return {};
}

// A new meld marks every card planned for it; the place a card goes to has
// the faint frame.
void AdviceShown::PlaceMarks() {
    std::vector<std::pair<QRect, bool>> areas; // and whether faint
    if (Now.What != Hint::Advice::None) {
        std::vector<int> cards{Now.Card};
        if (Now.What == Hint::Advice::Meld)
            for (int n : Now.Planned)
                if (n != Now.Card) cards.push_back(n);
        for (int n : cards)
            if (QRect r = AreaOf(n); !r.isEmpty()) areas.emplace_back(r, false);
        if (QRect r = TargetArea(); !r.isEmpty()) areas.emplace_back(r, true);
    }
    for (size_t i = 0; i < areas.size(); ++i) {
        const bool faint = areas[i].second;
        if (i == static_cast<size_t>(Marks.size()) || Marks[i]->Faint() != faint) {
            auto* mark = new FocusFrame(Window.Table(), QStringLiteral("HintMark"), faint);
            //: For screen readers: a frame round what a hint names.
            mark->setAccessibleName(tr("Hint mark"));
            if (i < static_cast<size_t>(Marks.size()))
                delete std::exchange(Marks[i], mark);
            else
                Marks << mark;
        }
        Marks[i]->Surround(areas[i].first, Window.Scale());
    }
    for (qsizetype i = static_cast<qsizetype>(areas.size()); i < Marks.size(); ++i)
        Marks[i]->hide();
}
