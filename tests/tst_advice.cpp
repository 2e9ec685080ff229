// Advice at the table: a hint shows on the table and changes nothing, is
// open only on the player's turn at rest, and goes once the table moves on;
// the demo plays a hand to its end and leaves the end of the hand to the
// player, counted in the history; a key gives the table back and does
// nothing else.
#include "FrmMain.h"
#include "History.h"
#include "Random.h"
#include "TestWindow.h"
#include "access/Announcer.h"
#include "access/TableGroups.h"
#include "access/TableKeys.h"
#include "advice/AdviceShown.h"
#include "advice/DemoPlayer.h"
#include "window/MainWindow.h"
#include "window/TableNews.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QtTest/qtestspontaneevent.h>
#include <QtTest>
#include <deque>

namespace {
// Every draw is scripted: card k comes for the value that rounds to k; then
// the shuffles of the next hands are seeded.
std::function<double()> Scripted(std::deque<int> cards) {
    auto queue = std::make_shared<std::deque<int>>(std::move(cards));
    auto after = MakeRandomSource(1);
    return [queue, after] {
        if (queue->empty()) return after();
        const int k = queue->front();
        queue->pop_front();
        return (k == 52 ? 51.75 : k) / 52.0;
    };
}

struct Window : TableWindow {
    explicit Window(std::function<double()> random = MakeRandomSource(1))
        : TableWindow(std::move(random)) {
        View.activateWindow();
        Advice->Demo().SetPace(20, 20, 20);
    }
    void Deal() {
        Aids->Keys->ClickCard(Aids->Groups->TopOfPile(Where::Stock));
        QTRY_VERIFY(Advice->HintAction->isEnabled());
    }
    QWidget* Box() { return Find("HintBox"); }
    // Where every card lies, and how the hand's record stands.
    QList<int> Table() {
        QList<int> seen{static_cast<int>(Game.HandLog.size())};
        for (int n = 1; n <= 52; ++n)
            seen << static_cast<int>(Game.Cards(n).Place) << View.CardLeft(n) << View.CardTop(n);
        return seen;
    }
    bool Marked(const QRect& area) {
        for (QWidget* mark : View.findChildren<QWidget*>("HintMark"))
            if (mark->isVisible() && mark->geometry().contains(area.center())) return true;
        return false;
    }
};
} // namespace

