// Dorvil's turn and the settlement: the worked example, every settlement
// message, saturating counts, an unwritable statistics file, and handlers that
// arrive in the middle of his turn.
#include "TestView.h"

#include <QtTest>

namespace {
// The player holds only `last`, already drawn; Dorvil holds `dorvil`.
void PlayerAboutToGoOut(TestTable& t, int last, const QList<int>& dorvil) {
    LayHand(t, {last}, dorvil, 0);
    t.Frm.PlayerHasDrawn = true;
}

void Discard(TestTable& t, int n) {
    t.Run([&] { t.Frm.Cds_MouseDown(n); });
    t.View.MoveCard(n, 700, 5200);
    t.Run([&] { t.Frm.Cds_MouseUp(n); });
}
} // namespace

class TestOpponent : public QObject {
    Q_OBJECT
  private slots:
    void workedExampleOfTheSettlement() {
        TestTable t;
        PlayerAboutToGoOut(t, 5, {16, 37, 52});
        t.Frm.PlayerScore = 95;
        t.Frm.OppScore = 60;
        t.Frm.OppMoney = 20;
        t.View.Answers = {0, 1}; // Carry On!, then Bye for Now
        Discard(t, 5);
        QCOMPARE(int(t.Frm.PlayerScore), 122);
        QCOMPARE(int(t.Frm.PlayerMoney), 62 - 20);
        QCOMPARE(int(t.Frm.OppMoney), 0);
        QCOMPARE(int(t.Frm.PlayerGamesWon), 1);
        QCOMPARE(t.View.Panels[2], QStringLiteral("Player ' current points 122"));
        QCOMPARE(t.View.Texts[Ctl::LblWonP], QStringLiteral("1"));
        QCOMPARE(t.View.Texts[Ctl::LblMoneyP], QStringLiteral("$0.42"));
        for (int n : {16, 37, 52})
            QCOMPARE(t.View.Image[n], n); // Dorvil's cards turned up
        QCOMPARE(t.ReadFile("Scores.dat"), QByteArray("1,0,0,42,\"Player\"\r\n"));
        QCOMPARE(t.View.Messages.size(), size_t(2));
        QCOMPARE(t.View.Messages[0].Title, QStringLiteral(" Dorvil Beaten Again."));
        QCOMPARE(t.View.Messages[0].Text,
                 QStringLiteral("Player well done you won the hand and the game.\r See statistics "
                                "top right for details."));
        QCOMPARE(t.View.Messages[0].Caption0, QStringLiteral("Carry On!"));
        QCOMPARE(t.View.Messages[1].Title, QStringLiteral("Play another game?"));
        QCOMPARE(t.View.Messages[1].Icon, 1);
        QVERIFY(t.View.Closed); // Bye for Now
        QVERIFY(t.Frm.GameOver && !t.Frm.GameInPlay);
    }

    void settlementMessages_data() {
        QTest::addColumn<bool>("playerGoesOut");
        QTest::addColumn<int>("playerScore");
        QTest::addColumn<int>("dorvilScore");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("icon");
        QTest::addColumn<bool>("gameOver");
        QTest::newRow("player wins the hand") << true << 0 << 0 << " You win the hand"
                                              << "Next Hand" << 4 << false;
        QTest::newRow("player reaches the target without a lead")
            << true << 80 << 120 << " You win the hand"
            << "Next Hand" << 4 << false;
        QTest::newRow("player wins the game exactly at the target")
            << true << 96 << 50 << " Dorvil Beaten Again."
            << "Carry On!" << 4 << true;
        QTest::newRow("Dorvil wins the hand") << false << 0 << 0 << " Dorvil wins the Hand."
                                              << "Next Hand" << 5 << false;
        QTest::newRow("Dorvil wins the game") << false << 10 << 99 << " Dorvil Wins Game."
                                              << "Carry On! " << 5 << true;
    }
    void settlementMessages() {
        QFETCH(bool, playerGoesOut);
        QFETCH(int, playerScore);
        QFETCH(int, dorvilScore);
        QFETCH(QString, title);
        QFETCH(QString, caption);
        QFETCH(int, icon);
        QFETCH(bool, gameOver);
        TestTable t;
        // The player goes out with the 4 of diamonds, or Dorvil with his last card;
        // the loser keeps the 2 and 2 of clubs (2 + 2 = 4 points).
        if (playerGoesOut)
            PlayerAboutToGoOut(t, 4, {2, 15});
        else
            LayHand(t, {2, 15}, {}, 30);
        t.Frm.PlayerScore = static_cast<int16_t>(playerScore);
        t.Frm.OppScore = static_cast<int16_t>(dorvilScore);
        t.View.Answers = {0, 0};
        int serial = t.Frm.HandSerial;
        if (playerGoesOut)
            Discard(t, 4);
        else
            t.Run([&] { t.Frm.SettleHand(); });
        QCOMPARE(t.View.Messages[0].Title, title);
        QCOMPARE(t.View.Messages[0].Caption0, caption);
        QCOMPARE(t.View.Messages[0].Icon, icon);
        if (!playerGoesOut)
            QCOMPARE(t.View.Messages[0].Panel3,
                     QStringLiteral(" Dorvil's current points %1").arg(dorvilScore + 4));
        if (gameOver) {
            QCOMPARE(t.View.Messages[1].Text,
                     QStringLiteral("Would you like to play another game or leave for now?"));
            QCOMPARE(t.View.Messages[1].Icon, playerGoesOut ? 1 : 2);
            QVERIFY(QFile::exists(t.Program + "/Scores.dat"));
            QCOMPARE(int(t.Frm.PlayerScore), 0); // Play Again: a new game
        } else {
            QCOMPARE(t.View.Messages.size(), size_t(1));
            QCOMPARE(int(t.Frm.PlayerScore) + int(t.Frm.OppScore), playerScore + dorvilScore + 4);
        }
        QVERIFY(t.Frm.HandSerial != serial); // the next hand was dealt
        QCOMPARE(TableProblem(t.Frm), QString());
    }

