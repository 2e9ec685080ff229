// The checks of a recovered table, made on a scratch copy before the real
// table is touched: anything the game could not have left behind is refused,
// so that no value read from a file can take the game out of its ranges.
#include "RestingTable.h"

#include "FrmMain.h"
#include "ViewMemory.h"

#include <algorithm>

namespace Recovery {

namespace {

QString Problem(const char* format, int a = 0, int b = 0, int c = 0) {
    return QString::asprintf(format, a, b, c);
}

bool In(int value, int low, int high) {
    return value >= low && value <= high;
}

int SuitOf(int n) {
    return 5 + (n - 1) / 13;
}
int RankOf(int n) {
    return 1 + (n - 1) % 13;
}

QString CheckCards(const FrmMain& f, int (&inColumn)[7][14], int (&columnSize)[7]) {
    int inPlace[10] = {};
    for (int n = 1; n <= 52; ++n) {
        const CardRecord& card = f.Cards(n);
        if (card.Suit != SuitOf(n) || card.Rank != RankOf(n))
            return Problem("card %d has suit %d and rank %d", n, card.Suit, card.Rank);
        if (!In(card.Place, 1, 4) && card.Place != Where::InMeld)
            return Problem("card %d has no place (%d)", n, card.Place);
        ++inPlace[card.Place];
        int columns = 0;
        for (int c = 1; c <= 6; ++c)
            if (card.InColumn(c)) {
                ++columns;
                if (columnSize[c] < 13) inColumn[c][columnSize[c]] = n;
                ++columnSize[c];
            }
        if (columns != (card.Place == Where::InMeld ? 1 : 0))
            return Problem("card %d with place %d lies in %d columns", n, card.Place, columns);
    }
    if (inPlace[Where::PlayerHand] != f.PlayerCount || inPlace[Where::DorvilHand] != f.OppCount ||
        inPlace[Where::Stock] != f.StockCount)
        return Problem("the hands and the stock hold %d, %d and %d cards, not as counted",
                       inPlace[Where::PlayerHand], inPlace[Where::DorvilHand],
                       inPlace[Where::Stock]);
    if (f.FaceCard != 0 && f.Cards(f.FaceCard).Place == Where::Stock)
        return Problem("the face card %d lies in the stock", f.FaceCard);
    return {};
}

Rules::Mask MaskOf(const int* cards, int count) {
    Rules::Mask m = 0;
    for (int i = 0; i < count; ++i)
        m |= Rules::Bit(cards[i]);
    return m;
}

QString CheckColumn(const FrmMain& f, int c, const int* cards, int count) {
    const MeldColumn& m = f.Melds(c);
    if (count > 13 || m.Count != count)
        return Problem("column %d holds %d cards, its count says %d", c, count, m.Count);
    if (!Rules::IsMeld(MaskOf(cards, count)))
        return Problem("column %d is neither a set nor a run", c);
    if (m.InUse != (count > 0) || m.Done != (count >= 3))
        return Problem("column %d with %d cards is marked in use %d", c, count, m.InUse);
    for (int k = 1; k <= 13; ++k) {
        const int slot = m.Slot(k);
        if (k > count ? slot != 0 : std::count(cards, cards + count, slot) != 1)
            return Problem("column %d: slot %d holds card %d", c, k, slot);
        if (k <= count && std::count(&m.Slot(1), &m.Slot(1) + count, slot) != 1)
            return Problem("column %d names card %d twice", c, slot);
    }
    if (!In(m.Low, 0, 52) || !In(m.High, 0, 52) || !(In(m.RunSuit, 5, 8) || In(m.RunSuit, -1, 0)))
        return Problem("column %d: lowest %d, highest %d", c, m.Low, m.High);
    if (count == 0) return {};
    if (m.Low != cards[0] || m.High != cards[count - 1])
        return Problem("column %d: lowest and highest say %d and %d", c, m.Low, m.High);
    if (count < 2) return {};
    const bool set = Rules::ShapeOf(MaskOf(cards, count)) == Rules::Shape::Set;
    if (m.IsSet != set || m.IsRun != !set || (!set && m.RunSuit != SuitOf(cards[0])))
        return Problem("column %d: marked set %d run %d", c, m.IsSet, m.IsRun);
    return {};
}

QString CheckDorvilsList(const FrmMain& f) {
    int i = 0;
    for (int k = 1; k <= 52; ++k) {
        const OppCardEntry& e = f.OppCards(k);
        const bool blank = (e.Card == -1 && e.Suit == -1 && e.Rank == -1) ||
                           (e.Card == 0 && e.Suit == 0 && e.Rank == 0);
        if (!blank && !(In(e.Card, 1, 52) && e.Suit == SuitOf(e.Card) && e.Rank == RankOf(e.Card)))
            return Problem("Dorvil's hand list holds card %d at %d", e.Card, k);
    }
    for (int n = 1; n <= 52; ++n)
        if (f.Cards(n).Place == Where::DorvilHand && f.OppCards(++i).Card != n)
            return Problem("Dorvil's hand list names card %d at %d, he holds %d",
                           f.OppCards(i).Card, i, n);
    return {};
}

QString CheckNumbers(const FrmMain& f) {
    for (int value : {int(f.PlayerScore), int(f.OppScore), int(f.PlayerGamesWon),
                      int(f.OppGamesWon), int(f.PlayerMoney), int(f.OppMoney)})
        if (value < 0) return Problem("a score or a statistic is %d", value);
    if (!In(f.TargetPoints, 25, 500)) return Problem("target points %d", f.TargetPoints);
    if (!In(f.FaceCard, 0, 52) || !In(f.OppTookFace, 0, 52))
        return Problem("face card %d, taken %d", f.FaceCard, f.OppTookFace);
    for (int card : {f.OppRunLow, f.OppRunMid, f.OppRunHigh})
        if (!In(card, -1, 52)) return Problem("a card numbered %d", card);
    if (!In(f.OpenColumn, 0, 6) || !In(f.ScanIndex, 0, 6))
        return Problem("column %d or %d", f.OpenColumn, f.ScanIndex);
    if (!In(f.PlayerHandPoints, 0, 52 * 13) || !In(f.OppHandPoints, 0, 52 * 13))
        return Problem("hand points %d and %d", f.PlayerHandPoints, f.OppHandPoints);
    if (!In(f.DorvilChosen, DorvilClassic, DorvilExpert) ||
        !In(f.DorvilAtTable, DorvilClassic, DorvilExpert))
        return Problem("dorvil %d %d", f.DorvilChosen, f.DorvilAtTable);
    if (!In(f.DeluxeChoice, 0, 2) || !In(f.AnimationPause, 0, 60000) || f.HandSerial < 0)
        return Problem("choice %d, pause %d, hand %d", f.DeluxeChoice, f.AnimationPause,
                       f.HandSerial);
    const int far = 1 << 24; // twips; a card dropped off the window is still well inside
    if (!In(f.DragLeft, -far, far) || !In(f.DragTop, -far, far))
        return Problem("a drag began at %d, %d", f.DragLeft, f.DragTop);
    if (f.PlayerName.size() > 65536) return QStringLiteral("the name is too long");
    for (int n = 1; n <= 52; ++n)
        if (!In(f.DealtTo[n], int(FrmMain::DealtStock), int(FrmMain::DealtFace)))
            return Problem("card %d was dealt to %d", n, f.DealtTo[n]);
    for (const TableEvent& e : f.HandLog)
        if (!In(e.What, TableEvent::Takes, TableEvent::HandSettled) || !In(e.Card, 0, 52) ||
            !In(e.Column, 0, 6) || !In(e.Count, 0, 32767))
            return Problem("an event of kind %d, card %d, column %d", e.What, e.Card, e.Column);
    return {};
}

QString CheckPicture(const TablePicture& p) {
    const int far = 1 << 24;
    for (int n = 1; n <= 52; ++n) {
        const TablePicture::CardShown& c = p.Cards[size_t(n)];
        if (!In(c.Left, -far, far) || !In(c.Top, -far, far) || !In(c.Image, 0, 53) ||
            !In(c.Visible, -1, 1) || !(c.Pointer == 0 || In(c.Pointer, 54, 56)))
            return Problem("card picture %d shows image %d at %d", n, c.Image, c.Left);
    }
    std::vector<int> stacking = p.Stacking;
    std::sort(stacking.begin(), stacking.end());
    if (std::adjacent_find(stacking.begin(), stacking.end()) != stacking.end() ||
        (!stacking.empty() && (stacking.front() < 0 || stacking.back() > 52)))
        return QStringLiteral("the card pictures' order names a picture twice or none");
    const bool frameShown = p.Shown[size_t(Ctl::FramTarget)] == 1;
    if (frameShown && !std::binary_search(stacking.begin(), stacking.end(), 0))
        return QStringLiteral("the target frame is shown but has no place among the cards");
    for (int v : p.Shown)
        if (!In(v, -1, 1)) return Problem("a control shown %d", v);
    for (int v : p.MenuEnabled)
        if (!In(v, -1, 1)) return Problem("a menu enabled %d", v);
    if (!In(p.FollowObject, 0, 52) || !In(p.DorvilSeated, -1, 2))
        return Problem("the drag follows card %d", p.FollowObject);
    if (p.Following) return QStringLiteral("a card was being dragged");
    return {};
}

} // namespace

QString RestingTableProblem(const FrmMain& f, const TablePicture& picture) {
    if (!f.GameInPlay || f.GameOver || f.HandOver)
        return QStringLiteral("it holds no game in progress");
    if (f.PlayerTurn == f.OppTurn) return QStringLiteral("it is neither side's turn, or both's");
    int inColumn[7][14] = {};
    int columnSize[7] = {};
    QString problem = CheckNumbers(f);
    if (problem.isEmpty()) problem = CheckCards(f, inColumn, columnSize);
    int open = 0;
    for (int c = 1; c <= 6 && problem.isEmpty(); ++c) {
        problem = CheckColumn(f, c, inColumn[c], columnSize[c]);
        if (problem.isEmpty() && (columnSize[c] == 1 || columnSize[c] == 2) && ++open > 1)
            problem = QStringLiteral("two columns hold an open meld");
    }
    if (problem.isEmpty()) problem = CheckDorvilsList(f);
    if (problem.isEmpty()) problem = CheckPicture(picture);
    return problem.isEmpty() ? QString()
                             : QStringLiteral("the table it holds is wrong: ") + problem;
}

} // namespace Recovery
