// The model of a hand followed along the table's events and compared with it.
#include "ModelCheck.h"

#include "DropAreas.h"
#include "FrmMain.h"
#include "HandModel.h"
#include "HeadlessView.h"
#include "Random.h"
#include "SavedGame.h"
#include "Scenario.h"
#include "ViewMemory.h"

#include <QStringList>
#include <algorithm>
#include <iterator>

namespace {

using Model::Move;
using Model::Position;

QString CardsText(Rules::Mask cards) {
    QStringList words;
    for (Rules::Mask m = cards; m; m &= m - 1)
        words << CardText(Rules::CardOfBit(Rules::Lowest(m)));
    return words.isEmpty() ? QStringLiteral("-") : words.join(QLatin1Char(' '));
}

const char* ShapeText(Rules::Shape s) {
    switch (s) {
    case Rules::Shape::Empty:
        return "empty";
    case Rules::Shape::Single:
        return "one card";
    case Rules::Shape::Set:
        return "set";
    case Rules::Shape::Run:
        return "run";
    }
    return "?";
}

QString MeldText(const Rules::Meld& m) {
    return CardsText(m.Cards) + QLatin1Char(' ') + QLatin1String(ShapeText(m.Kind));
}

// A table that plays one drop: the question about an open meld is answered
// "Discard", and the drop's sequence ends where the hand is settled or the
// turn passes to Dorvil, so that the copy shows what the drop itself did.
class TrialView final : public HeadlessView {
  public:
    bool Discarded = false;
    QString Error;
    int DeluxeMsg(const QString&, const QString&, const QString&, const QString&, int,
                  const QString&) override {
        return 0;
    }
    // The turn passes (PassTurn enables the menus first): the drop is done.
    void EnableMenu(Menu, bool) override {
        if (Discarded) throw SequenceAborted{};
    }
    void Record(const TableEvent& e) override {
        if (e.What == TableEvent::Discards) Discarded = true;
        if (e.What == TableEvent::HandWon) throw SequenceAborted{};
    }
    void NewHandStarting() override { throw SequenceAborted{}; }
    void ErrorBox(const QString& text) override { Error = text; }
    // The cards where the table taken up has them, and back there for the
    // next drop.
    void Keep() {
        std::copy(std::begin(Left), std::end(Left), std::begin(KeptLeft));
        std::copy(std::begin(Top), std::end(Top), std::begin(KeptTop));
    }
    void Reset() {
        std::copy(std::begin(KeptLeft), std::end(KeptLeft), std::begin(Left));
        std::copy(std::begin(KeptTop), std::end(KeptTop), std::begin(Top));
        Discarded = false;
        Error.clear();
    }

  private:
    int KeptLeft[53] = {}, KeptTop[53] = {};
};

} // namespace

QString PositionText(const Position& p) {
    QString text = QStringLiteral("player %1; dorvil %2; face %3; pile %4; stock %5 (%6)")
                       .arg(CardsText(p.Held[Model::Player]), CardsText(p.Held[Model::Dorvil]),
                            p.Face ? CardText(p.Face) : QStringLiteral("-"))
                       .arg(p.PileCount)
                       .arg(p.StockCount);
    Rules::Mask stock = 0;
    for (int i = 0; i < p.StockCount; ++i)
        stock |= Rules::Bit(p.Stock[i]);
    text = text.arg(CardsText(stock));
    for (int c = 1; c <= 6; ++c)
        if (p.Columns[c - 1])
            text += QStringLiteral("; column %1: %2").arg(c).arg(MeldText(p.MeldIn(c)));
    return text +
           QStringLiteral("; %1 to move%2, open %3, made %4%5, rebuilds %6, turns %7, "
                          "scores %8 %9")
               .arg(p.ToMove == Model::Player ? "player" : "dorvil", p.Drawn ? ", drawn" : "")
               .arg(p.Open)
               .arg(p.MadeMeld[0])
               .arg(p.MadeMeld[1])
               .arg(p.Rebuilds)
               .arg(p.Turns)
               .arg(p.Score[0])
               .arg(p.Score[1]);
}

void ModelCheck::Dealt(const FrmMain& f) {
    Followed.Start(ModelOfTable(f));
}

QString ModelCheck::Disagrees(const QString& at, const QString& why) const {
    return QStringLiteral("the model of the hand disagrees with the table at %1: %2; the model: %3")
        .arg(at, why, PositionText(Followed.Hand()));
}

