// The player's turn: the pointer guards, taking a card, the drop targets, the
// hover hints, the hand layouts, and a long random play that must never lose
// or duplicate a card.
#include "DropAreas.h"
#include "TestView.h"

#include <QRandomGenerator>
#include <QtTest>

class TestPlayer : public QObject {
    Q_OBJECT
  private slots:
    void pressGuards_data() {
        QTest::addColumn<int>("card");
        QTest::addColumn<bool>("playerTurn");
        QTest::addColumn<bool>("drawn");
        QTest::addColumn<QString>("outcome");
        // hand 1 2 3, Dorvil 20 21, face 30, card 45 in a meld, 50 in the stock
        QTest::newRow("melded card") << 45 << true << false << "nothing";
        QTest::newRow("Dorvil's card") << 20 << true << false << "nothing";
        QTest::newRow("not the player's turn") << 30 << false << false << "nothing";
        QTest::newRow("hand card before drawing") << 2 << true << false << "nothing";
        QTest::newRow("stock after drawing") << 50 << true << true << "nothing";
        QTest::newRow("face card after drawing") << 30 << true << true << "nothing";
        QTest::newRow("face card") << 30 << true << false << "takes face";
        QTest::newRow("stock card") << 50 << true << false << "draws";
        QTest::newRow("hand card after drawing") << 2 << true << true << "drags";
    }
    void pressGuards() {
        QFETCH(int, card);
        QFETCH(bool, playerTurn);
        QFETCH(bool, drawn);
        QFETCH(QString, outcome);
        TestTable t;
        LayHand(t, {1, 2, 3}, {20, 21}, 30);
        t.Frm.Cards(45).Place = Where::InMeld;
        t.Frm.Cards(45).InColumn(1) = true;
        t.Frm.Melds(1).Count = 1;
        --t.Frm.StockCount;
        t.Frm.PlayerTurn = playerTurn;
        t.Frm.PlayerHasDrawn = drawn;
        bool acted = true;
        t.Run([&] { acted = t.Frm.Cds_MouseDown(card); });
        QCOMPARE(acted, outcome != "nothing");
        QCOMPARE(t.Frm.PlayerCount, outcome == "takes face" || outcome == "draws" ? 4 : 3);
        QCOMPARE(t.View.Following, outcome == "drags");
        if (outcome == "takes face") QCOMPARE(t.Frm.Cards(30).Place, Where::PlayerHand);
        QCOMPARE(TableProblem(t.Frm), QString());
    }

    void takingTheFaceCardPassesThreePoints() {
        TestTable t;
        LayHand(t, {1, 2, 3}, {20, 21}, 30);
        std::vector<std::pair<int, int>> seen;
        t.View.DuringPause = [&](int) { seen.push_back({t.View.Left[30], t.View.Top[30]}); };
        t.Run([&] { t.Frm.Cds_MouseDown(30); });
        QCOMPARE(seen,
                 (std::vector<std::pair<int, int>>{{1680, 5760}, {2760, 6960}, {3240, 7680}}));
        QCOMPARE(t.View.Pauses, (std::vector<int>{300, 300, 300}));
        QVERIFY(t.Frm.PlayerHasDrawn);
        QCOMPARE(t.View.Top[30], 7560);
        QCOMPARE(t.View.Texts[Ctl::LblInfo],
                 QStringLiteral("Player now make Melds if you wish and Discard a card."));
        QCOMPARE(t.View.Panels[4], QStringLiteral("10 Points in your hand"));
        QCOMPARE(t.Frm.AnimationPause, 120);
    }

    // A real pause lets further presses in while the taken card still moves.
    void pressesDuringTheAnimationTakeNothingMore_data() {
        QTest::addColumn<int>("first");
        QTest::newRow("face card first") << 30;
        QTest::newRow("stock first") << 50;
    }
    void pressesDuringTheAnimationTakeNothingMore() {
        QFETCH(int, first);
        TestTable t;
        LayHand(t, {1, 2, 3}, {20, 21}, 30);
        t.View.DuringPause = [&](int) {
            for (int n : {30, 50, 49, 1, 20}) {
                t.Frm.Dispatch([&] { t.Frm.Cds_MouseDown(n); });
                t.Frm.Dispatch([&] { t.Frm.Cds_MouseUp(n); });
                t.Frm.Dispatch([&] { t.Frm.Cds_Click(n); });
            }
        };
        t.Run([&] { t.Frm.Cds_MouseDown(first); });
        QCOMPARE(t.Frm.PlayerCount, 4);
        QCOMPARE(TableProblem(t.Frm), QString());
    }

