// Kept hands: the line of a hand and what is not one, the file of the last
// hands with damaged entries skipped, hands of self-play kept and played
// again to the same end, and the review window stepped with its keys.
#include "HandKeeper.h"
#include "Judgement.h"
#include "KeptHands.h"
#include "KeptRuns.h"
#include "ReplaySees.h"
#include "ReviewText.h"
#include "SelfPlay.h"
#include "SharpHand.h"
#include "dialogs/ReviewWindow.h"
#include "modules/history/KeptHandsList.h"
#include "table/ImageList.h"

#include "TestWindow.h"
#include "advice/DemoPlayer.h"
#include "review/HandReview.h"
#include "window/GameHistory.h"
#include "window/TableNews.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <deque>

namespace {

// A whole hand of the model's own random play from a shuffled pack.
Review::KeptHand RandomHand(uint64_t seed) {
    Model::Rng rng{seed};
    Review::KeptHand h;
    for (int i = 0; i < 52; ++i)
        h.Pack[i] = uint8_t(i + 1);
    for (int i = 51; i > 0; --i)
        std::swap(h.Pack[i], h.Pack[rng.Below(i + 1)]);
    h.Dealer = seed % 2 ? Model::Player : Model::Dorvil;
    h.When = 1'800'000'000 + int64_t(seed);
    Model::Position p = h.Dealt();
    p.TurnCap = 200;
    Model::MoveList moves;
    while (!p.Over()) {
        p.Moves(moves);
        Model::Move m = moves.Items[rng.Below(moves.Size)];
        if (m.What == Model::Move::DrawStock) m.Card = p.Stock[p.StockCount - 1];
        h.Moves.push_back(m);
        p.Apply(m);
    }
    const Model::Position::Result r = p.Outcome();
    h.End = r.End;
    h.Winner = r.Winner;
    h.Points = int16_t(r.Points);
    h.Final = Review::TableDigest(p);
    return h;
}

// Draws that deal the player a hand the demo lays down in a few turns.
std::function<double()> QuickHand() {
    auto queue = std::make_shared<std::deque<int>>();
    const int player[10] = {7, 20, 33, 46, 8, 21, 34, 9, 22, 35};
    const int dorvil[10] = {13, 26, 39, 52, 12, 25, 38, 51, 11, 24};
    for (int i = 0; i < 10; ++i)
        queue->insert(queue->end(), {player[i], dorvil[i]});
    queue->insert(queue->end(), {1, 41});
    auto after = MakeRandomSource(1);
    return [queue, after] {
        if (queue->empty()) return after();
        const int k = queue->front();
        queue->pop_front();
        return (k == 52 ? 51.75 : k) / 52.0;
    };
}

} // namespace

class TestReview : public QObject {
    Q_OBJECT
  private slots:
    void lineRoundTrip();
    void damagedLine_data();
    void damagedLine();
    void fileKeepsTheLastHands();
    void selfPlayHandsReplay();
    void windowSteps();
    void dorvilsMeldIsToldShort();
    void judgementSeesOnlyThePlayersChair();
    void reviewFromTheBoxThatEndsTheHand();
    void clearHistoryOutlastsAQueuedHand();
};

void TestReview::lineRoundTrip() {
    for (uint64_t seed = 1; seed <= 50; ++seed) {
        const Review::KeptHand h = RandomHand(seed);
        const std::optional<Review::KeptHand> back = Review::Decode(Review::Encode(h));
        QVERIFY(back);
        QCOMPARE(Review::Encode(*back), Review::Encode(h));
        QVERIFY2(Review::PlayAgain(*back).Matches, qPrintable(Review::PlayAgain(*back).Fault));
    }
    // A hand whose record was altered plays to another end, and says so.
    Review::KeptHand h = RandomHand(7);
    h.Final ^= 1;
    QVERIFY(!Review::PlayAgain(h).Matches);
}

void TestReview::damagedLine_data() {
    QTest::addColumn<QByteArray>("line");
    const QByteArray good = Review::Encode(RandomHand(3));
    QByteArray flipped = good;
    flipped[40] = flipped[40] == 'A' ? 'B' : 'A';
    QByteArray badSum = good;
    badSum[badSum.size() - 1] = badSum.back() == '0' ? '1' : '0';
    QTest::newRow("a character changed") << flipped;
    QTest::newRow("cut short") << good.left(good.size() - 3);
    QTest::newRow("cut in the middle") << good.left(good.size() / 2);
    QTest::newRow("text after it") << good + " x";
    QTest::newRow("checksum changed") << badSum;
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("garbage") << QByteArrayLiteral("hello world 12345678");
    // Sound checksums over unsound hands: a card twice in the pack, a move
    // of a kind that does not exist.
    Review::KeptHand twice = RandomHand(4);
    twice.Pack[1] = twice.Pack[0];
    QTest::newRow("a card twice") << Review::Encode(twice);
    Review::KeptHand unknown = RandomHand(5);
    unknown.Moves[0].What = static_cast<Model::Move::Kind>(7);
    QTest::newRow("an unknown move") << Review::Encode(unknown);
}

