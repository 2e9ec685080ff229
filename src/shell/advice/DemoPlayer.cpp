// The demo's moves, the answers to the game's questions, and the key or
// click that ends it.
#include "DemoPlayer.h"

#include "AdviceShown.h"
#include "DropAreas.h"
#include "FrmMain.h"
#include "access/Announcer.h"
#include "access/TableAids.h"
#include "access/TableGroups.h"
#include "access/TableKeys.h"
#include "dialogs/FaceButton.h"
#include "dialogs/MFormDeluxe.h"
#include "window/MainWindow.h"
#include "window/PaceOption.h"
#include "window/TableMenus.h"
#include "window/TableNews.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <algorithm>

DemoPlayer::DemoPlayer(MainWindow& window, FrmMain& game, AdviceShown& advice, TableAids& aids)
    : Window(window), Game(game), Advice(advice), Aids(aids) {
    Pace.setSingleShot(true);
    connect(&Pace, &QTimer::timeout, this, [this] { Due == Step::Look ? Look() : Move(); });
    Answer.setSingleShot(true);
    connect(&Answer, &QTimer::timeout, this, [this] {
        // Play on, discard when asked: the first button of every question in a hand.
        if (On && !Interrupted && Box && Box->isVisible()) Box->Face(0)->Choose();
    });
    // (the announcer, made before the demo, has already told the event)
    connect(&Window.News(), &TableNews::TableEventSeen, this, [this](const TableEvent& event) {
        if (!Moving || event.ByDorvil) return;
        if (QString text = Announcer::EventText(event); !text.isEmpty())
            Made.push_back({text, Aids.Voice->SaidBy()});
    });
}

DemoPlayer::~DemoPlayer() {
    if (On) qApp->removeEventFilter(this);
}

void DemoPlayer::SetPace(int showMs, int restMs, int answerMs) {
    ShowMs = showMs;
    RestMs = restMs;
    AnswerMs = answerMs;
}

void DemoPlayer::Start() {
    if (On || !Advice.AtRest()) return;
    On = true;
    Interrupted = false;
    Made.clear();
    Unheard.clear();
    qApp->installEventFilter(this);
    emit RunningChanged();
    Aids.Voice->Cut(); // by the key that started the demo
    const QString notice = tr("The demo plays your hand. Press any key or click to play yourself.");
    Advice.SetStanding(notice);
    Advice.Show({}, notice);
    Wait(Step::Look, ShowMs);
}

// The demo keeps the table's pace: quicker at the Quick pace, as every
// pause of the game is.
// While a screen reader is active, it also waits for what was told to have
// had the time to be spoken.
void DemoPlayer::Wait(Step next, int ms) {
    Due = next;
    ms = Window.MenuEntries().Pace->Length(ms);
    if (Listened || QAccessible::isActive()) ms = std::max(ms, Aids.Voice->SpeakingFor());
    Pace.start(ms);
}

void DemoPlayer::MessageBoxMade(MFormDeluxe* box) {
    Box = box;
    connect(box, &MFormDeluxe::Shown, this, &DemoPlayer::BoxShown);
}

// The end of a hand, or of the game, is the player's to read and answer.
void DemoPlayer::BoxShown() {
    if (!On) return;
    if (Game.HandOver || Game.GameOver || !Game.GameInPlay) {
        End(tr("The demo has stopped: the hand is over."));
        return;
    }
    Answer.start(Window.MenuEntries().Pace->Length(AnswerMs));
}

