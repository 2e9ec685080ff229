// Keeping hands and opening their review.
#include "HandReview.h"

#include "FrmMain.h"
#include "Judgement.h"
#include "KeptHands.h"
#include "Pauses.h"
#include "access/Notices.h"
#include "dialogs/MFormDeluxe.h"
#include "dialogs/ReviewWindow.h"
#include "window/GameHistory.h"
#include "window/MainWindow.h"
#include "window/PaceOption.h"
#include "window/TableMenus.h"
#include "window/TableNews.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QShortcut>

HandReview::HandReview(MainWindow& window, const FrmMain& game)
    : QObject(&window), Table(window), Game(game) {
    Writer.setMaxThreadCount(1);
    TableMenus& menus = window.MenuEntries();
    //: Play menu: the last hand shown again move by move, with the judgement of each move.
    ReviewAction = new QAction(tr("&Review Hand"), this);
    ReviewAction->setObjectName(QStringLiteral("MnuReview"));
    ReviewAction->setShortcut(Qt::Key_R);
    menus.Play->insertAction(menus.MnuExit, ReviewAction);
    connect(ReviewAction, &QAction::triggered, this, [this] {
        if (!Open(1))
            QMessageBox::information(&Table, tr("Review Hand"), tr("No hand has been kept yet."));
    });
    // Made after the interrupted-game question: a hand carried on is kept too.
    if (Game.GameInPlay && !Game.HandOver && !Game.Practice) Keeper.Resumed(Game);
    TableNews& news = window.News();
    connect(&news, &TableNews::HandDealt, this, [this] {
        if (!Game.Practice) Keeper.Dealt(Game);
    });
    connect(&news, &TableNews::MessageBoxMade, this, &HandReview::BoxMade);
    if (GameHistory* history = window.Histories()) {
        connect(history, &GameHistory::ReviewAsked, this, [this](int n) { Open(n); });
        connect(history, &GameHistory::FilesWanted, this, [this] { Writer.waitForDone(); });
    }
    connect(&news, &TableNews::TableEventSeen, this, &HandReview::Seen);
}

HandReview::~HandReview() {
    Writer.waitForDone();
    Judging.waitForDone();
}

// Only the hand's line is made here; the file is read and written whole on
// the writer's thread.
void HandReview::Seen(const TableEvent& event) {
    if (Game.Practice) return;
    std::optional<Review::KeptHand> hand = Keeper.Seen(Game, event);
    if (!hand) return;
    const QString path = Review::KeptHandsBeside(Game.HistoryFile());
    if (path.isEmpty()) return;
    Writer.start([path, line = Review::Encode(*hand)] { Review::KeepHand(path, line); });
    KeptHand = Game.HandSerial;
}

// The box that ends a hand takes R to the hand's review, which then stands
// over the box until it is closed.
void HandReview::BoxMade(MFormDeluxe* box) {
    auto* key = new QShortcut(Qt::Key_R, box);
    key->setContext(Qt::WindowShortcut);
    key->setEnabled(false);
    connect(box, &MFormDeluxe::Shown, key,
            [this, key] { key->setEnabled(KeptHand == Game.HandSerial); });
    connect(key, &QShortcut::activated, this, [this] { Open(1, true); });
}

bool HandReview::Open(int n, bool overBox) {
    Writer.waitForDone();
    const Review::KeptHandsRead read =
        Review::ReadKeptHands(Review::KeptHandsBeside(Game.HistoryFile()));
    if (n < 1 || n > int(read.Hands.size())) return false;
    if (Window) Window->close();
    // A move of the review takes as long as a card's travel and the pauses round it.
    const int pause =
        PaceOption::Length(Table.MenuEntries().Pace->Chosen(), Pauses::Slow + 4 * Pauses::Normal);
    Window = new ReviewWindow(&Table, Table.Pictures(), read.Hands[read.Hands.size() - n], pause);
    Told = std::make_unique<Notices>(Window->MoveLine());
    connect(Window, &ReviewWindow::Told, this, [this](const QString& line) { Told->Show(line); });
    if (overBox) Window->setWindowModality(Qt::ApplicationModal);
    emit WindowOpened(Window);
    Window->show();
    // Opened by a key, it takes the keys that follow, with or without a
    // window manager to hand them over.
    Window->raise();
    Window->activateWindow();
    // The first move shows at once; the judgement follows when it is made.
    const int opened = ++Opened;
    Judging.start([this, opened, hand = Window->Hand()] {
        const Review::Replay replay = Review::PlayAgain(hand);
        const Review::Judgement judgement = Review::Judge(hand, replay.Steps);
        const QStringList lines = Review::JudgedLines(hand, replay.Steps, judgement);
        const QString summary = Review::SummaryLine(judgement);
        QMetaObject::invokeMethod(
            this,
            [this, opened, lines, summary] {
                if (Window && opened == Opened) Window->Judge(lines, summary);
            },
            Qt::QueuedConnection);
    });
    return true;
}

ReviewWindow* HandReview::Shown() const {
    return Window;
}