void TestReview::damagedLine() {
    QFETCH(QByteArray, line);
    QVERIFY(!Review::Decode(line));
}

void TestReview::fileKeepsTheLastHands() {
    QTemporaryDir dir;
    const QString path = dir.filePath(Review::KeptHandsName);
    Review::KeptHandsRead none = Review::ReadKeptHands(path);
    QVERIFY(!none.Opened && none.Hands.empty());
    for (uint64_t seed = 1; seed <= 5; ++seed)
        QVERIFY(Review::KeepHand(path, Review::Encode(RandomHand(seed)), 3));
    // Damage planted among the hands: a changed line and one far too long.
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append));
    file.write("hello 00000000\n" + QByteArray(Review::MaxLine * 2, 'x') + "\n");
    file.close();
    Review::KeptHandsRead read = Review::ReadKeptHands(path);
    QVERIFY(read.Opened);
    QCOMPARE(read.Damaged, 2);
    QCOMPARE(int(read.Hands.size()), 3);
    QCOMPARE(read.Hands.front().When, RandomHand(3).When);
    QCOMPARE(read.Hands.back().When, RandomHand(5).When);
    // The next hand kept leaves the damage behind, and the oldest goes.
    QVERIFY(Review::KeepHand(path, Review::Encode(RandomHand(6)), 3));
    read = Review::ReadKeptHands(path);
    QCOMPARE(read.Damaged, 0);
    QCOMPARE(read.Hands.front().When, RandomHand(4).When);
    // The list of kept hands shows the newest first, and Review chooses one.
    KeptHandsList list(nullptr, path);
    QCOMPARE(list.Count(), 3);
    QTest::mouseClick(list.findChild<QPushButton*>(QStringLiteral("KeptHandsReview")),
                      Qt::LeftButton);
    QCOMPARE(list.Chosen(), 1);
    QVERIFY(Review::ClearKeptHands(path));
    read = Review::ReadKeptHands(path);
    QVERIFY(read.Opened && read.Hands.empty());
}

// The same follower as the window's, on the real table: every hand won or
// drawn is kept, read back from the file and replayed to its table and
// points. Only a draw called while Dorvil's card is on its way (the random
// player clicks during his pauses) may go unkept.
void TestReview::selfPlayHandsReplay() {
    for (const char* player : {"random", "greedy"}) {
        QTemporaryDir dir;
        SelfPlayConfig config{150, 11, dir.path(), QLatin1String(player)};
        const bool greedy = QByteArray(player) == "greedy";
        config.Dorvil = greedy ? 1 : 0;
        config.Restore = greedy; // a hand taken up from its recovery file is kept whole too
        SelfPlay play(config);
        KeptTally tally;
        KeepHands(play, dir.path(), tally);
        QCOMPARE(play.Run().Faults, 0);
        QVERIFY2(tally.Differ == 0, qPrintable(tally.First));
        QVERIFY(tally.Kept > 20);
        QCOMPARE(tally.Equal, tally.Kept);
        const Review::KeptHandsRead read =
            Review::ReadKeptHands(QDir(dir.path()).filePath(Review::KeptHandsName));
        const auto drawn = std::count_if(read.Hands.begin(), read.Hands.end(), [](const auto& h) {
            return h.End == Model::Ending::CalledDraw;
        });
        if (greedy) QCOMPARE(tally.Kept, tally.Settled);
        else QVERIFY(drawn > 5 && tally.Kept > tally.Settled * 9 / 10);
    }
}

// A meld of Dorvil's reads as the table tells it: a set by its rank, a run
// by its suit, the run's ranks in order.
void TestReview::dorvilsMeldIsToldShort() {
    Model::Position p{};
    p.ToMove = Model::Dorvil;
    QCOMPARE(Review::MoveLine(p, {Model::Move::Lay, 9, 35, 48, 4}),
             QStringLiteral("Dorvil melds the Nines of Diamonds, Hearts and Spades in Meld 4."));
    QCOMPARE(Review::MoveLine(p, {Model::Move::Lay, 24, 23, 25, 2}),
             QStringLiteral("Dorvil melds the Ten, Jack and Queen of Clubs in Meld 2."));
}

