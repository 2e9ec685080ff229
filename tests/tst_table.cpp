// The card model, start-up, the stock and the deal, hand points, the game's
// commands and the offsetting of money.
#include "TestView.h"

#include <QtTest>

namespace {
int Count(const std::vector<Sound>& sounds, Sound which) {
    return static_cast<int>(std::count(sounds.begin(), sounds.end(), which));
}
} // namespace

class TestTable_ : public QObject {
    Q_OBJECT
  private slots:
    void cardModel_data() {
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("rank");
        QTest::addColumn<int>("suit");
        QTest::newRow("ace of diamonds") << 1 << 1 << 5;
        QTest::newRow("king of diamonds") << 13 << 13 << 5;
        QTest::newRow("ace of clubs") << 14 << 1 << 6;
        QTest::newRow("seven of hearts") << 33 << 7 << 7;
        QTest::newRow("ace of spades") << 40 << 1 << 8;
        QTest::newRow("king of spades") << 52 << 13 << 8;
    }
    void cardModel() {
        QFETCH(int, card);
        QFETCH(int, rank);
        QFETCH(int, suit);
        TestTable t;
        t.Frm.SetItUp();
        QCOMPARE(t.Frm.Cards(card).Rank, rank);
        QCOMPARE(t.Frm.Cards(card).Suit, suit);
        QCOMPARE(t.Frm.Cards(card).Place, Where::Stock);
    }

    void startUpLaysThePack() {
        TestTable t;
        t.Run([&] { t.Frm.Form_Load(); });
        QVERIFY(t.View.PicturesCreated);
        QCOMPARE(t.View.Left[1], 5040);
        QCOMPARE(t.View.Top[1], 3720);
        QCOMPARE(t.View.Left[52], 5040 + 102);
        QCOMPARE(t.View.Top[52], 3720 - 102);
        for (int n = 1; n < 52; ++n)
            QVERIFY(t.View.Front[n] < t.View.Front[52]);
        for (int n = 1; n <= 52; ++n)
            QCOMPARE(t.View.Image[n], 53);
        QCOMPARE(t.Frm.StockCount, 52);
        QCOMPARE(t.View.Texts[Ctl::Lblcardsleft], QStringLiteral("In Stock:- 52"));
        QCOMPARE(t.View.Panels[1], QStringLiteral("Target:- 100"));
        QCOMPARE(t.View.Panels[2], QStringLiteral("Player's current points 0"));
        QCOMPARE(t.View.Panels[3], QStringLiteral("Dorvil's current points 0"));
        QCOMPARE(t.View.Texts[Ctl::LblName2], QStringLiteral("Dorvil says good to see you Player"));
        QVERIFY(t.View.Shown[Ctl::LblInfo]);
        QCOMPARE(t.View.Texts[Ctl::LblInfo],
                 QStringLiteral("Cards shuffled - use menu if you wish and then click on pack or "
                                "press F2 to deal cards."));
        QCOMPARE(Count(t.View.Sounds, Sound::Shuffle), 1);
        QCOMPARE(t.Frm.AnimationPause, 120);
        QVERIFY(!t.View.Following);
        QVERIFY(!t.Frm.GameInPlay && !t.Frm.PlayerTurn && !t.Frm.PlayerDeals);
    }

    void firstDealIsDorvils() {
        TestTable t(5);
        t.Run([&] { t.Frm.Form_Load(); });
        t.View.Pauses.clear();
        t.Run([&] { t.Frm.Cds_Click(30); });
        QCOMPARE(t.Frm.PlayerCount, 10);
        QCOMPARE(t.Frm.OppCount, 10);
        QCOMPARE(t.Frm.StockCount, 31);
        QCOMPARE(t.Frm.Cards(t.Frm.FaceCard).Place, Where::Discard);
        QCOMPARE(t.View.Texts[Ctl::Lblcardsleft], QStringLiteral(" In Stock 31"));
        QVERIFY(t.Frm.PlayerTurn && !t.Frm.OppTurn && t.Frm.PlayerDeals);
        QVERIFY(!t.Frm.PlayerHasDrawn);
        // 10 x (50 + 120) to Dorvil, 10 x (50 + 50) to the player, 120 + 120 for the face card
        QCOMPARE(t.View.PauseTotal(), 2940);
        QCOMPARE(Count(t.View.Sounds, Sound::Shuffle), 1); // the click deals the gathered pack
        QVERIFY(t.View.Shown[Ctl::PicSortSame] && t.View.Shown[Ctl::PicSortSuits]);
        QVERIFY(t.View.MenuOn[Menu::MnuPlay] && t.View.MenuOn[Menu::MnuOptions]);
        QCOMPARE(TableProblem(t.Frm), QString());
        for (int n = 1; n <= 52; ++n)
            if (t.Frm.Cards(n).Place == Where::PlayerHand)
                QCOMPARE(t.View.Image[n], n); // face up once the deal ends
    }

