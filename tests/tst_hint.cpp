// The hint: it depends on nothing the player cannot see; its rules agree
// with the table's; its judgement on telling positions; its sentences; the
// count of hints a hand; and whole hands played by it without a refused move.
#include "Hint.h"
#include "HintPlayer.h"
#include "Scenario.h"
#include "SelfPlay.h"
#include "TestView.h"

#include <QtTest>
#include <deque>
#include <memory>

namespace {

QList<int> Cards(const QString& text) {
    QList<int> cards;
    for (const QString& word : text.split(' ', Qt::SkipEmptyParts))
        cards << ParseCard(word);
    return cards;
}

std::vector<int> Sorted(const QString& text) {
    std::vector<int> cards;
    for (int n : Cards(text))
        cards.push_back(n);
    std::sort(cards.begin(), cards.end());
    return cards;
}

// Column c holds `cards`, placed in this order: complete from three cards on,
// open below, as the player's drops leave it.
void Column(FrmMain& f, int c, const QList<int>& cards) {
    MeldColumn& m = f.Melds(c);
    for (int n : cards) {
        if (f.Cards(n).Place == Where::Stock) --f.StockCount;
        f.Cards(n).Place = Where::InMeld;
        f.Cards(n).InColumn(c) = true;
        m.Slot(++m.Count) = n;
    }
    m.InUse = true;
    m.Done = cards.size() >= 3;
    if (cards.size() >= 2) {
        m.IsSet = f.Cards(cards[0]).Rank == f.Cards(cards[1]).Rank;
        m.IsRun = !m.IsSet;
        m.RunSuit = f.Cards(cards[0]).Suit;
    }
    f.LayOutColumn(c);
}

// A table whose stock yields `draws` first, then cards of its own seed.
struct DrawnTable {
    QTemporaryDir Dir;
    TestView View;
    FrmMain Frm;
    DrawnTable(const QList<int>& draws, uint64_t seed)
        : Frm(View,
              TableSettings{Dir.path(), Dir.path(),
                            [d = std::make_shared<std::deque<int>>(draws.begin(), draws.end()),
                             r = MakeRandomSource(seed)] {
                                if (d->empty()) return r();
                                const int k = d->front();
                                d->pop_front();
                                return (k == 52 ? 51.75 : k) / 52.0;
                            }}) {}
};

// Carries out an advice as the demo does: through the handlers the mouse calls.
void Carry(FrmMain& f, TestView& view, const Hint::Advice& advice) {
    const PlayerMove m = MoveFor(f, advice);
    if (m.What == Control::TakeBack) return f.Dispatch([&] { f.LblTakeBack_Click(); });
    if (m.What == Control::CallDraw) return f.Dispatch([&] { f.LblDraw_Click(); });
    if (m.What != Control::Card) return;
    f.Dispatch([&] { f.Cds_MouseDown(m.Card); });
    if (view.Following && view.FollowObject == m.Card) view.MoveCard(m.Card, m.Left, m.Top);
    f.Dispatch([&] { f.Cds_MouseUp(m.Card); });
}

} // namespace