void TestReview::windowSteps() {
    ImageList images(QString(), 1.0);
    const Review::KeptHand h = RandomHand(9);
    ReviewWindow window(nullptr, images, h, 10);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QStringList told;
    connect(&window, &ReviewWindow::Told, this, [&](const QString& line) { told << line; });
    QCOMPARE(window.At(), 0);
    QTest::keyClick(&window, Qt::Key_Right);
    QTest::keyClick(&window, Qt::Key_Right);
    QCOMPARE(window.At(), 2);
    const Model::Position dealt = h.Dealt();
    Model::Position first = dealt;
    first.Apply(h.Moves[0]);
    QCOMPARE(told.value(1), QStringLiteral("2. ") + Review::MoveLine(first, h.Moves[1]));
    QTest::keyClick(&window, Qt::Key_Left);
    QCOMPARE(window.At(), 1);
    QTest::keyClick(&window, Qt::Key_End);
    QCOMPARE(window.At(), int(h.Moves.size()));
    QVERIFY(told.back().endsWith(Review::EndLine(h)));
    QTest::keyClick(&window, Qt::Key_Home);
    QCOMPARE(window.At(), 0);
    QTest::keyClick(&window, Qt::Key_Space); // played through at its pace
    QTRY_COMPARE_WITH_TIMEOUT(window.At(), int(h.Moves.size()), 10000);
}

// Dorvil's hidden cards changed (a card he was dealt and never showed
// swapped with one still in the stock): the player's view and the judgement
// of each of his decisions stay the same.
void TestReview::judgementSeesOnlyThePlayersChair() {
    Expert::Effort effort = Review::JudgingEffort();
    effort.Deals = 48;
    int compared = 0;
    for (uint64_t seed = 20; seed < 40 && compared < 6; ++seed) {
        const Review::KeptHand h = RandomHand(seed);
        const std::vector<Model::Position> steps = Review::PlayAgain(h).Steps;
        for (size_t i = 6; i + 1 < steps.size() && compared < 6; i += 5) {
            const Model::Position& p = steps[i];
            if (p.ToMove != Model::Player || !p.Drawn || p.Open || p.StockCount < 2) continue;
            const Review::Judgement a = Review::Judge(h, steps, effort, int(i), 1);
            if (a.Decisions.empty() || a.Decisions[0].Move != int(i)) continue;
            const Sharp::SideSees seen = Review::SeenAt(h, steps, int(i), Model::Player);
            const Rules::Mask shown = Sharp::MaskOf(seen.RivalTook) |
                                      Sharp::MaskOf(seen.RivalDiscards) |
                                      (h.Dealt().Held[Model::Dorvil] ^ p.Held[Model::Dorvil]);
            const Rules::Mask hidden = p.Held[Model::Dorvil] & ~shown;
            if (!hidden) continue;
            const int card = Rules::CardOfBit(Rules::Lowest(hidden));
            const int stock = p.Stock[0];
            Review::KeptHand other = h;
            std::replace(std::begin(other.Pack), std::end(other.Pack), uint8_t(card), uint8_t(0));
            std::replace(std::begin(other.Pack), std::end(other.Pack), uint8_t(stock),
                         uint8_t(card));
            std::replace(std::begin(other.Pack), std::end(other.Pack), uint8_t(0), uint8_t(stock));
            other.Moves.resize(std::min(h.Moves.size(), i + 3));
            const std::vector<Model::Position> otherSteps = Review::PlayAgain(other).Steps;
            QVERIFY(otherSteps.size() > i + 1);
            QVERIFY(otherSteps[i].Held[Model::Dorvil] != p.Held[Model::Dorvil]);
            QVERIFY(Review::SeenAt(other, otherSteps, int(i), Model::Player) == seen);
            const Review::Judgement b = Review::Judge(other, otherSteps, effort, int(i), 1);
            QCOMPARE(b.Decisions.size(), size_t(1));
            QCOMPARE(a.Decisions[0].MadePoints, b.Decisions[0].MadePoints);
            QCOMPARE(a.Decisions[0].BestPoints, b.Decisions[0].BestPoints);
            ++compared;
        }
    }
    QVERIFY(compared >= 3);
}

