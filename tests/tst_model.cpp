// The rules written once, and the compact model of a hand: what a column
// takes, the end of a hand, the table's own turn and its quirks on the
// model, the policies' moves, the model seen from one side, and the self-play
// check finding a move the table never makes.
#include "DropAreas.h"
#include "HandModel.h"
#include "ModelCheck.h"
#include "Playout.h"
#include "SharpSeat.h"
#include "TestView.h"

#include <QtTest>
#include <numeric>

namespace {

using Model::Move;
using Model::Position;
using Rules::Mask;
using Rules::Shape;

int Card(const QString& text) {
    static const QString ranks = QStringLiteral("A23456789TJQK");
    const QString t = QString(text).replace(QStringLiteral("10"), QStringLiteral("T"));
    return static_cast<int>(QStringLiteral("DCHS").indexOf(t.back())) * 13 +
           static_cast<int>(ranks.indexOf(t.front())) + 1;
}

Mask Cards(const QString& text) {
    Mask m = 0;
    for (const QString& word : text.split(' ', Qt::SkipEmptyParts))
        m |= Rules::Bit(Card(word));
    return m;
}

uint8_t C(const char* text) {
    return static_cast<uint8_t>(Card(QString::fromLatin1(text)));
}

// A hand in the middle of play: the player to move, a card taken or not,
// the rest of the cards in the stock.
Position Table(const QString& player, const QString& dorvil, const QString& face, bool drawn) {
    Position p;
    p.Held[Model::Player] = Cards(player);
    p.Held[Model::Dorvil] = Cards(dorvil);
    p.Face = face.isEmpty() ? 0 : static_cast<uint8_t>(Card(face));
    const Mask placed = p.Held[0] | p.Held[1] | (p.Face ? Rules::Bit(p.Face) : 0);
    for (int n = 1; n <= 52; ++n)
        if (!(placed & Rules::Bit(n))) p.Stock[p.StockCount++] = static_cast<uint8_t>(n);
    p.Drawn = drawn;
    return p;
}

void Lay(Position& p, int column, const QString& cards, Shape shape) {
    const Mask m = Cards(cards);
    p.Columns[column - 1] = m;
    p.Shapes[column - 1] = shape;
    for (int i = p.StockCount - 1; i >= 0; --i)
        if (m & Rules::Bit(p.Stock[i])) {
            std::copy(p.Stock + i + 1, p.Stock + p.StockCount, p.Stock + i);
            --p.StockCount;
        }
    if (Rules::Count(m) < 3) p.Open = static_cast<uint8_t>(column);
}

} // namespace

class TestModel : public QObject {
    Q_OBJECT

  private slots:
    // One card at a time: the second decides a set or a run; a set takes its
    // rank, a run the card at either end of its suit, the ace below the two
    // and never above the king.
    void whatAColumnTakes_data() {
        QTest::addColumn<QString>("column");
        QTest::addColumn<int>("shape");
        QTest::addColumn<QString>("card");
        QTest::addColumn<int>("becomes"); // Shape::Empty: refused
        const int E = int(Shape::Empty), O = int(Shape::Single), S = int(Shape::Set),
                  R = int(Shape::Run);
        QTest::newRow("any card starts") << "" << E << "KS" << O;
        QTest::newRow("same rank: a set") << "7H" << O << "7S" << S;
        QTest::newRow("next above: a run") << "7H" << O << "8H" << R;
        QTest::newRow("next below: a run") << "7H" << O << "6H" << R;
        QTest::newRow("two apart") << "7H" << O << "9H" << E;
        QTest::newRow("next rank, other suit") << "7H" << O << "8S" << E;
        QTest::newRow("king, then the next suit's ace") << "KD" << O << "AC" << E;
        QTest::newRow("ace low") << "AH" << O << "2H" << R;
        QTest::newRow("no king after the ace") << "AH" << O << "KH" << E;
        QTest::newRow("set of two takes its rank") << "7D 7C" << S << "7H" << S;
        QTest::newRow("set of two, next card") << "7D 7C" << S << "8D" << E;
        QTest::newRow("run of two, below") << "7D 8D" << R << "6D" << R;
        QTest::newRow("run of two, same rank") << "7D 8D" << R << "7C" << E;
        QTest::newRow("run grows at its top") << "5H 6H 7H" << R << "8H" << R;
        QTest::newRow("run grows at its bottom") << "5H 6H 7H" << R << "4H" << R;
        QTest::newRow("run skips a card") << "5H 6H 7H" << R << "9H" << E;
        QTest::newRow("no king below an ace run") << "AH 2H 3H" << R << "KH" << E;
        QTest::newRow("no ace above a king run") << "JH QH KH" << R << "AH" << E;
        QTest::newRow("a run takes no rank") << "5H 6H 7H" << R << "6S" << E;
        QTest::newRow("the fourth of a set") << "7D 7C 7H" << S << "7S" << S;
        QTest::newRow("a set takes no run") << "7D 7C 7H" << S << "8D" << E;
    }
    void whatAColumnTakes() {
        QFETCH(QString, column);
        QFETCH(int, shape);
        QFETCH(QString, card);
        QFETCH(int, becomes);
        const Rules::Meld meld{Cards(column), Shape(shape)};
        const int n = Card(card);
        QCOMPARE(Rules::Joins(meld, n), becomes != int(Shape::Empty));
        if (becomes != int(Shape::Empty)) {
            QCOMPARE(int(Rules::With(meld, n).Kind), becomes);
            QVERIFY(Rules::IsMeld(Rules::With(meld, n).Cards));
        }
    }

