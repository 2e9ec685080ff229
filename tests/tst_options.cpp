// The window's own options and its closes: the Sound switch (nothing asked
// of the sound module while it is off, the message box's ring neither, and
// what plays stops), the pace (a deal and Dorvil's turn show the same things
// in the same order at Quick), and a close that Qt does not mark as the
// window system's, as on Wayland: the player is asked, and refused while
// another box waits; the end of the session is not the player's, and is
// answered while Dorvil thinks.
#include "Pauses.h"
#include "TestWindow.h"
#include "dialogs/FaceButton.h"
#include "dialogs/MFormDeluxe.h"
#include "modules/Modules.h"
#include "table/TableWidgets.h"
#include "window/PaceOption.h"
#include "window/SessionEnd.h"
#include "window/TableMenus.h"
#include "window/TableNews.h"
#include "window/TableSound.h"
#include "window/UserSettings.h"

#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <atomic>

namespace {
// The sound module as the table sees it: what it is asked, in order.
class Listening : public SoundOutput {
  public:
    explicit Listening(QStringList& asked) : Asked(asked) {}
    void Play(Sound sound) override { Asked << QString("play %1").arg(int(sound)); }
    void Stop() override { Asked << "stop"; }

  private:
    QStringList& Asked;
};

void ListenToSounds(TableWindow& w, QStringList& asked) {
    w.View.findChild<TableSound*>()->UseOutput(std::make_unique<Listening>(asked));
}

// A deal by the player and Dorvil's first turn at `pace`: every table event,
// text and sound, in order, then where each card lies and what it shows.
QStringList DealAndDorvilsTurn(PaceOption::Pace pace) {
    TableWindow w;
    w.View.MenuEntries().Pace->Choose(pace);
    QStringList seen;
    ListenToSounds(w, seen);
    QObject::connect(&w.View.News(), &TableNews::TableEventSeen, [&](const TableEvent& e) {
        seen << QString("event %1 %2 %3 %4").arg(e.What).arg(e.ByDorvil).arg(e.Card).arg(e.Column);
    });
    QObject::connect(&w.View.News(), &TableNews::TextShown, [&](Ctl control, const QString& text) {
        seen << QString("text %1 %2").arg(int(control)).arg(text);
    });
    w.Game.PlayerDeals = true; // so that Dorvil plays first
    w.Game.Dispatch([&] { w.Game.MnuNew_Click(); });
    for (int n = 1; n <= 52; ++n)
        seen << QString("card %1 at %2,%3 image %4 %5")
                    .arg(n)
                    .arg(w.View.CardLeft(n))
                    .arg(w.View.CardTop(n))
                    .arg(w.View.Card(n)->ImageShown())
                    .arg(w.View.Card(n)->isVisible());
    return seen;
}
} // namespace