class TestHint : public QObject {
    Q_OBJECT
  private slots:
    // Two tables alike in all the player can see, but not in Dorvil's cards
    // or in the stock beyond the card the player draws: the hint says the
    // same at every step of the turn it plays.
    void hintDependsOnlyOnWhatThePlayerSees_data() {
        QTest::addColumn<QString>("player");
        QTest::addColumn<QString>("dorvilA");
        QTest::addColumn<QString>("dorvilB");
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("table"); // one complete meld in column 1, or none
        QTest::addColumn<bool>("madeMeld");
        QTest::addColumn<QString>("draw");
        QTest::newRow("a meld and a discard") << "5H 6H 7H 2C 3C 9D KS 4D QD JC"
                                              << "2D 3D 8S 9C KC 5S 6S 10H JS AC"
                                              << "8H 9H 4H 4S QS QC 7C 7S 9S 10C"
                                              << "8C"
                                              << "AS 2S 3S" << false << "6D";
        QTest::newRow("lay-offs after a meld of his own") << "8H QC 2D 4C 9S KD 6C"
                                                          << "2H 3H 10D JD 5S 7S 9C AC 4D 3S"
                                                          << "9H 4H AC 5C 10C 2S 8S JD 6D 3D"
                                                          << "JS"
                                                          << "5H 6H 7H" << true << "8C";
        QTest::newRow("the face card for a run") << "5C 6C 2D 9D KH 3S JS 10H 4D QD"
                                                 << "2H 3H 8D JD 5S 7S 9C AC 4S 3C"
                                                 << "8C 9C 10C 4C 2C AH 8S 9S 6H 6S"
                                                 << "7C"
                                                 << "" << false << "KC";
        QTest::newRow("a discard among near cards") << "9S 10S 10D 8C 7H AD 2C 3H 4D 5S"
                                                    << "2H 5H 8D JD 5C 7S 9C 10C 4S 3S"
                                                    << "JS QS 9H 9D JH QH 6C 6D AC AS"
                                                    << "KD"
                                                    << "" << false << "2S";
    }
    void hintDependsOnlyOnWhatThePlayerSees() {
        QFETCH(QString, player);
        QFETCH(QString, dorvilA);
        QFETCH(QString, dorvilB);
        QFETCH(QString, face);
        QFETCH(QString, table);
        QFETCH(bool, madeMeld);
        QFETCH(QString, draw);
        DrawnTable a(Cards(draw), 3), b(Cards(draw), 3003);
        for (auto [t, dorvil] : {std::pair{&a, dorvilA}, std::pair{&b, dorvilB}}) {
            LayHand(t->Frm, t->View, Cards(player), Cards(dorvil), Cards(face).value(0));
            if (!table.isEmpty()) Column(t->Frm, 1, Cards(table));
            t->Frm.MadeMeld(1) = madeMeld;
            t->Frm.LayOutStock();
        }
        QStringList said;
        for (int step = 0; step < 20; ++step) {
            const Hint::PlayerSees seen = Hint::WhatPlayerSees(a.Frm);
            QVERIFY(seen == Hint::WhatPlayerSees(b.Frm));
            const Hint::Advice advice = Hint::NextStep(seen);
            QCOMPARE(Hint::NextStep(Hint::WhatPlayerSees(b.Frm)), advice);
            said << HintLine(advice);
            if (advice.What == Hint::Advice::None) break;
            Carry(a.Frm, a.View, advice);
            Carry(b.Frm, b.View, advice);
            // Dorvil plays next, and shows what his hidden cards make of it.
            if (advice.What == Hint::Advice::Discard) break;
        }
        QVERIFY2(said.size() >= 2 && said.last().startsWith("discard"),
                 qPrintable(said.join("; ")));
        QCOMPARE(TableProblem(a.Frm), QString());
        QCOMPARE(TableProblem(b.Frm), QString());
    }

