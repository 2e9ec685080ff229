// Sharp Dorvil: his choices depend on nothing he cannot see; his judgement on
// telling positions; whole hands played soundly; a command in the middle of
// his turn; and the Options menu's choice, remembered and shown.
#include "GreedyPlayer.h"
#include "SelfPlay.h"
#include "Sharp.h"
#include "TestView.h"
#include "window/DorvilOption.h"
#include "window/MainWindow.h"
#include "window/UserSettings.h"

#include <QLabel>
#include <QMenuBar>
#include <QStandardPaths>
#include <QtTest>
#include <deque>
#include <memory>

namespace {

int Card(const char* text) {
    static const QString ranks = QStringLiteral("A23456789TJQK");
    QString t = QString::fromLatin1(text).replace(QStringLiteral("10"), QStringLiteral("T"));
    return static_cast<int>(QStringLiteral("DCHS").indexOf(t.back())) * 13 +
           static_cast<int>(ranks.indexOf(t.front())) + 1;
}

QList<int> Cards(const QString& text) {
    QList<int> cards;
    for (const QString& word : text.split(' ', Qt::SkipEmptyParts))
        cards << Card(word.toLatin1().constData());
    return cards;
}

// A table whose stock yields `draws` first, then cards of its own seed.
struct DrawnTable {
    QTemporaryDir Dir;
    TestView View;
    std::shared_ptr<std::deque<int>> Draws;
    FrmMain Frm;
    DrawnTable(const QList<int>& draws, uint64_t seed)
        : Draws(std::make_shared<std::deque<int>>(draws.begin(), draws.end())),
          Frm(View, TableSettings{Dir.path(), Dir.path(), [d = Draws, r = MakeRandomSource(seed)] {
                                      if (d->empty()) return r();
                                      int k = d->front();
                                      d->pop_front();
                                      return (k == 52 ? 51.75 : k) / 52.0;
                                  }}) {}
};

// A hand in play, with complete melds in the first columns, for Sharp Dorvil.
void Lay(FrmMain& f, TestView& view, const QList<int>& player, const QList<int>& dorvil, int face,
         const QList<QList<int>>& columns) {
    LayHand(f, view, player, dorvil, face);
    for (int c = 1; c <= columns.size(); ++c) {
        MeldColumn& m = f.Melds(c);
        const QList<int>& cards = columns[c - 1];
        for (int n : cards) {
            f.Cards(n).Place = Where::InMeld;
            f.Cards(n).InColumn(c) = true;
            m.Slot(++m.Count) = n;
        }
        f.StockCount -= static_cast<int>(cards.size());
        m.InUse = m.Done = true;
        m.IsSet = f.Cards(cards[0]).Rank == f.Cards(cards[1]).Rank;
        m.IsRun = !m.IsSet;
        m.RunSuit = f.Cards(cards[0]).Suit;
        f.LayOutColumn(c);
    }
    f.LayOutStock();
    f.DorvilChosen = f.DorvilAtTable = true;
}

void Drop(FrmMain& f, TestView& view, int n, int left, int top) {
    f.Dispatch([&] { f.Cds_MouseDown(n); });
    view.MoveCard(n, left, top);
    f.Dispatch([&] { f.Cds_MouseUp(n); });
}

QStringList DorvilsPlay(const TestView& view) {
    QStringList play;
    for (const TableEvent& e : view.Events)
        if (e.ByDorvil)
            play << QStringLiteral("%1 %2 %3").arg(int(e.What)).arg(e.Card).arg(e.Column);
    return play;
}

} // namespace