    void lastStockCardRebuildsTheStock() {
        TestTable t;
        LayHand(t, {1, 2, 3}, {20, 21}, 30);
        // all but one stock card lie under the face card
        int left = 0;
        for (int n = 1; n <= 52; ++n)
            if (t.Frm.Cards(n).Place == Where::Stock && n != 52) {
                t.Frm.Cards(n).Place = Where::Discard;
                --t.Frm.StockCount;
                ++left;
            }
        QCOMPARE(t.Frm.StockCount, 1);
        t.Run([&] { t.Frm.Cds_MouseDown(52); });
        QCOMPARE(t.Frm.Cards(52).Place, Where::PlayerHand);
        QCOMPARE(t.View.Messages.size(), size_t(1));
        QCOMPARE(t.View.Messages[0].Caption0, QStringLiteral("O.K."));
        QCOMPARE(t.View.Messages[0].Icon, 2);
        QCOMPARE(t.Frm.StockCount, left);
        QCOMPARE(t.View.Texts[Ctl::Lblcardsleft], QStringLiteral("In Stock:- %1").arg(left));
        QCOMPARE(t.Frm.Cards(30).Place, Where::Discard); // the face card stays
        QVERIFY(t.View.Shown[Ctl::PicDraw]);
        QCOMPARE(TableProblem(t.Frm), QString());
    }

    void dropTargets_data() {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("discard pile") << 700 << 5200 << "discard";
        QTest::newRow("discard, left edge") << 240 << 5200 << "back";
        QTest::newRow("discard, top edge") << 700 << 4560 << "back";
        QTest::newRow("column 1") << 2500 << 3000 << "column 1";
        QTest::newRow("column 1 past the line") << 3700 << 3000 << "column 1";
        QTest::newRow("column 2") << 3840 << 3000 << "column 2";
        QTest::newRow("column 3") << 5000 << 3000 << "column 3";
        QTest::newRow("column 6") << 10000 << 6500 << "column 6";
        QTest::newRow("on the 4920 line") << 4920 << 3000 << "back";
        QTest::newRow("on the 8880 line") << 8880 << 3000 << "back";
        QTest::newRow("meld area left edge") << 2400 << 3000 << "back";
        QTest::newRow("below the meld area") << 5000 << 6600 << "back";
        QTest::newRow("in the hand row") << 5000 << 7560 << "back";
        // Where the keys and the self-play's players let a card go.
        const QPoint pile = DropAreas::DiscardPoint;
        QTest::newRow("the pile's drop point") << pile.x() << pile.y() << "discard";
        for (int c = 1; c <= 6; ++c) {
            const QPoint at = DropAreas::ColumnPoint(c);
            QTest::addRow("column %d's drop point", c)
                << at.x() << at.y() << QString("column %1").arg(c);
        }
    }
    void dropTargets() {
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(QString, outcome);
        TestTable t;
        LayHand(t, {7, 20, 33}, {2, 3}, 46);
        t.Frm.PlayerHasDrawn = true;
        t.Run([&] { t.Frm.Cds_MouseDown(7); });
        QVERIFY(t.View.Following);
        t.View.MoveCard(7, left, top);
        t.Run([&] { t.Frm.Cds_MouseUp(7); });
        QVERIFY(t.Frm.DroppedBefore(7));
        QVERIFY(!t.View.Following);
        if (outcome == "discard") {
            QCOMPARE(t.Frm.Cards(7).Place, Where::Discard);
            QCOMPARE(t.View.Events[0].What, TableEvent::Discards);
            QCOMPARE(t.View.Events[0].Card, 7);
        } else if (outcome == "back") {
            QCOMPARE(t.Frm.Cards(7).Place, Where::PlayerHand);
            QCOMPARE(t.View.Top[7], 7560);
        } else {
            int c = outcome.back().digitValue();
            QVERIFY(t.Frm.Cards(7).InColumn(c));
            QCOMPARE(t.View.Left[7], QList<int>({2400, 3720, 5040, 6360, 7680, 9000})[c - 1]);
            QCOMPARE(t.View.Top[7], 2520);
        }
    }