QString ModelCheck::Follow(const FrmMain& f, const TableEvent& e) {
    if (!Followed.Following()) return {};
    Followed.SetTarget(f.TargetPoints);
    const QString why = Followed.Follow(e);
    return why.isEmpty() ? QString()
                         : Disagrees(QLatin1Char('"') + EventLine(e) + QLatin1Char('"'), why);
}

QString ModelCheck::AtRest(const FrmMain& f, bool callDrawShown) {
    if (!f.GameInPlay || f.HandOver || f.GameOver) return {};
    if (!Followed.Following()) {
        Dealt(f);
        return {};
    }
    if (const QString why = Followed.AtRest(); !why.isEmpty())
        return Disagrees(QStringLiteral("rest"), why);
    Followed.SetTarget(f.TargetPoints);
    const Position& followed = Followed.Hand();
    const Position table = ModelOfTable(f);
    if (!table.SamePlay(followed))
        return QStringLiteral("the model of the hand differs from the table after a handler:\n"
                              "  the model followed: %1\n  the table's model:  %2")
            .arg(PositionText(followed), PositionText(table));
    if (callDrawShown != (followed.Rebuilds > 0))
        return QStringLiteral("Call Draw shows %1, the model has %2 stock rebuilds")
            .arg(callDrawShown ? "" : "not")
            .arg(followed.Rebuilds);
    ++Compared;
    return {};
}

QString ModelCheck::TryDrops(FrmMain& f, const ViewMemory& shown) {
    const std::optional<Recovery::SavedGame> game = Recovery::SavedGame::Capture(f, shown);
    if (!game) return {};
    // The table is taken up from its file once, by a table of the trial's own
    // view; each drop then plays on a copy of that table.
    TrialView view;
    ViewMemory memory(view);
    FrmMain taken(memory, TableSettings{QString(), QString(), MakeRandomSource(0)});
    if (!game->RestoreInto(taken, memory))
        return QStringLiteral("the table's copy could not be made");
    view.Keep();
    const Position model = ModelOfTable(f);
    for (Rules::Mask hand = model.Held[Model::Player]; hand; hand &= hand - 1) {
        const int n = Rules::CardOfBit(Rules::Lowest(hand));
        for (int target = 0; target <= 6; ++target) {
            const Move move = target ? Move{Move::Lay, uint8_t(n), 0, 0, uint8_t(target)}
                                     : Move{Move::Discard, uint8_t(n)};
            const bool legal = model.IsLegal(move);
            Position after = model;
            if (legal) after.Apply(move);

            view.Reset();
            FrmMain copy(taken);
            copy.Dispatch([&] {
                if (!copy.Cds_MouseDown(n)) return;
                const QPoint at = target ? DropAreas::ColumnPoint(target) : DropAreas::DiscardPoint;
                memory.MoveCard(n, at.x(), at.y());
                copy.Cds_MouseUp(n);
            });
            ++DropsTried;
            const CardRecord& laid = copy.Cards(n);
            const bool taken = target ? laid.Place == Where::InMeld && laid.InColumn(target)
                                      : laid.Place == Where::Discard && copy.FaceCard == n;
            const bool out = copy.HandOver || (view.Discarded && copy.PlayerCount == 0);
            QString why;
            if (!view.Error.isEmpty())
                why = QStringLiteral("the table reported: ") + view.Error;
            else if (taken != legal)
                why = QStringLiteral("the model finds it %1, the table %2")
                          .arg(legal ? "legal" : "not legal", taken ? "takes it" : "refuses it");
            else if (copy.CardsAt(Where::PlayerHand) != after.Held[Model::Player])
                why = QStringLiteral("the hand becomes %1 on the table, %2 in the model")
                          .arg(CardsText(copy.CardsAt(Where::PlayerHand)),
                               CardsText(after.Held[Model::Player]));
            else if (target && copy.MeldIn(target) != after.MeldIn(target))
                why = QStringLiteral("the column becomes %1 on the table, %2 in the model")
                          .arg(MeldText(copy.MeldIn(target)), MeldText(after.MeldIn(target)));
            else if (out != (after.End == Model::Ending::Out))
                why = QStringLiteral("the hand %1 on the table").arg(out ? "ends" : "goes on");
            if (!why.isEmpty())
                return QStringLiteral("the model's verdict on %1 dropped on %2 disagrees with the "
                                      "table: %3; the model: %4")
                    .arg(CardText(n),
                         target ? QStringLiteral("column %1").arg(target)
                                : QStringLiteral("the pile"),
                         why, PositionText(model));
        }
    }
    return {};
}