class TestAdvice : public QObject {
    Q_OBJECT
  private slots:
    void hintShowsAndChangesNothing() {
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.View));
        QVERIFY(!w.Advice->HintAction->isEnabled()); // nothing dealt yet
        QTest::keyClick(&w.View, Qt::Key_H);
        QVERIFY(!w.Box()->isVisible());
        w.Deal();
        const QList<int> before = w.Table();
        QSignalSpy taken(&w.View.News(), &TableNews::HintTaken);
        QTest::keyClick(&w.View, Qt::Key_H);
        const Hint::Advice advice = w.Advice->Shown().Current();
        QVERIFY(advice.What == Hint::Advice::TakeFace || advice.What == Hint::Advice::TakeStock);
        const QString sentence = Hint::Sentence(advice);
        QCOMPARE(w.Advice->Shown().Text(), sentence);
        QCOMPARE(w.Aids->Voice->Recent().last(), sentence);
        QCOMPARE(taken.count(), 1);
        const Group pile = advice.What == Hint::Advice::TakeFace ? Group::Discard : Group::Stock;
        QVERIFY(w.Marked(w.Aids->Groups->Area(pile)));
        QCOMPARE(w.Table(), before);
        // The player makes the move: the hint has had its moment.
        w.Aids->Keys->ClickCard(
            w.Aids->Groups->TopOfPile(pile == Group::Discard ? Where::Discard : Where::Stock));
        QTRY_VERIFY(!w.Box()->isVisible());
        QVERIFY(!w.Marked(w.Aids->Groups->Area(pile)));
    }

    // While Expert Dorvil sits at the table, H advises with his judgement. In
    // this deal, after a card from the stock, Sharp would discard the King of
    // Diamonds and Expert the Seven of Clubs.
    void hintBorrowsExpertsJudgement() {
        Window w(MakeRandomSource(2));
        w.Game.DorvilChosen = DorvilExpert;
        QVERIFY(QTest::qWaitForWindowActive(&w.View));
        w.Deal();
        QCOMPARE(w.Game.DorvilAtTable, int(DorvilExpert));
        w.Aids->Keys->ClickCard(w.Aids->Groups->TopOfPile(Where::Stock));
        QTRY_VERIFY(w.Game.PlayerHasDrawn && w.Advice->HintAction->isEnabled());
        QTest::keyClick(&w.View, Qt::Key_H);
        const Hint::PlayerSees sees = Hint::WhatPlayerSees(w.Game);
        QVERIFY(!(Hint::ExpertStep(sees) == Hint::NextStep(sees)));
        QCOMPARE(w.Advice->Shown().Current(), Hint::ExpertStep(sees));
    }

    // The player holds four sevens, three eights and three nines: the demo
    // takes a card, lays the three melds and goes out; the box that ends
    // the hand waits for the player.
    void demoPlaysTheHandToItsEnd() {
        std::deque<int> deal;
        const int player[10] = {7, 20, 33, 46, 8, 21, 34, 9, 22, 35};
        const int dorvil[10] = {13, 26, 39, 52, 12, 25, 38, 51, 11, 24};
        for (int i = 0; i < 10; ++i)
            deal.insert(deal.end(), {player[i], dorvil[i]});
        deal.insert(deal.end(), {1, 41}); // the face card, then a stock card
        Window w(Scripted(deal));
        QVERIFY(QTest::qWaitForWindowActive(&w.View));
        w.Deal();
        w.Game.TargetPoints = 500;
        QSignalSpy taken(&w.View.News(), &TableNews::HintTaken);
        // The box is watched from inside its own loop; it is answered once
        // it has stood unanswered a while.
        struct Seen {
            bool HandOver = false, DemoRunning = true, StillOpen = false;
            int Boxes = 0;
        } seen;
        QElapsedTimer open;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            if (!open.isValid()) {
                open.start();
                ++seen.Boxes;
                seen.HandOver = w.Game.HandOver;
                seen.DemoRunning = w.Advice->Demo().Running();
            } else if (open.elapsed() > 300) {
                seen.StillOpen = true;
                open.invalidate();
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        poll.start(10);
        QTest::keyClick(&w.View, Qt::Key_D);
        QVERIFY(w.Advice->Demo().Running());
        QVERIFY(!w.Advice->HintAction->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(seen.StillOpen && !QApplication::activeModalWidget(), 30000);
        QCOMPARE(seen.Boxes, 1);
        QVERIFY(seen.HandOver);
        QVERIFY(!seen.DemoRunning);
        QVERIFY(!w.Advice->Demo().Running());
        QVERIFY(taken.count() >= 5); // a take, the melds' cards, a discard
        QList<HandRecord> records;
        History::Read(w.Game.HistoryFile(), [&](const HandRecord& r) { records << r; });
        QCOMPARE(records.size(), 1);
        QCOMPARE(records[0].Hints, taken.count());
    }

    // While a screen reader listens, the demo's first move waits until the
    // notice of its start has had the time to be spoken.
    void demoWaitsForSpeech() {
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.View));
        w.Deal();
        w.Advice->Demo().SetListened(true);
        QSignalSpy taken(&w.View.News(), &TableNews::HintTaken);
        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(&w.View, Qt::Key_D);
        const int speaking = w.Aids->Voice->SpeakingFor();
        QTRY_VERIFY_WITH_TIMEOUT(taken.count() > 0, 20000);
        QVERIFY(speaking > 3000);
        QVERIFY(clock.elapsed() >= speaking);
    }

    // Stopped while a screen reader listens, the demo tells again the move
    // that the key cut off before it was said.
    void aKeyRetellsTheMoveNotHeard() {
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.View));
        w.Deal();
        w.Advice->Demo().SetListened(true);
        QSignalSpy taken(&w.View.News(), &TableNews::HintTaken);
        QTest::keyClick(&w.View, Qt::Key_D);
        QTRY_VERIFY_WITH_TIMEOUT(taken.count() > 0, 20000);
        QVERIFY(w.Aids->Voice->SpeakingFor() > 0);
        QTest::keyClick(&w.View, Qt::Key_S);
        QTRY_VERIFY(!w.Advice->Demo().Running());
        const QString last = w.Aids->Voice->Recent().last();
        QVERIFY2(last.startsWith("The demo has stopped: the table is yours. Not heard before you "
                                 "stopped it: You take the "),
                 qPrintable(last));
        QVERIFY(!w.Advice->Shown().Text().contains("Not heard")); // told, not shown
    }

    // Across Dorvil's turns: the demo plays on until the hand ends.
    void demoPlaysOnAfterDorvil() {
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.View));
        w.Deal();
        QTest::keyClick(&w.View, Qt::Key_D);
        auto discards = [&] {
            return std::count_if(
                w.Game.HandLog.begin(), w.Game.HandLog.end(),
                [](const TableEvent& e) { return e.What == TableEvent::Discards && !e.ByDorvil; });
        };
        QTRY_VERIFY_WITH_TIMEOUT(discards() >= 2 || w.Game.HandOver, 30000);
    }

    // Closing the window from its frame asks the player, never the demo.
    void aCloseFromTheFrameIsThePlayers() {
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.View));
        w.Advice->Demo().SetPace(2000, 2000, 20);
        w.Deal();
        QTest::keyClick(&w.View, Qt::Key_D);
        QString asked;
        bool demoOn = true, stillOpen = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible() || !asked.isEmpty()) return;
            asked = box->windowTitle();
            demoOn = w.Advice->Demo().Running();
            QTest::qWait(200);
            stillOpen = box->isVisible();
            QTest::keyClick(box, Qt::Key_Right); // "Continue Game"
            QTest::keyClick(box, Qt::Key_Return);
        });
        poll.start(10);
        QCloseEvent close; // as the window manager sends it
        QSpontaneKeyEvent::setSpontaneous(&close);
        qApp->notify(&w.View, &close); // (sendEvent would take the flag off)
        QTRY_VERIFY(!asked.isEmpty() && !QApplication::activeModalWidget());
        QCOMPARE(asked, QStringLiteral("Really Exit?"));
        QVERIFY(!demoOn);
        QVERIFY(stillOpen);
        QVERIFY(w.View.isVisible());
        QVERIFY(!w.Game.Closing);
    }

    // A key in the demo gives the table back and does nothing else: S would
    // take a stock card.
    void aKeyGivesTheTableBack() {
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.View));
        w.Advice->Demo().SetPace(2000, 2000, 2000);
        w.Deal();
        const QList<int> before = w.Table();
        QTest::keyClick(&w.View, Qt::Key_D);
        QVERIFY(w.Advice->Demo().Running());
        QTest::keyClick(&w.View, Qt::Key_S);
        QVERIFY(!w.Advice->Demo().Running());
        QCOMPARE(w.Table(), before);
        QVERIFY(w.Advice->Shown().Text().contains(QStringLiteral("the table is yours")));
        QVERIFY(w.Advice->HintAction->isEnabled());
        QTest::qWait(2500); // nothing of the demo is left to run
        QCOMPARE(w.Table(), before);
    }
};

QTEST_MAIN(TestAdvice)
#include "tst_advice.moc"