    void hoverHints_data() {
        QTest::addColumn<int>("card");
        QTest::addColumn<bool>("inPlay");
        QTest::addColumn<bool>("playerTurn");
        QTest::addColumn<bool>("drawn");
        QTest::addColumn<int>("pointer");
        QTest::addColumn<QString>("tip");
        QTest::newRow("pack before the deal")
            << 50 << false << false << false << 54 << " click here to deal cards.";
        QTest::newRow("Dorvil's card")
            << 20 << true << true << false << 56 << " tut, tut, you cannot look at Dorvil;s cards.";
        QTest::newRow("hand, his turn")
            << 1 << true << false << false << 56 << " it is not your turn at present.";
        QTest::newRow("hand, not drawn")
            << 1 << true << true << false << 56 << " you must first take a card.";
        QTest::newRow("hand, drawn")
            << 1 << true << true << true << 55 << " push cards to a Meld or the Discard pile.";
        QTest::newRow("melded card")
            << 45 << true << true << true << 56
            << " you may only click on UpCarrd or Stock card - at  the right time.";
        QTest::newRow("face card")
            << 30 << true << true << false << 54 << " click to take a Discard card.";
        QTest::newRow("stock") << 50 << true << true << false << 54
                               << " click to take a Stock card.";
        QTest::newRow("stock, drawn")
            << 50 << true << true << true << 56 << " you have already taken a card this turn..";
        QTest::newRow("face card during Dorvil's turn")
            << 30 << true << false << true << 56 << " you have already taken a card this turn..";
    }
    void hoverHints() {
        QFETCH(int, card);
        QFETCH(bool, inPlay);
        QFETCH(bool, playerTurn);
        QFETCH(bool, drawn);
        QFETCH(int, pointer);
        QFETCH(QString, tip);
        TestTable t;
        LayHand(t, {1, 2, 3}, {20, 21}, 30);
        t.Frm.Cards(45).Place = Where::InMeld;
        t.Frm.GameInPlay = inPlay;
        t.Frm.PlayerTurn = playerTurn;
        t.Frm.PlayerHasDrawn = drawn;
        t.Frm.Cds_MouseMove(card);
        QCOMPARE(t.View.Pointer[card], pointer);
        QCOMPARE(t.View.Tip[card], "Player" + tip);
        t.Frm.HandOver = true;
        t.View.Tip[card].clear();
        t.Frm.Cds_MouseMove(card);
        QVERIFY(t.View.Tip[card].isEmpty());
    }

    void sortOrders_data() {
        QTest::addColumn<bool>("bySuit");
        QTest::addColumn<QList<int>>("order");
        // the four sevens (7, 20, 33, 46) and the aces of clubs and spades (14, 40)
        QTest::newRow("same ranks together") << false << QList<int>{14, 40, 7, 20, 33, 46};
        QTest::newRow("by suit") << true << QList<int>{7, 14, 20, 33, 40, 46};
    }
    void sortOrders() {
        QFETCH(bool, bySuit);
        QFETCH(QList<int>, order);
        TestTable t;
        LayHand(t, {46, 7, 40, 20, 14, 33}, {2}, 0);
        t.Frm.OppTurn = true; // sorting works during Dorvil's turn as well
        t.Run([&] { bySuit ? t.Frm.LblSortSuits_Click() : t.Frm.LblSortSame_Click(); });
        QCOMPARE(t.Frm.SortBySuit, bySuit);
        for (int k = 0; k < order.size(); ++k) {
            QCOMPARE(t.View.Left[order[k]], 3360 + 400 * k);
            QCOMPARE(t.View.Top[order[k]], 7560);
            QCOMPARE(t.View.Image[order[k]], order[k]);
        }
    }

    // An empty hand with a meld still open elsewhere: the notice, then the
    // open cards come back, and the hand goes on.
    void emptyHandWithAnOpenMeldTakesItBack() {
        TestTable t;
        LayHand(t, {}, {2, 3}, 0);
        MeldColumn& open = t.Frm.Melds(4);
        for (int n : {31, 32}) {
            t.Frm.Cards(n).Place = Where::InMeld;
            t.Frm.Cards(n).InColumn(4) = true;
            --t.Frm.StockCount;
        }
        open.InUse = open.IsRun = true;
        open.Count = 2;
        open.Slot(1) = 31;
        open.Slot(2) = 32;
        open.RunSuit = 7;
        t.Frm.LayOutColumn(4);
        t.Run([&] { t.Frm.CheckPlayerOut(); });
        QCOMPARE(t.View.Messages.size(), size_t(1));
        QCOMPARE(t.View.Messages[0].Title, QStringLiteral("Incomplete Meld"));
        QCOMPARE(t.View.Messages[0].Text,
                 QStringLiteral(" Sorry, you don't have a complete meld, please try again"));
        QCOMPARE(t.View.Messages[0].Icon, 4);
        QCOMPARE(t.Frm.PlayerCount, 2);
        QVERIFY(!t.Frm.Melds(4).InUse && !t.Frm.Melds(4).IsRun);
        QCOMPARE(t.Frm.Melds(4).RunSuit, -1);
        QVERIFY(!t.Frm.HandOver);
        QCOMPARE(TableProblem(t.Frm), QString());
    }

