// Dealing a practice hand and laying the game back after it.
#include "PracticeHand.h"

#include "FrmMain.h"
#include "HandReview.h"
#include "Recovery.h"
#include "ViewMemory.h"
#include "dialogs/ReviewWindow.h"
#include "table/TableColours.h"
#include "table/TableScale.h"
#include "window/DorvilOption.h"
#include "window/MainWindow.h"
#include "window/TableMenus.h"
#include "window/TableNews.h"

#include <QEvent>
#include <QLabel>
#include <QTimer>

namespace {
// Above Dorvil's hand, where the table has nothing else.
const QRect LineDesign(3360, 150, 5200, 285);
} // namespace

PracticeHand::PracticeHand(MainWindow& window, FrmMain& game, ViewMemory& shown, HandReview& review)
    : QObject(&window), Window(window), Game(game), Shown(shown) {
    Told = new QLabel(window.Table());
    Told->setObjectName(QStringLiteral("LblPractice"));
    //: On the table while a kept deal is played again; the hand counts nowhere.
    Told->setText(tr("Practice hand: not counted"));
    Told->setAccessibleName(Told->text());
    Told->setAlignment(Qt::AlignCenter);
    QPalette pal = Told->palette();
    pal.setColor(QPalette::WindowText, TableColour::LightCyan);
    Told->setPalette(pal);
    Told->hide();
    window.Table()->installEventFilter(this);
    connect(&review, &HandReview::WindowOpened, this, [this](ReviewWindow* shown) {
        // A practice hand offers no other: one game in progress waits at
        // most. Nor is there a game to come back to before the first deal;
        // over a box of the table, the game goes on once it is answered.
        if (Game.Practice || (!Game.SequenceRunning() && !Recovery::WorthKeeping(Game))) return;
        shown->OfferPlayAgain();
        connect(shown, &ReviewWindow::PlayAgainAsked, this, [this, shown] {
            Ask(shown->Hand());
            shown->close();
        });
    });
    // Queued: whatever else listens to the end of a handler (the recovery
    // file) has heard it first, and the handler's own window is gone.
    connect(&window.News(), &TableNews::HandlerDone, this, &PracticeHand::AtRest,
            Qt::QueuedConnection);
}

PracticeHand::~PracticeHand() = default;

void PracticeHand::Ask(const Review::KeptHand& hand) {
    Asked = hand;
    QTimer::singleShot(0, this, &PracticeHand::AtRest);
}

void PracticeHand::AtRest() {
    if (!Recovery::AtPointOfRest(Game, Shown)) return;
    if (Saved && Game.Practice && Game.HandOver) {
        Game.Practice = false;
        const bool back = Saved->RestoreInto(Game, Shown);
        Game.DorvilChosen = Window.MenuEntries().Dorvil->Level();
        Saved.reset();
        Told->hide();
        // Never seen (the bytes were the table's own a moment ago), but the
        // table is never left without a hand.
        if (!back) {
            qWarning("meldora: the game in progress could not be laid back; a new game starts");
            Window.RunHandler([this] {
                Game.GameOver = true;
                Game.NewHand();
            });
        }
    }
    if (Asked && !Game.Practice) {
        const Review::KeptHand hand = std::move(*Asked);
        Asked.reset();
        Begin(hand);
    }
}

void PracticeHand::Begin(const Review::KeptHand& hand) {
    if (!Recovery::WorthKeeping(Game)) return; // no game to come back to
    Saved = Recovery::SavedGame::Capture(Game, Shown);
    if (!Saved) return;
    const std::vector<int> pack(std::begin(hand.Pack), std::end(hand.Pack));
    Place();
    Told->show();
    Told->raise();
    Window.RunHandler([&] {
        Game.DorvilChosen = hand.Dorvil;
        Game.PlayerScore = hand.Score[Model::Player];
        Game.OppScore = hand.Score[Model::Dorvil];
        Game.TargetPoints = hand.Target;
        Game.DealPractice(pack, hand.Dealer == Model::Player);
    });
    // Refused while another window waits for its answer: nothing was dealt.
    if (!Game.Practice) {
        Saved.reset();
        Told->hide();
    }
}

void PracticeHand::Place() {
    const TableScale& scale = Window.Scale();
    Told->setGeometry(scale.Px(LineDesign));
    Told->setFont(scale.Font({Face::Serif, 11.25, true}));
}

bool PracticeHand::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && watched == Window.Table()) Place();
    return QObject::eventFilter(watched, event);
}