    void dealerAlternatesAndNewHandKeepsWhatItShould() {
        TestTable t(8);
        t.Run([&] { t.Frm.Form_Load(); });
        t.Run([&] { t.Frm.Cds_Click(1); });
        t.Frm.PlayerScore = 40;
        t.Frm.OppScore = 30;
        t.Frm.SortBySuit = true;
        t.Frm.PlayerGamesWon = 3;
        t.View.Sounds.clear();
        t.Run([&] { t.Frm.NewHand(); }); // inside the game: the player deals, Dorvil plays first
        QCOMPARE(Count(t.View.Sounds, Sound::Shuffle), 0);
        QCOMPARE(int(t.Frm.PlayerScore), 40);
        QCOMPARE(int(t.Frm.OppScore), 30);
        QVERIFY(t.Frm.SortBySuit);
        QCOMPARE(int(t.Frm.PlayerGamesWon), 3);
        QVERIFY(!t.Frm.PlayerDeals); // toggled by the deal
        QVERIFY(t.Frm.PlayerTurn);   // Dorvil has played and handed over
        for (int k = 12; k <= 52; ++k)
            QCOMPARE(t.Frm.OppCards(k).Card, -1); // cleared by the reset, never written since
        QCOMPARE(TableProblem(t.Frm), QString());
        t.Frm.GameOver = true;
        t.Run([&] { t.Frm.NewHand(); });
        QCOMPARE(int(t.Frm.PlayerScore), 0);
        QCOMPARE(int(t.Frm.OppScore), 0);
        QCOMPARE(Count(t.View.Sounds, Sound::Shuffle), 0); // a game already under way
    }

    void newGameAtStartUpDealsAtOnce() {
        TestTable t;
        t.Run([&] { t.Frm.Form_Load(); });
        t.Run([&] { t.Frm.MnuNew_Click(); });
        QVERIFY(t.View.Messages.empty());
        QCOMPARE(Count(t.View.Sounds, Sound::Shuffle), 2);
        QCOMPARE(t.Frm.StockCount, 31);
    }

