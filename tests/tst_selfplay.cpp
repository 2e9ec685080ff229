// The self-play's own checks: a broken table is caught, a card in flight is
// told apart from a lost one, a seed repeats its run, and the command line
// refuses what it cannot use.
#include "Invariants.h"
#include "SelfPlay.h"
#include "SimOptions.h"
#include "TestView.h"

#include <QtTest>

class TestSelfPlay : public QObject {
    Q_OBJECT
  private slots:
    void brokenTableIsCaught_data() {
        QTest::addColumn<QString>("breakage");
        QTest::addColumn<bool>("inFlight"); // still acceptable while a card moves
        QTest::newRow("card counted twice") << "count +2" << false;
        QTest::newRow("card on its way into the hand") << "count +1" << true;
        QTest::newRow("card in two columns") << "two columns" << false;
        QTest::newRow("melded card in no column") << "no column" << false;
        QTest::newRow("column neither set nor run") << "bad meld" << false;
        QTest::newRow("two open columns") << "two open" << false;
        QTest::newRow("Dorvil's list out of date") << "stale list" << true;
        QTest::newRow("money below zero") << "negative money" << false;
        QTest::newRow("target out of range") << "target" << false;
    }
    void brokenTableIsCaught() {
        QFETCH(QString, breakage);
        QFETCH(bool, inFlight);
        TestTable t;
        LayHand(t, {1, 2, 3, 17}, {20, 21, 40}, 30);
        FrmMain& f = t.Frm;
        QCOMPARE(CheckTable(f, Moment::AtRest), QString());
        auto meld = [&](int c, std::initializer_list<int> cards) {
            for (int n : cards) {
                f.Cards(n).Place = Where::InMeld;
                f.Cards(n).InColumn(c) = true;
                f.Melds(c).Slot(++f.Melds(c).Count) = n;
                --f.PlayerCount;
            }
            f.Melds(c).InUse = true;
            f.LayOutColumn(c);
        };
        if (breakage == "count +2") f.PlayerCount += 2;
        if (breakage == "count +1") ++f.PlayerCount;
        if (breakage == "two columns" || breakage == "no column") {
            meld(2, {1});
            f.Cards(1).InColumn(2) = breakage == "no column" ? false : true;
            f.Cards(1).InColumn(5) = breakage == "two columns";
        }
        if (breakage == "bad meld") meld(3, {1, 17});
        if (breakage == "two open") meld(3, {1}), meld(4, {2});
        if (breakage == "stale list") std::swap(f.OppCards(1), f.OppCards(2));
        if (breakage == "negative money") f.PlayerMoney = -1;
        if (breakage == "target") f.TargetPoints = 501;
        QVERIFY(!CheckTable(f, Moment::AtRest).isEmpty());
        QCOMPARE(CheckTable(f, Moment::InFlight).isEmpty(), inFlight);
    }

    // The same seed plays the same hands, and every event reaches a listener.
    void seedRepeatsTheRun() {
        QTemporaryDir data;
        SelfPlayResult runs[2];
        int64_t heard = 0;
        for (SelfPlayResult& r : runs) {
            SelfPlay play(SelfPlayConfig{400, 9, data.path(), QStringLiteral("random")});
            play.ListenToTable([&](const TableEvent& e) {
                heard += e.What == TableEvent::Draws || e.What == TableEvent::Takes;
            });
            r = play.Run();
            QCOMPARE(r.FaultReport, QString());
            QDir(data.path()).removeRecursively();
        }
        QCOMPARE(runs[0].Hands, 400);
        QCOMPARE(runs[1].Turns, runs[0].Turns);
        QCOMPARE(runs[1].Games, runs[0].Games);
        QCOMPARE(runs[1].Sessions, runs[0].Sessions);
        QCOMPARE(heard, runs[0].Turns + runs[1].Turns);
        QVERIFY(runs[0].Games > 0 && runs[0].Sessions > 1);
    }

    // A run told to play one game ends with the hand that wins it.
    void runStopsAfterItsGames() {
        SelfPlayConfig config{100000, 3, QString(), QStringLiteral("greedy")};
        config.Games = 1;
        SelfPlay play(config);
        int64_t dealt = 0, dealtAtWin = 0;
        play.ListenToDeals([&] { ++dealt; });
        play.ListenToTable([&](const TableEvent& e) {
            if (e.What == TableEvent::GameWon) dealtAtWin = dealt;
        });
        const SelfPlayResult r = play.Run();
        QCOMPARE(r.FaultReport, QString());
        QCOMPARE(r.Games, 1);
        QVERIFY(dealtAtWin > 1);
        QCOMPARE(r.Hands, dealtAtWin);
    }

    void commandLine_data() {
        QTest::addColumn<QString>("args");
        QTest::addColumn<bool>("usable");
        QTest::newRow("scenario") << "--seed 3 a.scn" << true;
        QTest::newRow("self-play") << "--self-play 10 --seed 1 --data /tmp/x" << true;
        QTest::newRow("self-play of no hands") << "--self-play 0" << true;
        QTest::newRow("nothing") << "" << false;
        QTest::newRow("negative count") << "--self-play -5" << false;
        QTest::newRow("count not a number") << "--self-play many" << false;
        QTest::newRow("count missing") << "--self-play" << false;
        QTest::newRow("seed not a number") << "--self-play 5 --seed x" << false;
        QTest::newRow("unknown player") << "--self-play 5 --player clever" << false;
        QTest::newRow("Sharp Dorvil, greedy player")
            << "--self-play 5 --dorvil sharp --player greedy" << true;
        QTest::newRow("unknown Dorvil") << "--self-play 5 --dorvil clever" << false;
        QTest::newRow("Dorvil without self-play") << "--dorvil sharp a.scn" << false;
        QTest::newRow("data without self-play") << "--data /tmp/x a.scn" << false;
        QTest::newRow("self-play and a file") << "--self-play 5 a.scn" << false;
        QTest::newRow("unknown option") << "--fast a.scn" << false;
        QTest::newRow("restoring") << "--self-play 5 --restore" << true;
        QTest::newRow("keeping the game") << "--self-play 5 --data /tmp/x --recovery" << true;
        QTest::newRow("keeping the game nowhere") << "--self-play 5 --recovery" << false;
        QTest::newRow("restoring a scenario") << "--restore a.scn" << false;
        QTest::newRow("drops tried") << "--self-play 5 --drop-trials 0.5" << true;
        QTest::newRow("drops tried past certainty") << "--self-play 5 --drop-trials 2" << false;
        QTest::newRow("drops tried in a scenario") << "--drop-trials 0 a.scn" << false;
    }
    void commandLine() {
        QFETCH(QString, args);
        QFETCH(bool, usable);
        SimOptions o = ParseSimOptions(args.split(QLatin1Char(' '), Qt::SkipEmptyParts));
        QCOMPARE(o.Error.isEmpty(), usable);
    }
};

QTEST_GUILESS_MAIN(TestSelfPlay)
#include "tst_selfplay.moc"
