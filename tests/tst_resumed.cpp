// A game carried on after the program was killed works whole: the advice is
// open at once, the demo ends at the hand's end and leaves its box to one
// key, and the hints asked before the kill are counted with the hand.
#include "FrmMain.h"
#include "History.h"
#include "Random.h"
#include "ViewMemory.h"
#include "access/Announcer.h"
#include "access/TableAccessible.h"
#include "access/TableAids.h"
#include "access/TableGroups.h"
#include "access/TableKeys.h"
#include "advice/AdviceShown.h"
#include "advice/DemoPlayer.h"
#include "advice/TableAdvice.h"
#include "window/GameRecovery.h"
#include "window/MainWindow.h"
#include "window/PaceOption.h"
#include "window/TableMenus.h"
#include "window/TableNews.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QtTest>

namespace {

// The program as it starts: the interrupted game offered (and carried on,
// the box answered with Enter) before the keys and the advice are made.
struct Sitting {
    struct Accessibility {
        Accessibility() { InstallTableAccessibility(); }
    } Installed;
    MainWindow View;
    ViewMemory Shown{View};
    FrmMain Game;
    GameRecovery Recovery;
    std::unique_ptr<TableAids> Aids;
    std::unique_ptr<TableAdvice> Advice;
    bool Continued = false;
    QString Question; // what a screen reader was given of the question

    // The program makes its keys and advice before the question; `late`
    // makes them after it, for rooms that must take up a table laid out
    // before they existed.
    explicit Sitting(const QString& folder, bool late = false)
        : View(folder, QStringLiteral("/nonexistent/deck.svgz")),
          Game(Shown, TableSettings{folder, folder + "/user", MakeRandomSource(4242)}),
          Recovery(View, Game, Shown) {
        View.MenuEntries().Pace->Choose(PaceOption::Pace::Quick);
        auto makeAids = [&] {
            Aids = std::make_unique<TableAids>(View, Game);
            Advice = std::make_unique<TableAdvice>(View, Game, *Aids);
        };
        if (!late) makeAids();
        QTimer answer; // Carry On, the button under the focus
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!box) return;
            Question = box->windowTitle() + QLatin1Char('|') + box->accessibleDescription();
            QTest::keyClick(box, Qt::Key_Return);
        });
        answer.start(50);
        Continued = Recovery.OfferInterruptedGame();
        answer.stop();
        View.Attach(&Game);
        if (late) makeAids();
        Advice->Demo().SetPace(20, 20, 20);
        if (!Continued) Game.Dispatch([&] { Game.Form_Load(); });
        View.show();
        View.activateWindow();
    }
};

// Seed 4242, dealt and a stock card taken with S, three hints asked; then the
// program is killed: nothing closes, the recovery file is what is left.
void PlayAndKill(const QString& folder) {
    Sitting first(folder);
    QVERIFY(QTest::qWaitForWindowActive(&first.View));
    QTest::keyClick(&first.View, Qt::Key_S);
    QTRY_VERIFY(first.Advice->HintAction->isEnabled());
    QTest::keyClick(&first.View, Qt::Key_S);
    QTRY_VERIFY(first.Game.PlayerHasDrawn && first.Advice->HintAction->isEnabled());
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(&first.View, Qt::Key_H);
    QTest::qWait(100);
}

// The box that ends the hand, watched from inside its own loop while the
// demo plays the hand out, and answered with one Enter.
struct HandsEnd {
    bool DemoRunning = true, Closed = false;
    QString Said;
    int Boxes = 0;
};

HandsEnd PlayOut(Sitting& s) {
    HandsEnd seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || !(s.Game.HandOver || s.Game.GameOver)) return;
        if (seen.Boxes++) return;
        seen.DemoRunning = s.Advice->Demo().Running();
        seen.Said = s.Advice->Shown().Text();
        QTest::keyClick(box, Qt::Key_Return);
        QTest::qWait(200);
        seen.Closed = !box->isVisible();
        if (!seen.Closed) QTest::keyClick(box, Qt::Key_Return); // to go on at all
    });
    poll.start(10);
    s.Advice->Demo().Start(); // as D does, whether or not D is open yet
    [&] {
        QVERIFY(s.Advice->Demo().Running());
        QTRY_VERIFY_WITH_TIMEOUT(seen.Boxes > 0 && !QApplication::activeModalWidget(), 60000);
    }();
    return seen;
}

} // namespace

