// Expert Dorvil: the weighing of his choices over sampled deals.
#include "Expert.h"
#include "HandModel.h"
#include "SharpHand.h"

#include <QtTest>

namespace {

using Model::Move;

int Card(const char* text) {
    static const QByteArray ranks = "A23456789TJQK";
    const QByteArray t(text);
    return static_cast<int>(QByteArray("DCHS").indexOf(t.back())) * 13 +
           static_cast<int>(ranks.indexOf(t.front())) + 1;
}

std::vector<int> Cards(const QString& text) {
    std::vector<int> cards;
    for (const QString& word : text.split(' ', Qt::SkipEmptyParts))
        cards.push_back(Card(word.toLatin1().constData()));
    std::sort(cards.begin(), cards.end());
    return cards;
}

Move Lay3(const char* a, const char* b, const char* c, int column) {
    return {Move::Lay, uint8_t(Card(a)), uint8_t(Card(b)), uint8_t(Card(c)), uint8_t(column)};
}

Move Discard(const char* card) {
    return {Move::Discard, uint8_t(Card(card))};
}

// Dorvil has taken his card and holds a set of fives and a king; the player
// holds ten unseen cards; the two of diamonds lies on the pile.
Sharp::SideSees FivesAndKing() {
    Sharp::SideSees s;
    s.Hand = Cards("5D 5C 5H KS");
    s.Pile = {{Card("2D"), false}};
    s.RivalCount = 10;
    s.StockCount = 52 - 4 - 1 - 10;
    return s;
}

} // namespace

class TestExpert : public QObject {
    Q_OBJECT
  private slots:
    // Laying the set and going out wins the hand; discarding one of the set
    // throws it away; a meld he does not hold is not open to him.
    void WeighsWhatIsOpen() {
        const std::vector<Expert::Candidate> candidates = {
            Lay3("5D", "5C", "5H", 1), Discard("5C"), Discard("KS"), Lay3("6D", "6C", "6H", 1)};
        Expert::Effort effort;
        effort.Deals = 64;
        const std::vector<Expert::Worth> w =
            Expert::Weigh(FivesAndKing(), true, true, candidates, effort);
        QCOMPARE(w.size(), candidates.size());
        QCOMPARE(w[0].Deals, 64);
        QVERIFY(w[0].Points > 0);
        QVERIFY(w[0].Points > w[1].Points + 5);
        QVERIFY(w[2].Points > w[1].Points);
        QCOMPARE(w[3].Deals, 0);
        // The same seed weighs alike; another deals otherwise.
        const std::vector<Expert::Worth> again =
            Expert::Weigh(FivesAndKing(), true, true, candidates, effort);
        QCOMPARE(again[1].Points, w[1].Points);
        effort.Seed = 2;
        QVERIFY(Expert::Weigh(FivesAndKing(), true, true, candidates, effort)[1].Points !=
                w[1].Points);
    }

    // He never peeks. Dorvil must discard one of four cards and his rival
    // holds two: kings in one deal, queens in the other. From his chair the
    // two deals look alike and his choice is the same; given the hidden
    // cards, the weighing tells them apart and chooses otherwise.
    void ChoosesAlikeWhateverIsHidden() {
        Sharp::SideSees s;
        s.Hand = Cards("KS QH 2C 8D");
        s.Pile = {{Card("5C"), false}};
        s.RivalCount = 2;
        s.StockCount = 52 - 4 - 1 - 2;
        std::vector<Expert::Candidate> discards;
        for (int card : s.Hand)
            discards.emplace_back(Move{Move::Discard, uint8_t(card)});
        auto best = [&](const std::vector<Expert::Worth>& w) {
            return std::max_element(
                       w.begin(), w.end(),
                       [](const auto& a, const auto& b) { return a.Points < b.Points; }) -
                   w.begin();
        };
        std::vector<int> choices, peeking;
        for (const char* hidden : {"KH KD", "QD QC"}) {
            const Rules::Mask rival = Sharp::MaskOf(Cards(hidden));
            std::vector<uint8_t> stock;
            for (int n = 1; n <= 52; ++n)
                if (!(Sharp::MaskOf(s.Hand) & Rules::Bit(n)) && !(rival & Rules::Bit(n)) &&
                    n != Card("5C"))
                    stock.push_back(uint8_t(n));
            const std::optional<Model::Position> truth = ModelSeenFrom(s, true, true, rival, stock);
            QVERIFY(truth);
            choices.push_back(Expert::ChooseDiscard(s));
            Expert::Effort effort;
            effort.Deals = 512;
            peeking.push_back(s.Hand[size_t(best(Expert::WeighKnown(*truth, discards, effort)))]);
        }
        QCOMPARE(choices[0], choices[1]);
        QVERIFY(peeking[0] != peeking[1]);
        QVERIFY(peeking[0] != Card("KS") && peeking[1] != Card("QH"));
    }

    // A view that does not add up is not weighed.
    void RefusesAViewThatDoesNotAddUp() {
        Sharp::SideSees s = FivesAndKing();
        s.StockCount += 1;
        const std::vector<Expert::Candidate> candidates = {Discard("KS")};
        QVERIFY(Expert::Weigh(s, true, true, candidates).empty());
    }
};

QTEST_GUILESS_MAIN(TestExpert)
#include "tst_expert.moc"