    void whatMayLieTogether_data() {
        QTest::addColumn<QString>("cards");
        QTest::addColumn<bool>("meld");
        QTest::newRow("nothing") << "" << true;
        QTest::newRow("a whole suit") << "AD 2D 3D 4D 5D 6D 7D 8D 9D 10D JD QD KD" << true;
        QTest::newRow("four of a rank") << "9D 9C 9H 9S" << true;
        QTest::newRow("a gap") << "5H 6H 8H" << false;
        QTest::newRow("two suits in a row") << "QD KD AC" << false;
        QTest::newRow("a set and a stranger") << "9D 9C 10C" << false;
    }
    void whatMayLieTogether() {
        QFETCH(QString, cards);
        QFETCH(bool, meld);
        QCOMPARE(Rules::IsMeld(Cards(cards)), meld);
    }

    // The winner scores the loser's ranks; the game goes to a score at the
    // target with a lead; scores saturate rather than wrap.
    void theEndOfAHand() {
        QCOMPARE(Rules::Points(Cards("AD KC QH 5S")), 31);
        const Rules::Settlement won = Rules::Settle(90, 95, 100, Cards("KD"));
        QCOMPARE(won.WinnerScore, int16_t(103));
        QVERIFY(won.GameWon);
        QVERIFY(!Rules::Settle(90, 110, 100, Cards("KD")).GameWon); // no lead
        QVERIFY(!Rules::Settle(80, 0, 100, Cards("KD")).GameWon);   // short of the target
        QVERIFY(!Rules::WinsGame(100, 100, 100));
        QCOMPARE(Rules::AddPoints(32760, 13), int16_t(32767));
    }

    // Ten each, one at a time from the side that does not deal, the face
    // card, then the stock in the pack's order; the other side plays first.
    void aDealtHand() {
        uint8_t pack[52];
        std::iota(pack, pack + 52, 1);
        const Position p = Model::Deal(pack, Model::Player, 12, 30, 150);
        QCOMPARE(p.ToMove, Model::Dorvil);
        QCOMPARE(p.Held[Model::Dorvil] & Rules::Bit(1), Rules::Bit(1));
        QCOMPARE(Rules::Count(p.Held[0]), 10);
        QCOMPARE(Rules::Count(p.Held[1]), 10);
        QCOMPARE(int(p.Face), 21);
        QCOMPARE(int(p.Stock[p.StockCount - 1]), 22);
        QCOMPARE(p.Score[Model::Dorvil], int16_t(30));
        QVERIFY(p.Whole());
    }

    // A discard with a meld open takes the meld back into the hand after it.
    void discardWithAMeldOpen() {
        Position p = Table("7H 8H 2C KS", "3D 4D 5D", "QS", true);
        p.Apply({Move::Lay, C("7H"), 0, 0, 1});
        p.Apply({Move::Lay, C("8H"), 0, 0, 1});
        QCOMPARE(int(p.Open), 1);
        QVERIFY(!p.IsLegal({Move::Lay, C("2C"), 0, 0, 2})); // only the open column
        p.Apply({Move::Discard, C("KS")});
        QCOMPARE(p.Held[Model::Player], Cards("7H 8H 2C"));
        QCOMPARE(p.Columns[0], Mask{0});
        QCOMPARE(p.ToMove, Model::Dorvil);
        QCOMPARE(int(p.Face), Card("KS"));
        QCOMPARE(int(p.Pile[0]), Card("QS"));
    }