    void goingOutWithAnAceScoresOnePoint() {
        TestTable t;
        PlayerAboutToGoOut(t, 5, {40});
        t.Frm.Cards(52).Place = Where::Discard; // keep the stock draw out of it
        Discard(t, 5);
        auto won = std::find_if(t.View.Events.rbegin(), t.View.Events.rend(),
                                [](const TableEvent& e) { return e.What == TableEvent::HandWon; });
        QVERIFY(won != t.View.Events.rend());
        QCOMPARE(won->Count, 1);
    }

    void countsSaturateAtTheirEnds() {
        TestTable t;
        PlayerAboutToGoOut(t, 5, {13, 26});
        t.Frm.PlayerScore = 32760;
        t.Frm.PlayerMoney = 32700;
        t.Frm.PlayerGamesWon = 32767;
        t.View.Answers = {0, 0};
        Discard(t, 5);
        QCOMPARE(int(t.Frm.PlayerGamesWon), 32767);
        QCOMPARE(int(t.Frm.PlayerMoney), 32767);
        QCOMPARE(t.ReadFile("Scores.dat"), QByteArray("32767,0,0,32767,\"Player\"\r\n"));
    }

    void unwritableStatisticsStillFinishTheGame() {
        TestTable t;
        QDir(t.Program).removeRecursively();
        QFile blocker(t.Program);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        QFile userBlocker(t.User);
        QVERIFY(userBlocker.open(QIODevice::WriteOnly));
        PlayerAboutToGoOut(t, 5, {13, 26});
        t.Frm.PlayerScore = 99;
        t.View.Answers = {0, 0};
        Discard(t, 5);
        QCOMPARE(t.View.Messages.size(), size_t(2));
        QCOMPARE(t.View.Messages[1].Title, QStringLiteral("Play another game?"));
        QCOMPARE(int(t.Frm.PlayerGamesWon), 1); // kept for the next write
        QVERIFY(t.View.Errors.isEmpty());
    }

    void passTurnPromptsThePlayer() {
        TestTable t;
        LayHand(t, {1, 2}, {3, 4}, 30);
        t.Frm.PlayerHasDrawn = true;
        t.Run([&] { t.Frm.PassTurn(); });
        QCOMPARE(t.View.Texts[Ctl::LblInfo],
                 QStringLiteral("Player please take either a Discard card or a Stock card by "
                                "clicking on the one you want"));
        QVERIFY(!t.Frm.PlayerHasDrawn);
        QVERIFY(t.View.Events.empty());
        QVERIFY(t.View.MenuOn[Menu::MnuExit] && t.View.MenuOn[Menu::MnuPlay]);
    }

    void oppPlayRefusesWhenNotHisMoment_data() {
        QTest::addColumn<QString>("flag");
        QTest::newRow("busy") << "busy";
        QTest::newRow("hand over") << "hand";
        QTest::newRow("game over") << "game";
    }
    void oppPlayRefusesWhenNotHisMoment() {
        QFETCH(QString, flag);
        TestTable t;
        LayHand(t, {1, 2}, {3, 4}, 30);
        t.Frm.Busy(2) = flag == "busy";
        t.Frm.HandOver = flag == "hand";
        t.Frm.GameOver = flag == "game";
        t.Run([&] { t.Frm.OppPlay(); });
        QVERIFY(t.View.Events.empty());
        QCOMPARE(t.Frm.OppCount, 2);
    }