    void thirteenCardRunFitsItsColumn() {
        TestTable t;
        QList<int> hearts;
        for (int n = 27; n <= 39; ++n)
            hearts << n;
        LayHand(t, hearts + QList<int>{1}, {2}, 0);
        t.Frm.PlayerHasDrawn = true;
        for (int n : {33, 32, 34, 31, 35, 30, 36, 29, 37, 28, 38, 27, 39}) {
            t.Run([&] { t.Frm.Cds_MouseDown(n); });
            t.View.MoveCard(n, 5500, 3000);
            t.Run([&] { t.Frm.Cds_MouseUp(n); });
            QCOMPARE(t.Frm.Cards(n).Place, Where::InMeld);
        }
        const MeldColumn& m = t.Frm.Melds(3);
        QCOMPARE(m.Count, 13);
        QCOMPARE(m.Slot(13), 39);
        QCOMPARE(m.Low, 27);
        QCOMPARE(m.High, 39);
        QCOMPARE(t.View.Top[39], 2520 + 250 * 12);
        QCOMPARE(TableProblem(t.Frm), QString());
    }

    // The window lets the player act while a card still settles. Whatever is
    // pressed then must not take a second turn's move or someone else's cards.
    void movesWhileACardSettles_data() {
        QTest::addColumn<QString>("during");
        QTest::newRow("second discard while the first lands") << "second discard";
        QTest::newRow("take back while the third card lands") << "take back own meld";
        QTest::newRow("take back while Dorvil lays a meld") << "take back Dorvil's meld";
    }
    void movesWhileACardSettles() {
        QFETCH(QString, during);
        TestTable t;
        // The player holds 5D 5C 5H 9S; Dorvil 2H 3H 4H, KC QS KS.
        LayHand(t, {5, 18, 31, 48}, {28, 29, 30, 26, 51, 52}, 46);
        t.Frm.PlayerHasDrawn = true;
        auto drop = [&](int n, int left, int top) {
            t.Run([&] { t.Frm.Cds_MouseDown(n); });
            t.View.MoveCard(n, left, top);
            t.Run([&] { t.Frm.Cds_MouseUp(n); });
        };
        bool fired = false;
        t.View.DuringPause = [&](int) {
            if (fired) return;
            if (during == "second discard") {
                fired = true;
                drop(48, 700, 5200);
            } else if (during == "take back own meld" && t.Frm.Melds(1).Count == 3) {
                fired = true;
                t.Run([&] { t.Frm.LblTakeBack_Click(); });
            } else if (during == "take back Dorvil's meld" && t.Frm.Melds(1).Count == 1) {
                fired = true;
                t.View.SetVisible(Ctl::PicTakeBack, true); // left over from an earlier hand
                t.Run([&] { t.Frm.LblTakeBack_Click(); });
            }
        };
        if (during == "take back own meld")
            for (int n : {5, 18, 31})
                drop(n, 3000, 3000);
        else
            drop(during == "second discard" ? 5 : 48, 700, 5200);
        QVERIFY(fired);
        QCOMPARE(TableProblem(t.Frm), QString());
        if (during == "second discard") {
            QCOMPARE(t.Frm.Cards(48).Place, Where::PlayerHand);
            QCOMPARE(t.Frm.PlayerCount, 3);
        } else if (during == "take back own meld") {
            QVERIFY(t.Frm.Melds(1).Done);
            QCOMPARE(t.Frm.Melds(1).Count, 3);
        } else {
            QCOMPARE(t.Frm.PlayerCount, 3);
            for (int n : {28, 29, 30})
                QVERIFY(t.Frm.Cards(n).InColumn(1));
        }
    }

    // Random presses, drops anywhere and clicks on any card, with Dorvil
    // answering, over many deals: after every handler each card is in one place.
    void randomPlayKeepsEveryCard() {
        for (uint64_t seed = 1; seed <= 12; ++seed) {
            TestTable t(seed);
            QRandomGenerator pick(static_cast<quint32>(seed));
            t.Run([&] { t.Frm.Form_Load(); });
            t.Run([&] { t.Frm.Cds_Click(1); });
            for (int step = 0; step < 600 && !t.Frm.Closing; ++step) {
                int n = pick.bounded(1, 53);
                int what = pick.bounded(10);
                t.View.Answers = {pick.bounded(2), pick.bounded(2)};
                if (what < 4) {
                    t.Run([&] { t.Frm.Cds_MouseDown(n); });
                    t.View.MoveCard(n, pick.bounded(0, 11000), pick.bounded(1500, 8000));
                    t.Run([&] { t.Frm.Cds_MouseUp(n); });
                } else if (what < 7) {
                    t.Run([&] { t.Frm.Cds_MouseDown(n); });
                } else if (what == 7) {
                    t.Run([&] { t.Frm.Cds_Click(n); });
                } else if (what == 8) {
                    t.Run([&] { t.Frm.LblTakeBack_Click(); });
                } else {
                    t.Run([&] { t.Frm.LblSortSame_Click(); });
                }
                QString problem = TableProblem(t.Frm);
                QVERIFY2(
                    problem.isEmpty(),
                    qPrintable(
                        QStringLiteral("seed %1 step %2: %3").arg(seed).arg(step).arg(problem)));
            }
            QVERIFY(t.View.Errors.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestPlayer)
#include "tst_player.moc"