class TestSharp : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Two tables alike in all Dorvil can see, but not in the player's hidden
    // cards, in the card the player drew, or in the stock: he plays alike.
    void choicesDependOnlyOnWhatHeSees_data() {
        QTest::addColumn<QString>("dorvil");
        QTest::addColumn<QString>("hiddenA");
        QTest::addColumn<QString>("hiddenB");
        QTest::addColumn<QString>("dorvilDraws");
        QTest::addColumn<QString>("table");
        // The player holds 2C and 9H in both tables, draws a hidden card and
        // discards the 9H, which Dorvil may take.
        QTest::newRow("the face card completes a run") << "7H 8H 3S 4S KC QD 2D JS 5C AD"
                                                       << "KD QS 5D 6D 3C 7C 10D 8C"
                                                       << "6C 7S 9S 10C AS 4D 9D 2S"
                                                       << "6H"
                                                       << "";
        QTest::newRow("a stock card, melds and lay-offs") << "4D 5D 6D 7D JC JH 2S KS 9C 3H"
                                                          << "AH 2H 10S 4S 8S 5S 6S QH"
                                                          << "KH QS 4C 5C AS 3C 8C 10C"
                                                          << "JS"
                                                          << "8D 9D 10D";
        QTest::newRow("a discard among near cards") << "2D 4D 6C 8C 10S QS KH 5S 3H AC"
                                                    << "7C 7S 9D 9S 4H 4S JD QD"
                                                    << "JC 10C 5D 6D 2H 5H 3S KC"
                                                    << "KD"
                                                    << "";
    }
    void choicesDependOnlyOnWhatHeSees() {
        QFETCH(QString, dorvil);
        QFETCH(QString, hiddenA);
        QFETCH(QString, hiddenB);
        QFETCH(QString, dorvilDraws);
        QFETCH(QString, table);
        QList<QList<int>> columns;
        if (!table.isEmpty()) columns << Cards(table);
        const int playerDraw[2] = {Cards(hiddenA).takeLast(), Cards(hiddenB).takeLast()};
        QStringList play[2];
        Sharp::DorvilSees seen[2];
        for (int i = 0; i < 2; ++i) {
            QList<int> hidden = Cards(i == 0 ? hiddenA : hiddenB);
            hidden.removeLast(); // drawn from the stock by the player
            DrawnTable t({playerDraw[i], Card(dorvilDraws.toLatin1().constData())}, 17 + i * 1000);
            Lay(t.Frm, t.View, hidden + Cards("2C 9H"), Cards(dorvil), Card("QC"), columns);
            int stock = 1;
            while (t.Frm.Cards(stock).Place != Where::Stock)
                ++stock;
            t.Frm.Dispatch([&] { t.Frm.Cds_MouseDown(stock); });
            QCOMPARE(t.Frm.Cards(playerDraw[i]).Place, Where::PlayerHand);
            t.View.DuringPause = [&](int) {
                if (t.Frm.OppTurn && seen[i].Hand.empty()) seen[i] = t.Frm.WhatDorvilSees();
            };
            Drop(t.Frm, t.View, Card("9H"), 1000, 5500);
            play[i] = DorvilsPlay(t.View);
            QCOMPARE(TableProblem(t.Frm), QString());
            QVERIFY(t.Frm.PlayerTurn || t.Frm.HandOver);
        }
        QVERIFY(!play[0].isEmpty());
        QVERIFY(seen[0] == seen[1]);
        QCOMPARE(play[0], play[1]);
    }

    void choices_data() {
        QTest::addColumn<QString>("hand");
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("table");
        QTest::addColumn<bool>("madeMeld");
        QTest::addColumn<QString>("playerTook");
        QTest::addColumn<bool>("takesFace");
        QTest::addColumn<QString>("firstStep");
        QTest::addColumn<QString>("discard");
        QTest::newRow("the face card makes three of a kind") << "7C 7H 2D 9S KD JC 4H 5S 10D QC"
                                                             << "7S"
                                                             << "" << false << "" << true << "-"
                                                             << "KD";
        QTest::newRow("a face card of no use") << "7C 7H 2D 9S KD JC 4H 5S 10D QC"
                                               << "AS"
                                               << "" << false << "" << false << "-"
                                               << "KD";
        QTest::newRow("a meld of his own before laying off")
            << "3H 4H 5H 9C KD JS 2S"
            << "AC"
            << "6C 7C 8C" << false << "" << false << "3H 4H 5H"
            << "KD";
        QTest::newRow("a run laid off from its end, once he has melded")
            << "3C 4C 5C 2D KD JS"
            << "AS"
            << "6C 7C 8C" << true << "" << false << "5C"
            << "KD";
        QTest::newRow("no lay-off before his first meld")
            << "9C 2D KD JS QH"
            << "AS"
            << "6C 7C 8C" << false << "" << false << "-"
            << "KD";
        QTest::newRow("the king the player waits for stays")
            << "KD 9S 2H 6C JH"
            << "AS"
            << "" << false << "KS KH" << false << "-"
            << "JH";
        QTest::newRow("his last card goes out") << "QS"
                                                << "AS"
                                                << "" << true << "" << false << "-"
                                                << "QS";
    }
    void choices() {
        QFETCH(QString, hand);
        QFETCH(QString, face);
        QFETCH(QString, table);
        QFETCH(bool, madeMeld);
        QFETCH(QString, playerTook);
        QFETCH(bool, takesFace);
        QFETCH(QString, firstStep);
        QFETCH(QString, discard);
        Sharp::DorvilSees s;
        for (int n : Cards(hand))
            s.Hand.push_back(n);
        std::sort(s.Hand.begin(), s.Hand.end());
        if (!table.isEmpty()) {
            for (int n : Cards(table))
                s.Columns[0].Cards.push_back(n);
            s.Columns[0].Done = s.Columns[0].IsRun = true;
        }
        for (int n : Cards(playerTook))
            s.RivalTook.push_back(n);
        s.Pile.push_back({Card(face.toLatin1().constData()), false});
        s.RivalCount = 10;
        s.StockCount = 20;
        s.MadeMeld = madeMeld;
        QCOMPARE(Sharp::TakesFaceCard(s), takesFace);
        std::optional<Sharp::MeldStep> step = Sharp::NextMeldStep(s);
        QStringList laid;
        if (step)
            for (int n : step->Cards)
                laid << QString::number(n);
        QStringList wanted;
        if (firstStep != "-")
            for (int n : Cards(firstStep))
                wanted << QString::number(n);
        QCOMPARE(laid, wanted);
        if (!step) QCOMPARE(Sharp::ChooseDiscard(s), Card(discard.toLatin1().constData()));
    }

    // Whole hands against the greedy player: the table stays sound after
    // every turn, the rules of the columns hold, and hands end.
    void wholeHandsAgainstTheGreedyPlayer() {
        TestTable t(5);
        t.Run([&] { t.Frm.Form_Load(); });
        t.Frm.DorvilChosen = true;
        t.Run([&] { t.Frm.Cds_Click(1); });
        QVERIFY(t.Frm.DorvilAtTable);
        t.Frm.DorvilChosen = false; // a change in the middle of a hand waits for the next
        int hands = 0, turns = 0;
        for (int serial = t.Frm.HandSerial; hands < 40 && turns < 5000; ++turns) {
            if (t.Frm.HandSerial != serial) {
                serial = t.Frm.HandSerial, ++hands;
                QCOMPARE(t.Frm.DorvilAtTable, hands != 1); // the second hand is Classic's
                t.Frm.DorvilChosen = true;
            }
            QVERIFY(t.Frm.PlayerTurn && !t.Frm.PlayerHasDrawn);
            const bool face = Greedy::TakesFaceCard(t.Frm);
            int take = face ? t.Frm.FaceCard : 0;
            for (int n = 1; n <= 52 && !take; ++n)
                if (t.Frm.Cards(n).Place == Where::Stock) take = n;
            t.Run([&] { t.Frm.Cds_MouseDown(take ? take : t.Frm.FaceCard); });
            for (int k = 0; k < 30 && t.Frm.HandSerial == serial; ++k) {
                std::optional<Greedy::Drop> d = Greedy::NextDrop(t.Frm);
                if (!d || d->Card == 0) break;
                Drop(t.Frm, t.View, d->Card, 3000 + 1300 * (d->Column - 1), 4000);
            }
            if (t.Frm.HandSerial == serial)
                Drop(t.Frm, t.View, Greedy::ChooseDiscard(t.Frm), 1000, 5500);
            QCOMPARE(TableProblem(t.Frm), QString());
            for (int c = 1; c <= 6; ++c) {
                const MeldColumn& m = t.Frm.Melds(c);
                QVERIFY(!m.InUse || m.Done || !t.Frm.PlayerTurn);
                if (m.Done && m.IsSet) QVERIFY(m.Count <= 4);
                if (m.Done && m.IsRun) QCOMPARE(m.High - m.Low + 1, m.Count);
            }
        }
        QCOMPARE(hands, 40);
        int wonByDorvil = 0;
        for (const TableEvent& e : t.View.Events)
            wonByDorvil += e.What == TableEvent::HandWon && e.ByDorvil;
        QVERIFY(wonByDorvil > 10);
        QVERIFY(t.View.Errors.isEmpty());
    }

    // Self-play with every check of the table, against both players: the
    // random one also acts in the middle of his turns. The summary counts
    // the games each side won.
    void selfPlayAgainstEachPlayer_data() {
        QTest::addColumn<QString>("player");
        QTest::newRow("greedy") << "greedy";
        QTest::newRow("random") << "random";
    }
    void selfPlayAgainstEachPlayer() {
        QFETCH(QString, player);
        SelfPlay play(SelfPlayConfig{300, 4, QString(), player, true});
        bool sharp = true;
        play.ListenToTable([&](const TableEvent&) { sharp = sharp && play.Table()->DorvilAtTable; });
        const SelfPlayResult r = play.Run();
        QCOMPARE(r.FaultReport, QString());
        QVERIFY(sharp);
        QCOMPARE(r.GamesWonByPlayer + r.GamesWonByDorvil, r.Games);
        QVERIFY(r.GamesWonByDorvil > r.GamesWonByPlayer);
        QVERIFY(SummaryLine(r).endsWith(
            QStringLiteral(" hands/s, %1 won by the player, %2 won by Dorvil")
                .arg(r.GamesWonByPlayer)
                .arg(r.GamesWonByDorvil)));
    }

    // New Game chosen in one of his pauses: his turn stops, the new hand is whole.
    void newGameInTheMiddleOfHisTurn() {
        TestTable t(11);
        t.Run([&] { t.Frm.Form_Load(); });
        t.Frm.DorvilChosen = true;
        t.Run([&] { t.Frm.Cds_Click(1); });
        t.Run([&] { t.Frm.Cds_MouseDown(t.Frm.FaceCard); });
        const int start = t.Frm.HandSerial;
        int pauses = 0;
        t.View.DuringPause = [&](int) {
            if (!t.Frm.OppTurn || ++pauses != 3) return;
            t.View.Answers = {0};
            t.Frm.Dispatch([&] { t.Frm.MnuNew_Click(); });
        };
        Drop(t.Frm, t.View, Greedy::ChooseDiscard(t.Frm), 1000, 5500);
        QVERIFY(pauses >= 3);
        QVERIFY(t.Frm.HandSerial != start);
        QCOMPARE(TableProblem(t.Frm), QString());
        QVERIFY(t.Frm.PlayerTurn && !t.Frm.PlayerHasDrawn);
        QCOMPARE(t.Frm.PlayerCount, 10);
    }

    // The Options menu: Classic unless chosen otherwise, the choice kept in
    // the user's configuration, Dorvil changing only at the next deal, and
    // the note under his name.
    void optionTakesEffectAtTheNextHand() {
        UserSettings().remove(QStringLiteral("Options/DorvilPlays"));
        QTemporaryDir dir;
        auto window =
            std::make_unique<MainWindow>(dir.path(), QStringLiteral("/nonexistent/deck.svgz"));
        FrmMain game(*window, TableSettings{dir.path(), dir.path(), MakeRandomSource(3)});
        window->Attach(&game);
        game.Dispatch([&] { game.Form_Load(); });
        auto* classic = window->findChild<QAction*>("MnuDorvilClassic");
        auto* sharp = window->findChild<QAction*>("MnuDorvilSharp");
        auto* note = window->findChild<QLabel*>("LblDorvilPlays");
        QVERIFY(classic && sharp && note);
        QCOMPARE(classic->text(), QStringLiteral("Dorvil Plays C&lassic"));
        QCOMPARE(sharp->text(), QStringLiteral("Dorvil Plays &Sharp"));
        QVERIFY(classic->isChecked() && !sharp->isChecked() && !game.DorvilChosen);
        QVERIFY(note->isHidden());
        QWidget* stats = window->findChild<QWidget*>("FramStats");
        QCOMPARE(stats->toolTip(), QStringLiteral("Dorvil plays Classic"));
        game.SeatDorvil(); // as the deal of a hand does: Classic plays it
        sharp->trigger();
        QVERIFY(!classic->isChecked() && game.DorvilChosen && !game.DorvilAtTable);
        QCOMPARE(note->text(), QStringLiteral("Sharp from the next hand"));
        QCOMPARE(stats->toolTip(),
                 QStringLiteral("Dorvil plays Classic; Sharp from the next hand"));
        QCOMPARE(UserSettings().value("Options/DorvilPlays").toString(), QStringLiteral("Sharp"));
        game.SeatDorvil();
        QVERIFY(game.DorvilAtTable);
        QCOMPARE(note->text(), QStringLiteral("Sharp"));
        QVERIFY(!note->isHidden());
        classic->trigger();
        QVERIFY(game.DorvilAtTable);
        QCOMPARE(note->text(), QStringLiteral("Sharp; Classic from the next hand"));
        QCOMPARE(stats->toolTip(),
                 QStringLiteral("Dorvil plays Sharp; Classic from the next hand"));
        sharp->trigger();
        window.reset();
        MainWindow again(dir.path(), QStringLiteral("/nonexistent/deck.svgz"));
        FrmMain next(again, TableSettings{dir.path(), dir.path(), MakeRandomSource(3)});
        again.Attach(&next);
        QVERIFY(next.DorvilChosen);
        QVERIFY(again.findChild<QAction*>("MnuDorvilSharp")->isChecked());
        QCOMPARE(again.findChild<QLabel*>("LblDorvilPlays")->text(), QStringLiteral("Sharp"));
        UserSettings().remove(QStringLiteral("Options/DorvilPlays"));
    }
};

QTEST_MAIN(TestSharp)
#include "tst_sharp.moc"