    void newGameQuestion_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<bool>("restarted");
        QTest::newRow("New Game") << 0 << true;
        QTest::newRow("Oops No") << 1 << false;
    }
    void newGameQuestion() {
        QFETCH(int, choice);
        QFETCH(bool, restarted);
        TestTable t(3);
        t.Run([&] { t.Frm.Form_Load(); });
        t.Run([&] { t.Frm.Cds_Click(1); });
        t.Frm.PlayerScore = 55;
        int face = t.Frm.FaceCard;
        int serial = t.Frm.HandSerial;
        t.View.Answers = {choice};
        t.Run([&] { t.Frm.MnuNew_Click(); });
        QCOMPARE(t.View.Messages.back().Title, QStringLiteral("Really New Game?"));
        QCOMPARE(t.View.Messages.back().Text,
                 QStringLiteral("Player you are in the middle of a game, are  you sure you wish to "
                                "start a new one?"));
        QCOMPARE(t.View.Messages.back().Caption1, QStringLiteral("Oops No"));
        QCOMPARE(t.Frm.HandSerial != serial, restarted);
        QCOMPARE(int(t.Frm.PlayerScore), restarted ? 0 : 55);
        if (!restarted) QCOMPARE(t.Frm.FaceCard, face);
        QCOMPARE(TableProblem(t.Frm), QString());
    }

    void exitAndClose_data() {
        QTest::addColumn<bool>("inGame");
        QTest::addColumn<bool>("fromFrame");
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("questions");
        QTest::addColumn<bool>("closed");
        QTest::newRow("menu, no game") << false << false << 0 << 0 << true;
        QTest::newRow("menu, in game, yes") << true << false << 0 << 1 << true;
        QTest::newRow("menu, in game, continue") << true << false << 1 << 1 << false;
        QTest::newRow("frame, no game, yes") << false << true << 0 << 1 << true;
        QTest::newRow("frame, no game, continue") << false << true << 1 << 1 << false;
        QTest::newRow("frame, in game, continue") << true << true << 1 << 1 << false;
    }
    void exitAndClose() {
        QFETCH(bool, inGame);
        QFETCH(bool, fromFrame);
        QFETCH(int, choice);
        QFETCH(int, questions);
        QFETCH(bool, closed);
        TestTable t;
        t.Run([&] { t.Frm.Form_Load(); });
        t.Frm.GameInPlay = inGame;
        t.View.Answers = {choice};
        bool cancel = false;
        t.Run([&] {
            if (fromFrame)
                cancel = t.Frm.Form_QueryUnload(0);
            else
                t.Frm.MnuExit_Click();
        });
        QCOMPARE(int(t.View.Messages.size()), questions);
        QCOMPARE(t.View.Closed, closed);
        QCOMPARE(t.Frm.Closing, closed);
        if (fromFrame) QCOMPARE(cancel, !closed);
        if (questions) QCOMPARE(t.View.Messages[0].Caption1, QStringLiteral("Continue Game"));
        QVERIFY(!t.View.Following);
    }

    // The program or the desktop closing the window asks nothing, and closes
    // down as Exit does, also in the middle of a game.
    void programClosingAsksNothing() {
        TestTable t;
        t.Run([&] { t.Frm.Form_Load(); });
        t.Frm.GameInPlay = true;
        bool cancel = true;
        t.Run([&] { cancel = t.Frm.Form_QueryUnload(1); });
        QVERIFY(!cancel);
        QVERIFY(t.View.Messages.empty());
        QVERIFY(t.Frm.Closing);
        QVERIFY(t.View.Closed);
    }

    void callDrawStartsANewGameAndSavesNothing() {
        TestTable t(4);
        t.Run([&] { t.Frm.Form_Load(); });
        t.Run([&] { t.Frm.Cds_Click(1); });
        t.Frm.PlayerScore = 70;
        t.Frm.OppScore = 20;
        t.Frm.PlayerGamesWon = 2;
        t.View.Shown[Ctl::PicDraw] = true;
        t.Run([&] { t.Frm.LblDraw_Click(); });
        QCOMPARE(t.View.Messages[0].Title, QStringLiteral("New Game"));
        QCOMPARE(t.View.Messages[0].Caption0, QStringLiteral("O.K"));
        QCOMPARE(int(t.Frm.PlayerScore), 0);
        QCOMPARE(int(t.Frm.OppScore), 0);
        QCOMPARE(int(t.Frm.PlayerGamesWon), 2);
        QVERIFY(!t.View.Shown[Ctl::PicDraw]);
        QVERIFY(!QFile::exists(t.Program + "/Scores.dat"));
        QCOMPARE(TableProblem(t.Frm), QString());
    }

    // A kept pack dealt again: the non-dealer's ten from the front, one each
    // in turn, the face card, then the stock in the pack's order; the
    // practice ends where the next hand would be dealt, and saves nothing.
    void practiceDealsTheKeptPack_data() {
        QTest::addColumn<bool>("playerDeals");
        QTest::newRow("Dorvil deals") << false;
        QTest::newRow("the player deals, Dorvil plays first") << true;
    }
    void practiceDealsTheKeptPack() {
        QFETCH(bool, playerDeals);
        TestTable t(6);
        t.Run([&] { t.Frm.Form_Load(); });
        t.Run([&] { t.Frm.Cds_Click(1); });
        std::vector<int> pack;
        for (int i = 0; i < 52; ++i)
            pack.push_back(i * 5 % 52 + 1);
        t.Run([&] { t.Frm.DealPractice(pack, playerDeals); });
        QVERIFY(t.Frm.Practice);
        QVERIFY(t.Frm.PlayerTurn);
        Rules::Mask expected = 0;
        for (int i = playerDeals ? 1 : 0; i < 20; i += 2)
            expected |= Rules::Bit(pack[i]);
        QCOMPARE(t.Frm.CardsAt(Where::PlayerHand), expected);
        if (!playerDeals) {
            QCOMPARE(t.Frm.FaceCard, pack[20]);
            t.Run([&] { t.Frm.TakeStockCard(); });
            QCOMPARE(t.Frm.Cards(pack[21]).Place, Where::PlayerHand);
        }
        t.Run([&] { t.Frm.ErasePoints(); });
        const int serial = t.Frm.HandSerial;
        t.View.Answers = {0}; // New Game
        t.Run([&] { t.Frm.MnuNew_Click(); });
        QVERIFY(t.Frm.Practice && t.Frm.HandOver);
        QVERIFY(t.Frm.HandSerial != serial); // what waited on the practice hand stops
        QCOMPARE(t.View.Messages.size(), size_t(1));
        QVERIFY(!QFile::exists(t.Program + "/Scores.dat"));
    }

    void netMoneyOwed_data() {
        QTest::addColumn<int>("player");
        QTest::addColumn<int>("dorvil");
        QTest::addColumn<int>("playerAfter");
        QTest::addColumn<int>("dorvilAfter");
        QTest::newRow("Dorvil owed more") << 30 << 80 << 0 << 50;
        QTest::newRow("player owed more") << 80 << 30 << 50 << 0;
        QTest::newRow("equal") << 40 << 40 << 40 << 40;
        QTest::newRow("nothing") << 0 << 0 << 0 << 0;
    }
    void netMoneyOwed() {
        QFETCH(int, player);
        QFETCH(int, dorvil);
        QFETCH(int, playerAfter);
        QFETCH(int, dorvilAfter);
        TestTable t;
        t.Frm.PlayerMoney = static_cast<int16_t>(player);
        t.Frm.OppMoney = static_cast<int16_t>(dorvil);
        t.Frm.NetMoneyOwed();
        QCOMPARE(int(t.Frm.PlayerMoney), playerAfter);
        QCOMPARE(int(t.Frm.OppMoney), dorvilAfter);
        QCOMPARE(t.View.Texts[Ctl::LblMoneyG],
                 QStringLiteral("$0.%1").arg(dorvilAfter, 2, 10, QLatin1Char('0')));
    }

    void handPoints_data() {
        QTest::addColumn<QList<int>>("hand");
        QTest::addColumn<int>("points");
        QTest::newRow("ace, ten and the court") << QList<int>{1, 10, 11, 12, 13} << 47;
        QTest::newRow("king of spades, ace of hearts") << QList<int>{52, 27} << 14;
        QTest::newRow("empty hand") << QList<int>{} << 0;
    }
    void handPoints() {
        QFETCH(QList<int>, hand);
        QFETCH(int, points);
        TestTable t;
        t.Frm.SetItUp();
        for (int n : hand)
            t.Frm.Cards(n).Place = Where::PlayerHand;
        t.Frm.CountHandPoints();
        QCOMPARE(t.Frm.PlayerHandPoints, points);
        QCOMPARE(t.View.Panels[4], QString::number(points) + " Points in your hand");
    }

    void drawsComeOnlyFromTheStockAndCard52AtHalfWeight() {
        TestTable t(2024);
        t.Frm.SetItUp();
        for (int n = 1; n <= 52; n += 3)
            t.Frm.Cards(n).Place = Where::PlayerHand;
        for (int i = 0; i < 2000; ++i)
            QCOMPARE(t.Frm.Cards(t.Frm.GetSingleCard()).Place, Where::Stock);
        t.Frm.SetItUp();
        std::array<int, 53> drawn{};
        const int draws = 520000;
        for (int i = 0; i < draws; ++i)
            ++drawn[static_cast<size_t>(t.Frm.GetSingleCard())];
        QCOMPARE(drawn[0], 0);
        double others = 0;
        for (int n = 1; n <= 51; ++n)
            others += drawn[static_cast<size_t>(n)];
        double ratio = drawn[52] / (others / 51);
        // About 10,000 draws per card: the half weight stands out by far more than chance.
        QVERIFY2(ratio > 0.45 && ratio < 0.55, qPrintable(QString::number(ratio)));
        for (int n = 1; n <= 51; ++n)
            QVERIFY(std::abs(drawn[static_cast<size_t>(n)] / (others / 51) - 1) < 0.06);
    }

    void emptyStockGivesNoCardInsteadOfHanging() {
        TestTable t;
        t.Frm.SetItUp();
        for (int n = 1; n <= 52; ++n)
            t.Frm.Cards(n).Place = Where::Discard;
        QCOMPARE(t.Frm.GetSingleCard(), 0);
    }

    void rebuildWithOnlyTheFaceCardMovesNothing() {
        TestTable t;
        t.Frm.SetItUp();
        for (int n = 1; n <= 52; ++n)
            t.Frm.Cards(n).Place = Where::PlayerHand;
        t.Frm.Cards(9).Place = Where::Discard;
        t.Frm.FaceCard = 9;
        t.Frm.StockCount = 0;
        t.Run([&] { t.Frm.RebuildStock(); });
        QCOMPARE(t.Frm.StockCount, 0);
        QVERIFY(t.View.Shown[Ctl::PicDraw]);
        QCOMPARE(t.View.Messages[0].Title, QStringLiteral("Replacing Stock"));
        QCOMPARE(
            t.View.Messages[0].Text,
            QStringLiteral("Stock is empty so replacing with all Discard cards except face card"));
    }
};

QTEST_GUILESS_MAIN(TestTable_)
#include "tst_table.moc"