    // The last card into a meld of one or two ends nothing: the player takes
    // it back (or calls a draw); the last card that completes a meld goes out.
    void theLastCardOfTheHand() {
        Position p = Table("9C", "3D 4D 5D", "QS", true);
        p.Apply({Move::Lay, C("9C"), 0, 0, 1});
        QVERIFY(!p.Over());
        Model::MoveList moves;
        p.Moves(moves);
        QCOMPARE(moves.Size, 1);
        QCOMPARE(moves.Items[0].What, Move::TakeBack);

        Position q = Table("9H", "3D 4D 5D", "QS", true);
        Lay(q, 1, "9D 9C", Shape::Set);
        q.Apply({Move::Lay, C("9H"), 0, 0, 1});
        QCOMPARE(q.End, Model::Ending::Out);
        QCOMPARE(q.Outcome().Points, 12);
        QVERIFY(q.MadeMeld[Model::Player]);
    }

    // Lay-offs wait for a meld of one's own; Dorvil lays a new meld three
    // cards at once and never leaves one open.
    void layOffsAndDorvilsMelds() {
        Position p = Table("2C 9H", "5H 6H 7H 4S", "QS", true);
        Lay(p, 1, "9D 9C 9S", Shape::Set);
        p.Open = 0;
        QVERIFY(!p.IsLegal({Move::Lay, C("9H"), 0, 0, 1}));
        p.MadeMeld[Model::Player] = true;
        QVERIFY(p.IsLegal({Move::Lay, C("9H"), 0, 0, 1}));

        p.ToMove = Model::Dorvil;
        QVERIFY(!p.IsLegal({Move::Lay, C("5H"), 0, 0, 2}));
        QVERIFY(!p.IsLegal({Move::Lay, C("5H"), C("6H"), C("4S"), 2}));
        QVERIFY(p.IsLegal({Move::Lay, C("5H"), C("6H"), C("7H"), 2}));
        p.Apply({Move::Lay, C("5H"), C("6H"), C("7H"), 2});
        QVERIFY(p.MadeMeld[Model::Dorvil]);
        QCOMPARE(int(p.Open), 0);
        // Dorvil passes only holding just the card he took from the pile.
        QVERIFY(!p.IsLegal({Move::Pass}));
        p.DorvilTook = C("4S");
        QVERIFY(p.IsLegal({Move::Pass}));
    }

    // The draw that empties the stock turns the pile over, all but the face
    // card; Call Draw is then the player's to make, and ends the game.
    void theStockRebuilt() {
        Position p = Table("2C", "3D", "KS", false);
        p.StockCount = 1; // the others lie on the pile
        Mask pile = 0;
        for (int n = 1; n <= 52; ++n)
            if (n != p.Stock[0] && !((p.Held[0] | p.Held[1]) & Rules::Bit(n)) && n != p.Face) {
                p.Pile[p.PileCount++] = static_cast<uint8_t>(n);
                pile |= Rules::Bit(n);
            }
        QVERIFY(p.Whole());
        p.Apply({Move::DrawStock});
        QCOMPARE(int(p.StockCount), Rules::Count(pile));
        QCOMPARE(int(p.PileCount), 0);
        QCOMPARE(int(p.Face), Card("KS"));
        QCOMPARE(int(p.Rebuilds), 1);
        QVERIFY(p.IsLegal({Move::CallDraw}));
        p.Apply({Move::Discard, C("2C")});
        QVERIFY(!p.IsLegal({Move::CallDraw})); // Dorvil's turn
        QVERIFY(p.Whole());
    }