// A hand played to its end in the window (the demo plays the player's four
// sevens, three eights and three nines); R in the box that ends it opens
// its review over the box, stepped with the keys and judged.
void TestReview::reviewFromTheBoxThatEndsTheHand() {
    TableWindow w(QuickHand());
    HandReview review(w.View, w.Game);
    w.Advice->Demo().SetPace(20, 20, 20);
    QVERIFY(QTest::qWaitForWindowActive(&w.View));
    QTest::keyClick(&w.View, Qt::Key_F2);
    QTRY_VERIFY(w.Advice->HintAction->isEnabled());
    w.Game.TargetPoints = 500;
    int reviewed = -1;
    QString judged, dorvilsHand;
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        if (box == review.Shown()) {
            review.Judged();
            QCoreApplication::processEvents(); // the judgement delivered
            QTest::keyClick(box, Qt::Key_Right);
            QTest::keyClick(box, Qt::Key_Right);
            QTest::keyClick(box, Qt::Key_Left);
            reviewed = review.Shown()->At();
            judged = box->findChild<QLabel*>(QStringLiteral("ReviewJudged"))->text();
            dorvilsHand = box->findChild<QWidget*>(QStringLiteral("ReviewTable"))->accessibleName();
            box->close();
        } else if (reviewed < 0 && w.Game.HandOver) {
            QTest::keyClick(box, Qt::Key_R);
        } else if (reviewed >= 0) {
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    poll.start(50);
    QTest::keyClick(&w.View, Qt::Key_D);
    QTRY_VERIFY_WITH_TIMEOUT(reviewed >= 0 && !QApplication::activeModalWidget(), 30000);
    QCOMPARE(reviewed, 1);
    // The first move, the take, is judged.
    QVERIFY2(judged.contains(QStringLiteral("taking")), qPrintable(judged));
    QVERIFY(dorvilsHand.startsWith(QStringLiteral("Dorvil's hand: ")));
    review.Written();
    const Review::KeptHandsRead kept =
        Review::ReadKeptHands(Review::KeptHandsBeside(w.Game.HistoryFile()));
    QCOMPARE(int(kept.Hands.size()), 1);
    QVERIFY(Review::PlayAgain(kept.Hands[0]).Matches);
}

// Clear History asked for as a won hand is settled, just after the hand went to the writer,
// over a long file that takes the writer a while: the file stays empty.
void TestReview::clearHistoryOutlastsAQueuedHand() {
    TableWindow w(QuickHand());
    HandReview review(w.View, w.Game);
    const QString path = Review::KeptHandsBeside(w.Game.HistoryFile());
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Meldora kept hands 1\n");
        // Far more than are kept: the writer reads them all before it writes.
        const QByteArray line = Review::Encode(RandomHand(1)) + '\n';
        for (int i = 0; i < 40 * Review::Limit; ++i)
            file.write(line);
    }
    bool cleared = false;
    auto answer = [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box && box->objectName() == QStringLiteral("HistoryClearQuestion")) {
            for (QAbstractButton* b : box->buttons())
                if (box->buttonRole(b) == QMessageBox::AcceptRole) b->click();
        } else if (!box && cleared) {
            QTest::keyClick(modal, Qt::Key_Return); // the boxes after the hand
        }
    };
    QTimer answering;
    connect(&answering, &QTimer::timeout, answer);
    answering.start(20);
    connect(&w.View.News(), &TableNews::TableEventSeen, [&](const TableEvent& e) {
        if (e.What != TableEvent::HandSettled || cleared) return;
        cleared = true;
        w.View.Histories()->Open();
        auto* clear = w.View.findChild<QPushButton*>(QStringLiteral("HistoryClear"));
        QVERIFY(clear);
        QTimer::singleShot(0, answer); // the question answered at once
        clear->click();
    });
    w.Advice->Demo().SetPace(20, 20, 20);
    QVERIFY(QTest::qWaitForWindowActive(&w.View));
    QTest::keyClick(&w.View, Qt::Key_F2);
    QTRY_VERIFY(w.Advice->HintAction->isEnabled());
    w.Game.TargetPoints = 500;
    QTest::keyClick(&w.View, Qt::Key_D);
    QTRY_VERIFY_WITH_TIMEOUT(cleared, 60000);
    review.Written();
    const Review::KeptHandsRead kept = Review::ReadKeptHands(path);
    QVERIFY(kept.Opened);
    QCOMPARE(int(kept.Hands.size()), 0);
}

QTEST_MAIN(TestReview)
#include "tst_review.moc"