class TestResumed : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The question is read as every box is: its title, text and buttons.
    void theQuestionIsRead() {
        QTemporaryDir dir;
        PlayAndKill(dir.path());
        Sitting resumed(dir.path());
        QVERIFY(resumed.Continued);
        QVERIFY(QTest::qWaitForWindowActive(&resumed.View));
        QCOMPARE(resumed.Question,
                 QStringLiteral("Game Interrupted|Your last game against Dorvil was interrupted "
                                "before it was finished. Would you like to carry on from where "
                                "you left off? Buttons: Carry On, Start Afresh."));
        QTest::keyClick(&resumed.View, Qt::Key_H); // and the advice is open at once
        QVERIFY(!resumed.Advice->Shown().Text().isEmpty());
    }

    // H and D answer at once: no move made, the Play menu never opened.
    void adviceOpenAtOnce() {
        QTemporaryDir dir;
        PlayAndKill(dir.path());
        Sitting resumed(dir.path(), true);
        QVERIFY(resumed.Continued);
        QVERIFY(QTest::qWaitForWindowActive(&resumed.View));
        QTest::keyClick(&resumed.View, Qt::Key_H);
        QVERIFY(!resumed.Advice->Shown().Text().isEmpty());
        QTest::keyClick(&resumed.View, Qt::Key_D);
        QVERIFY(resumed.Advice->Demo().Running());
    }

    // A hand carried on was dealt before the crash: its first discard (twenty
    // cards in the hands again) is not taken for a new deal.
    void theDealIsNotToldAgain() {
        QTemporaryDir dir;
        PlayAndKill(dir.path());
        Sitting resumed(dir.path());
        QVERIFY(resumed.Continued);
        QVERIFY(QTest::qWaitForWindowActive(&resumed.View));
        QTest::keyClick(&resumed.View, Qt::Key_Delete);
        QTRY_VERIFY(!resumed.Game.PlayerHasDrawn);
        const QStringList said = resumed.Aids->Voice->Recent();
        QVERIFY2(said.indexOf(QRegularExpression("^You discard .*")) >= 0, qPrintable(said.join('\n')));
        QVERIFY2(said.indexOf(QRegularExpression("^The cards are dealt.*")) < 0,
                 qPrintable(said.join('\n')));
    }

    // The demo stops when the hand ends and says so; one Enter answers the box.
    void demoStopsAtTheHandsEnd() {
        QTemporaryDir dir;
        PlayAndKill(dir.path());
        Sitting resumed(dir.path(), true);
        QVERIFY(resumed.Continued);
        QVERIFY(QTest::qWaitForWindowActive(&resumed.View));
        const HandsEnd seen = PlayOut(resumed);
        QVERIFY(!seen.DemoRunning);
        QCOMPARE(seen.Said, QStringLiteral("The demo has stopped: the hand is over."));
        QVERIFY(seen.Closed);
        // A screen reader was told what the loser held and how the scores stand.
        const QStringList said = resumed.Aids->Voice->Recent();
        const QString scores = QStringLiteral("You %1, Dorvil %2; target 100.")
                                   .arg(resumed.Game.PlayerScore)
                                   .arg(resumed.Game.OppScore);
        QVERIFY2(said.contains(scores), qPrintable(said.join('\n')));
        QVERIFY2(said.indexOf(QRegularExpression("^(You|Dorvil) held: .+\\.$")) >= 0,
                 qPrintable(said.mid(said.size() - 12).join('\n')));
    }

    // The three hints asked before the kill and the demo's moves after it.
    void hintsBeforeTheKillAreCounted() {
        QTemporaryDir dir;
        PlayAndKill(dir.path());
        Sitting resumed(dir.path(), true);
        QVERIFY(resumed.Continued);
        QVERIFY(QTest::qWaitForWindowActive(&resumed.View));
        QSignalSpy taken(&resumed.View.News(), &TableNews::HintTaken);
        PlayOut(resumed);
        QList<HandRecord> records;
        History::Read(resumed.Game.HistoryFile(), [&](const HandRecord& r) { records << r; });
        QCOMPARE(records.size(), 1);
        QVERIFY(taken.count() > 0);
        QCOMPARE(records[0].Hints, 3 + taken.count());
    }
};

QTEST_MAIN(TestResumed)
#include "tst_resumed.moc"