    // Both policies make only legal moves, keep every card in its place, and
    // end every hand; the greedy player beats the random one.
    void playoutsEndSoundly() {
        Model::Rng rng{7};
        int greedyWins = 0, randomWins = 0;
        for (int hand = 0; hand < 400; ++hand) {
            uint8_t pack[52];
            std::iota(pack, pack + 52, 1);
            for (int i = 51; i > 0; --i)
                std::swap(pack[i], pack[rng.Below(i + 1)]);
            Position p = Model::Deal(pack, hand % 2 ? Model::Player : Model::Dorvil);
            p.TurnCap = Model::PlayoutTurns;
            for (int moves = 0; !p.Over(); ++moves) {
                const Move m =
                    (p.ToMove == Model::Player ? Model::GreedyMove : Model::RandomMove)(p, rng);
                QVERIFY2(p.IsLegal(m), qPrintable(PositionText(p)));
                p.Apply(m);
                QVERIFY(p.Whole());
                QVERIFY(moves < 40 * Model::PlayoutTurns);
            }
            greedyWins += p.End == Model::Ending::Out && p.Winner == Model::Player;
            randomWins += p.End == Model::Ending::Out && p.Winner == Model::Dorvil;
        }
        QVERIFY2(greedyWins > 10 * randomWins, qPrintable(QString::number(randomWins)));
    }

    // Seen from the player's chair with the hidden cards filled in as they
    // lie, the hand is the table's, turn after turn; filled in wrongly, refused.
    void theHandAsOneSideSeesIt() {
        TestTable t(5);
        t.Frm.Form_Load();
        t.Frm.Dispatch([&] { t.Frm.Cds_Click(1); });
        for (int turn = 0; turn < 8 && t.Frm.PlayerTurn && t.Frm.StockCount; ++turn) {
            t.Frm.Dispatch([&] { t.Frm.Cds_MouseDown(t.Frm.FaceCard); });
            const Position table = ModelOfTable(t.Frm);
            QVERIFY(table.Whole());
            QCOMPARE(table.Held[Model::Player], t.Frm.CardsAt(Where::PlayerHand));
            const Sharp::SideSees sees = Sharp::SeenFrom(t.Frm, false);
            const Mask dorvil = table.Held[Model::Dorvil];
            const std::span<const uint8_t> stock(table.Stock, table.StockCount);
            Mask stockCards = 0;
            for (uint8_t n : stock)
                stockCards |= Rules::Bit(n);
            QCOMPARE(UnseenCards(sees), dorvil | stockCards);
            std::optional<Position> seen = ModelSeenFrom(sees, false, true, dorvil, stock);
            QVERIFY(seen.has_value());
            // What no side sees: how long the hand has gone on, Dorvil's last take.
            seen->Turns = table.Turns;
            seen->DorvilTook = table.DorvilTook;
            QVERIFY2(seen->SamePlay(table), qPrintable(PositionText(*seen)));
            QVERIFY(!ModelSeenFrom(sees, false, true, dorvil & (dorvil - 1), stock));
            QVERIFY(!ModelSeenFrom(sees, false, true, table.Held[Model::Player], stock));
            // The player discards a card of his own, and Dorvil plays.
            const int card = Rules::CardOfBit(Rules::Highest(table.Held[Model::Player]));
            t.Frm.Dispatch([&] { t.Frm.Cds_MouseDown(card); });
            t.View.MoveCard(card, DropAreas::DiscardPoint.x(), DropAreas::DiscardPoint.y());
            t.Frm.Dispatch([&] { t.Frm.Cds_MouseUp(card); });
        }
        QVERIFY(t.Frm.HandLog.size() > 20);
    }

    // The self-play's check is no formality: a move the model finds illegal,
    // or a table that moved without telling, is reported.
    void theCheckFindsWhatTheTableNeverDoes() {
        TestTable t(5);
        t.Frm.Form_Load();
        t.Frm.Dispatch([&] { t.Frm.Cds_Click(1); });
        ModelCheck check;
        check.Dealt(t.Frm);
        QCOMPARE(check.AtRest(t.Frm, false), QString());
        const int held = Rules::CardOfBit(Rules::Lowest(t.Frm.CardsAt(Where::PlayerHand)));
        QVERIFY(!check.Follow(t.Frm, {TableEvent::LaysOff, false, held, 1}).isEmpty());
        check.Dealt(t.Frm);
        QVERIFY(!check.Follow(t.Frm, {TableEvent::Discards, true, held}).isEmpty());
        check.Dealt(t.Frm);
        t.Frm.Cards(held).Place = Where::Discard;
        QVERIFY(!check.AtRest(t.Frm, false).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestModel)
#include "tst_model.moc"