class TestOptions : public QObject {
    Q_OBJECT
  private slots:
    // A home of its own: the options are remembered in the user's
    // configuration, which other tests running at the same time clear.
    void initTestCase() {
        QVERIFY(Home.isValid());
        qputenv("HOME", Home.path().toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
    }
    void init() { UserSettings().clear(); }

    void soundSwitchSilencesEverySound() {
        TableWindow w;
        QStringList asked;
        ListenToSounds(w, asked);
        auto* sound = w.Find<QAction>("MnuSound");
        QVERIFY(sound->isChecked());
        QCOMPARE(sound->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
        w.View.PlaySound(Sound::Card);
        QCOMPARE(asked, QStringList{"play 0"});
        // Off by its key while the game keeps the Options menu closed (the deal, Dorvil's turn).
        w.View.EnableMenu(Menu::MnuOptions, false);
        QVERIFY(QTest::qWaitForWindowActive(&w.View));
        QTest::keyClick(&w.View, Qt::Key_M, Qt::ControlModifier);
        QVERIFY(!sound->isChecked());
        QCOMPARE(asked, (QStringList{"play 0", "stop"})); // the sound playing stops
        asked.clear();
        for (Sound s : {Sound::Card, Sound::Down, Sound::Shuffle, Sound::Ringout})
            w.View.PlaySound(s);
        QTimer::singleShot(50, [&] { w.View.MessageBox()->Face(0)->Choose(); });
        w.Game.Dispatch([&] { w.Game.CmdTarget(); }); // a box, which rings as it opens
        QVERIFY(asked.isEmpty());
        {
            TableWindow next; // the switch is remembered
            QVERIFY(!next.Find<QAction>("MnuSound")->isChecked());
        }
        sound->trigger();
        QTimer::singleShot(50, [&] { w.View.MessageBox()->Face(0)->Choose(); });
        w.Game.Dispatch([&] { w.Game.CmdTarget(); });
        QCOMPARE(asked, QStringList{QString("play %1").arg(int(Sound::Ringout))});
    }

    void paceShortensEveryPause_data() {
        QTest::addColumn<int>("normal");
        QTest::addColumn<int>("quick");
        QTest::newRow("between moves") << Pauses::Normal << 40;
        QTest::newRow("a dealt card's hop") << Pauses::Dealing << 17;
        QTest::newRow("a card travelling") << Pauses::Slow << 100;
        QTest::newRow("the shortest") << 1 << 1;
        QTest::newRow("none") << 0 << 0;
    }
    void paceShortensEveryPause() {
        QFETCH(int, normal);
        QFETCH(int, quick);
        QCOMPARE(PaceOption::Length(PaceOption::Pace::Normal, normal), normal);
        QCOMPARE(PaceOption::Length(PaceOption::Pace::Quick, normal), quick);
    }

    void quickPaceChangesNothingButTime() {
        const QStringList normal = DealAndDorvilsTurn(PaceOption::Pace::Normal);
        QVERIFY(!normal.filter(QString("event %1 1 ").arg(TableEvent::Discards)).isEmpty());
        QCOMPARE(DealAndDorvilsTurn(PaceOption::Pace::Quick), normal);
        TableWindow next; // the pace is remembered
        QCOMPARE(next.View.MenuEntries().Pace->Chosen(), PaceOption::Pace::Quick);
        QVERIFY(next.Find<QAction>("MnuPaceQuick")->isChecked());
    }

    // Qt's Wayland plugin gives the compositor's close as a close not marked
    // as the window system's, as QWidget::close does.
    void anUnmarkedCloseAsksThePlayer() {
        TableWindow w;
        QString asked;
        QTimer::singleShot(50, [&] {
            asked = w.View.MessageBox()->windowTitle();
            w.View.MessageBox()->Face(1)->Choose(); // "Continue Game"
        });
        QVERIFY(!w.View.close());
        QCOMPARE(asked, QStringLiteral("Really Exit?"));
        QVERIFY(w.View.isVisible());
        QVERIFY(!w.Game.Closing);
    }

    void aCloseWhileABoxWaitsIsRefused() {
        TableWindow w;
        bool closed = true;
        QString shown;
        QTimer::singleShot(50, [&] {
            closed = w.View.close();
            shown = w.View.MessageBox()->windowTitle();
            w.View.MessageBox()->Face(0)->Choose();
        });
        w.Game.Dispatch([&] { w.Game.CmdTarget(); });
        QVERIFY(!closed);
        QVERIFY(shown != QStringLiteral("Really Exit?"));
        QVERIFY(w.View.isVisible());
        QVERIFY(!w.Game.Closing);
    }

    // A commit that only checkpoints the session, or a logout cancelled: the
    // player's next key says the session goes on.
    void theSessionGoesOnAfterThePlayersKey() {
        TableWindow w;
        auto* session = w.View.findChild<SessionEnd*>();
        QVERIFY(!session->Ending());
        session->CommitRequested();
        QVERIFY(session->Ending());
        QVERIFY(QTest::qWaitForWindowActive(&w.View));
        QTest::keyClick(&w.View, Qt::Key_Left);
        QVERIFY(!session->Ending());
    }

    // Dorvil's thought runs aside: the end of the session is answered while
    // he thinks, and the game goes on only once the thought is whole. (Last:
    // the program is told to quit.)
    void theSessionEndsWhileDorvilThinks() {
        TableWindow w;
        std::atomic<bool> thought{false};
        bool thoughtAtClose = true;
        QTimer::singleShot(50, [&] {
            thoughtAtClose = thought;
            w.View.findChild<SessionEnd*>()->CommitRequested();
            QApplication::closeAllWindows();
        });
        w.View.Think([&] {
            QThread::msleep(400);
            thought = true;
        });
        QVERIFY(!thoughtAtClose);
        QVERIFY(thought);
        QVERIFY(w.Game.Closing);
        QVERIFY(!w.View.isVisible());
    }

  private:
    QTemporaryDir Home;
};

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