    // The hint's own reading of the rules agrees with the table's: a card it
    // calls acceptable is laid, any other is put back.
    void rulesAgreeWithTheTable_data() {
        QTest::addColumn<QString>("column1");
        QTest::addColumn<QString>("column2");
        QTest::addColumn<bool>("madeMeld");
        QTest::addColumn<QString>("card");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("laid");
        QTest::newRow("a free column takes any card") << ""
                                                      << "" << false << "9C" << 1 << true;
        QTest::newRow("the next card of the suit") << "5H"
                                                   << "" << false << "6H" << 1 << true;
        QTest::newRow("the card below in the suit") << "5H"
                                                    << "" << false << "4H" << 1 << true;
        QTest::newRow("two ranks apart") << "5H"
                                         << "" << false << "7H" << 1 << false;
        QTest::newRow("a card of the same rank") << "5H"
                                                 << "" << false << "5C" << 1 << true;
        QTest::newRow("the king and the next suit's ace") << "KD"
                                                          << "" << false << "AC" << 1 << false;
        QTest::newRow("a run's third card at its end") << "5H 6H"
                                                       << "" << false << "7H" << 1 << true;
        QTest::newRow("a run's third card past its end") << "5H 6H"
                                                         << "" << false << "8H" << 1 << false;
        QTest::newRow("a set's third card") << "5H 5C"
                                            << "" << false << "5S" << 1 << true;
        QTest::newRow("a run's card on a set") << "5H 5C"
                                               << "" << false << "6H" << 1 << false;
        QTest::newRow("another column while one is open") << "5H"
                                                          << "" << false << "9C" << 2 << false;
        QTest::newRow("a lay-off before a meld of one's own") << "5H 6H 7H"
                                                              << "" << false << "8H" << 1 << false;
        QTest::newRow("a lay-off at a run's end") << "5H 6H 7H"
                                                  << "" << true << "8H" << 1 << true;
        QTest::newRow("a lay-off below a run") << "5H 6H 7H"
                                               << "" << true << "4H" << 1 << true;
        QTest::newRow("a lay-off past a run's end") << "5H 6H 7H"
                                                    << "" << true << "9H" << 1 << false;
        QTest::newRow("the fourth card of a set") << "7D 7C 7H"
                                                  << "" << true << "7S" << 1 << true;
        QTest::newRow("a lay-off while a meld is open") << "7D 7C 7H"
                                                        << "2C" << true << "7S" << 1 << false;
    }
    void rulesAgreeWithTheTable() {
        QFETCH(QString, column1);
        QFETCH(QString, column2);
        QFETCH(bool, madeMeld);
        QFETCH(QString, card);
        QFETCH(int, column);
        QFETCH(bool, laid);
        TestTable t;
        const int n = ParseCard(card);
        LayHand(t, {n, ParseCard("KS")}, Cards("2D 3D"), 0);
        if (!column1.isEmpty()) Column(t.Frm, 1, Cards(column1));
        if (!column2.isEmpty()) Column(t.Frm, 2, Cards(column2));
        t.Frm.MadeMeld(1) = madeMeld;
        t.Frm.PlayerHasDrawn = true;
        QCOMPARE(Hint::Accepts(Hint::WhatPlayerSees(t.Frm), n, column), laid);
        Hint::Advice drop;
        drop.What = Hint::Advice::LayOff;
        drop.Card = n;
        drop.Column = column;
        Carry(t.Frm, t.View, drop);
        QCOMPARE(t.Frm.Cards(n).Place == Where::InMeld, laid);
        QCOMPARE(TableProblem(t.Frm), QString());
    }