// At a point of rest: the next move is shown, then made. Between rests (Dorvil
// plays, a box waits) the demo looks again a little later.
void DemoPlayer::Look() {
    if (!On) return;
    if (Interrupted) return End(tr("The demo has stopped: the table is yours."));
    if (!Advice.AtRest()) {
        if (!Game.GameInPlay || Game.HandOver || Game.GameOver || Game.Closing)
            return End(tr("The demo has stopped: the hand is over."));
        return Wait(Step::Look, RestMs);
    }
    Next = Hint::AtTable(Game);
    if (Next.What == Hint::Advice::None) return End(tr("The demo has stopped."));
    const QString move = Next.Text.isEmpty() ? Hint::Sentence(Next) : Next.Text;
    // A screen reader heard how to stop the demo as it started: each move
    // is told alone.
    //: While the demo plays: %1 is the move about to be made, a sentence of its own.
    Advice.Show(Next, tr("Demo: %1 Press any key or click to play yourself.").arg(move),
                //: Told to a screen reader while the demo plays: %1 the move about to be made.
                tr("Demo: %1").arg(move));
    Wait(Step::Move, ShowMs);
}

void DemoPlayer::Move() {
    if (!On) return;
    if (Interrupted || !Advice.AtRest() || Advice.Current() != Next) {
        Look();
        return;
    }
    emit Window.News().HintTaken();
    using A = Hint::Advice;
    Moving = true;
    switch (Next.What) {
    case A::TakeFace:
    case A::TakeStock:
        Aids.Keys->ClickCard(Next.What == A::TakeFace ? Next.Card
                                                      : Aids.Groups->TopOfPile(Where::Stock));
        break;
    case A::Meld:
    case A::LayOff:
        Aids.Keys->DropCard(Next.Card, DropAreas::ColumnPoint(Next.Column));
        break;
    case A::Discard:
        Aids.Keys->DropCard(Next.Card, DropAreas::DiscardPoint);
        break;
    case A::TakeBack:
        Window.RunHandler([this] { Game.LblTakeBack_Click(); });
        break;
    case A::CallDraw:
        Window.RunHandler([this] { Game.LblDraw_Click(); });
        break;
    case A::None:
        break;
    }
    Moving = false;
    if (On) Wait(Step::Look, RestMs);
}

void DemoPlayer::End(const QString& why) {
    if (!On) return;
    On = false;
    Pace.stop();
    Answer.stop();
    qApp->removeEventFilter(this);
    Advice.SetStanding({});
    QString told;
    if (!Unheard.isEmpty())
        //: Told to a screen reader as the demo stops: %1 the moves it made that the player's
        //: key cut off before they were heard, each a sentence of its own.
        told = why + QLatin1Char(' ') +
               tr("Not heard before you stopped it: %1").arg(Unheard.join(QLatin1Char(' ')));
    Advice.Show({}, why, told);
    Unheard.clear();
    emit RunningChanged();
}

// Any key (a modifier alone is none) or click of the player's ends the demo
// at the next point of rest, and does nothing else; a box waiting for its
// answer is the player's at once.
bool DemoPlayer::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    // Leaving from the window's frame asks its question, which is the
    // player's alone.
    if (type == QEvent::Close && watched == &Window) {
        Interrupted = true;
        End(tr("The demo has stopped: the table is yours."));
        return QObject::eventFilter(watched, event);
    }
    if (type == QEvent::KeyPress || type == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int k = key->key();
        if (key->isAutoRepeat() || k == Qt::Key_Shift || k == Qt::Key_Control || k == Qt::Key_Alt ||
            k == Qt::Key_Meta || k == Qt::Key_AltGr || k == 0)
            return QObject::eventFilter(watched, event);
    } else if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick) {
        return QObject::eventFilter(watched, event);
    }
    if (!watched->isWidgetType()) return QObject::eventFilter(watched, event);
    event->accept();
    // A key comes first as the question whether it is a shortcut: taken, it
    // comes again as the key itself, which ends the demo.
    if (type == QEvent::ShortcutOverride) return true;
    if (!Interrupted && (Listened || QAccessible::isActive()))
        for (const Told& told : Made)
            if (told.SaidBy > Aids.Voice->Now()) Unheard << told.Text;
    Interrupted = true;
    Answer.stop();
    if (QApplication::activeModalWidget() || (!Moving && !Pace.isActive()) || Advice.AtRest())
        End(tr("The demo has stopped: the table is yours."));
    return true;
}