    void lastCardJustTakenIsNotDiscarded() {
        TestTable t;
        LayHand(t, {1, 2}, {30}, 0);
        t.Frm.OppTookFace = 30;
        t.Run([&] { t.Frm.OppChooseDiscard(); });
        QVERIFY(t.Frm.Busy(2));
        QCOMPARE(t.Frm.OppCount, 1);
        QCOMPARE(t.Frm.Cards(30).Place, Where::DorvilHand);
        QVERIFY(t.View.Events.empty());
    }

    void emptyStockAfterRebuildDorvilTakesTheFaceCard() {
        TestTable t;
        LayHand(t, {1, 2}, {3, 5}, 30);
        for (int n = 1; n <= 52; ++n)
            if (t.Frm.Cards(n).Place == Where::Stock)
                t.Frm.Cards(n).Place = Where::PlayerHand, ++t.Frm.PlayerCount, --t.Frm.StockCount;
        QCOMPARE(t.Frm.StockCount, 0);
        t.Frm.PlayerTurn = false;
        t.Frm.OppTurn = true;
        t.Run([&] { t.Frm.PassTurn(); });
        QCOMPARE(t.View.Events[0].What, TableEvent::Takes);
        QCOMPARE(t.View.Events[0].Card, 30);
        QVERIFY(t.Frm.PlayerTurn);
        QCOMPARE(TableProblem(t.Frm), QString());
    }

    // Menus stay enabled while Dorvil's cards move: a command that arrives in
    // one of his pauses must leave a sound table and a finished turn.
    void commandsDuringDorvilsTurn_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("pause");
        QTest::newRow("New Game in his draw") << "new" << 1;
        QTest::newRow("New Game in his discard") << "new" << 4;
        QTest::newRow("Exit in his draw") << "exit" << 2;
        QTest::newRow("Call Draw in his discard") << "draw" << 3;
        QTest::newRow("sorting in his draw") << "sort" << 1;
        QTest::newRow("close box, Continue Game") << "stay" << 2;
    }
    void commandsDuringDorvilsTurn() {
        QFETCH(QString, command);
        QFETCH(int, pause);
        TestTable t(11);
        t.Run([&] { t.Frm.Form_Load(); });
        t.Run([&] { t.Frm.Cds_Click(1); }); // Dorvil deals, the player plays first
        int face = t.Frm.FaceCard;
        t.Run([&] { t.Frm.Cds_MouseDown(face); });
        int discard = 0;
        for (int n = 1; n <= 52 && !discard; ++n)
            if (t.Frm.Cards(n).Place == Where::PlayerHand && n != face) discard = n;
        const int startSerial = t.Frm.HandSerial;
        t.View.Pauses.clear();
        bool fired = false;
        int hisPauses = 0;
        t.View.DuringPause = [&](int) {
            if (!t.Frm.OppTurn || ++hisPauses != pause || fired) return;
            fired = true;
            t.View.Answers = {command == "stay" ? 1 : 0};
            t.Frm.Dispatch([&] {
                if (command == "new")
                    t.Frm.MnuNew_Click();
                else if (command == "exit")
                    t.Frm.MnuExit_Click();
                else if (command == "draw")
                    t.Frm.LblDraw_Click();
                else if (command == "sort")
                    t.Frm.LblSortSuits_Click();
                else
                    t.Frm.Form_QueryUnload(0);
            });
        };
        Discard(t, discard);
        QVERIFY(fired);
        QCOMPARE(TableProblem(t.Frm), QString());
        if (command == "exit") {
            QVERIFY(t.View.Closed);
            return;
        }
        // Whatever happened, the player now has the turn of a hand in order.
        QVERIFY(t.Frm.PlayerTurn && !t.Frm.OppTurn);
        QVERIFY(!t.Frm.PlayerHasDrawn);
        QCOMPARE(t.Frm.HandSerial != startSerial, command == "new" || command == "draw");
        if (command == "new" || command == "draw") {
            QCOMPARE(t.Frm.PlayerCount, 10);
            QCOMPARE(int(t.Frm.PlayerScore), 0);
        }
    }
};

QTEST_GUILESS_MAIN(TestOpponent)
#include "tst_opponent.moc"