    // Telling positions, as the player sees them.
    void judgement_data() {
        QTest::addColumn<QString>("hand");
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("table"); // complete melds, one a column, "/" between
        QTest::addColumn<QString>("open");  // the player's open meld in the next column
        QTest::addColumn<QString>("dorvilTook");
        QTest::addColumn<bool>("drawn");
        QTest::addColumn<bool>("callDraw");
        QTest::addColumn<QString>("hint");
        QTest::newRow("the face card makes three of a kind")
            << "7C 7H 2D 9S KD JC 4H 5S 10D QC"
            << "7S"
            << ""
            << ""
            << "" << false << false << "take face 7S";
        QTest::newRow("a face card of no use") << "7C 7H 2D 9S KD JC 4H 5S 10D QC"
                                               << "AS"
                                               << ""
                                               << ""
                                               << "" << false << false << "take stock";
        QTest::newRow("an open meld goes on")
            << "6H 7H 2D 9S KD JC 4C"
            << "AS"
            << ""
            << "5H"
            << "" << true << false << "lay 6H in column 1 (meld 5H 6H 7H)";
        QTest::newRow("a run around its first card")
            << "4H 6H 2D 9S KD JC 4C"
            << "AS"
            << ""
            << "5H"
            << "" << true << false << "lay 6H in column 1 (meld 5H 6H 4H)";
        QTest::newRow("an open meld the hand cannot complete")
            << "8H 2D 9S KD JC 4C"
            << "AS"
            << ""
            << "5H"
            << "" << true << false << "take back column 1";
        QTest::newRow("the last two cards laid as an open meld")
            << ""
            << "AS"
            << ""
            << "5H 6H"
            << "" << true << false << "take back column 1";
        QTest::newRow("no lay-off before a meld of the player's own")
            << "8H QC 2D 4C 9S KD 6C 8C"
            << "JS"
            << "5H 6H 7H / QD QH QS"
            << ""
            << "" << true << false << "discard KD";
        QTest::newRow("the nine Dorvil waits for is kept") << "AD 8D 2C 3C 5C 7C 2H 3H 9H AS 4S"
                                                           << "KC"
                                                           << ""
                                                           << ""
                                                           << "9S" << true << false << "discard 8D";
        QTest::newRow("the nine goes when nothing tells") << "AD 8D 2C 3C 5C 7C 2H 3H 9H AS 4S"
                                                          << "KC"
                                                          << ""
                                                          << ""
                                                          << "" << true << false << "discard 9H";
        QTest::newRow("no card can ever be laid")
            << "AD KD 9C JH"
            << "KC"
            << "2D 2C 2H 2S / 3D 3C 3H 3S / 4D 4C 4H 4S / 5D 5C 5H 5S / 6D 6C 6H 6S / 7D 7C "
               "7H 7S"
            << ""
            << "" << false << true << "call draw";
        QTest::newRow("nor a draw to call")
            << "AD KD 9C JH"
            << "KC"
            << "2D 2C 2H 2S / 3D 3C 3H 3S / 4D 4C 4H 4S / 5D 5C 5H 5S / 6D 6C 6H 6S / 7D 7C "
               "7H 7S"
            << ""
            << "" << false << false << "take stock";
    }
    void judgement() {
        QFETCH(QString, hand);
        QFETCH(QString, face);
        QFETCH(QString, table);
        QFETCH(QString, open);
        QFETCH(QString, dorvilTook);
        QFETCH(bool, drawn);
        QFETCH(bool, callDraw);
        QFETCH(QString, hint);
        Hint::PlayerSees s;
        s.Hand = Sorted(hand);
        size_t c = 0;
        for (const QString& meld : table.split('/', Qt::SkipEmptyParts)) {
            Sharp::ColumnSeen& col = s.Columns[c++];
            col.Cards = Sorted(meld);
            col.Done = true;
            col.IsSet = (col.Cards[0] - 1) % 13 == (col.Cards[1] - 1) % 13;
            col.IsRun = !col.IsSet;
        }
        if (!open.isEmpty()) {
            Sharp::ColumnSeen& col = s.Columns[c];
            col.Cards = Sorted(open);
            col.IsRun = col.Cards.size() == 2;
            s.OpenColumn = static_cast<int>(c + 1);
        }
        s.Pile.push_back({ParseCard(face), false});
        for (int n : Cards(dorvilTook))
            s.RivalTook.push_back(n);
        s.RivalCount = 10;
        s.StockCount = callDraw ? 12 : 20;
        s.MadeMeld = s.RivalMadeMeld = !table.isEmpty() && callDraw;
        s.MyTurn = true;
        s.HasDrawn = drawn;
        s.CallDrawOpen = callDraw;
        s.StockRebuilds = callDraw ? 1 : 0;
        const Hint::Advice advice = Hint::NextStep(s);
        QCOMPARE(HintLine(advice), hint);
        QVERIFY(!advice.Text.isEmpty());
        s.MyTurn = false;
        QCOMPARE(Hint::NextStep(s), Hint::Advice{});
    }

    void sentences_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("why");
        QTest::addColumn<QString>("cards");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("a set of three")
            << int(Hint::Advice::Meld) << int(Hint::Advice::StartsMeld) << "7D 7C 7S"
            << "Lay the Sevens of Diamonds, Clubs and Spades as a "
               "meld in column 3.";
        QTest::newRow("a set of four")
            << int(Hint::Advice::Meld) << int(Hint::Advice::StartsMeld) << "QD QC QH QS"
            << "Lay the four Queens as a meld in column 3.";
        QTest::newRow("a long run, laid from where it was begun")
            << int(Hint::Advice::Meld) << int(Hint::Advice::StartsMeld) << "6S 7S 8S 5S"
            << "Lay the Five to the Eight of Spades as a meld in column 3.";
        QTest::newRow("a card for a set")
            << int(Hint::Advice::TakeFace) << int(Hint::Advice::CompletesSet) << "JH"
            << "Take the Jack of Hearts from the discard pile: it "
               "completes your set of Jacks.";
        QTest::newRow("a card to lay off")
            << int(Hint::Advice::TakeFace) << int(Hint::Advice::FitsTable) << "2C"
            << "Take the Two of Clubs from the discard pile: it can "
               "be laid off on column 3.";
        QTest::newRow("the last card")
            << int(Hint::Advice::Discard) << int(Hint::Advice::GoesOut) << "AS"
            << "Discard the Ace of Spades and go out.";
        QTest::newRow("an open meld taken back")
            << int(Hint::Advice::TakeBack) << int(Hint::Advice::Plain) << ""
            << "Take back the open meld in column 3: your hand cannot complete it.";
    }
    void sentences() {
        QFETCH(int, kind);
        QFETCH(int, why);
        QFETCH(QString, cards);
        QFETCH(QString, sentence);
        Hint::Advice a;
        a.What = Hint::Advice::Kind(kind);
        a.Why = Hint::Advice::Reason(why);
        a.Card = Cards(cards).value(0);
        a.Column = 3;
        for (int n : Cards(cards))
            a.Planned.push_back(n);
        QCOMPARE(Hint::Sentence(a), sentence);
    }

    // The count of hints belongs to the hand it was asked in.
    void hintsAreCountedByHand() {
        TestTable t;
        LayHand(t, Cards("2D 3D"), Cards("4D 5D"), 0);
        Hint::Tally tally;
        QCOMPARE(tally.InHand(t.Frm), 0);
        tally.Asked(t.Frm);
        tally.Asked(t.Frm);
        QCOMPARE(tally.InHand(t.Frm), 2);
        ++t.Frm.HandSerial; // as a new hand is laid out
        QCOMPARE(tally.InHand(t.Frm), 0);
        tally.Asked(t.Frm);
        QCOMPARE(tally.InHand(t.Frm), 1);
    }

    // Whole hands played by the hint against either Dorvil, every table
    // checked, and every advised move taken up by the table.
    void selfPlayByTheHint_data() {
        QTest::addColumn<bool>("sharp");
        QTest::newRow("against Classic Dorvil") << false;
        QTest::newRow("against Sharp Dorvil") << true;
    }
    void selfPlayByTheHint() {
        QFETCH(bool, sharp);
        SelfPlay play(SelfPlayConfig{300, 6, QString(), QStringLiteral("hint"), sharp});
        const SelfPlayResult r = play.Run();
        QCOMPARE(r.FaultReport, QString());
        QCOMPARE(r.Hands, 300);
        QVERIFY(r.HandsWonByPlayer > r.Hands / 3);
        if (!sharp) QVERIFY(r.GamesWonByPlayer > 4 * r.GamesWonByDorvil);
    }
};

QTEST_GUILESS_MAIN(TestHint)
#include "tst_hint.moc"
