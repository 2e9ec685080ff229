// Dorvil's judgement on the face card, the runs and sets he lays, and the
// placing of the cards of a new meld. Fixed rules, no look-ahead, no chance:
// the same table always gives the same play.
#include "FrmMain.h"
#include "Pauses.h"

bool FrmMain::OppWantsFaceCard() {
    const int f = FaceCard;
    const CardRecord& face = Cards(f);
    // A card that a complete meld takes, he can lay off.
    for (int c = 1; c <= 6; ++c)
        if (Melds(c).Done && Rules::Joins(MeldIn(c), f)) return true;
    if (OppCount > 1) {
        for (int i = 2; i <= OppCount; ++i)
            if (OppCards(i).Card == OppCards(i - 1).Card + 1 && OppCards(i).Suit == face.Suit &&
                f == OppCards(i).Card + 1)
                return true;
    }
    for (int i = 2; i <= OppCount; ++i)
        if (OppCards(i).Suit == OppCards(i - 1).Suit &&
            OppCards(i).Card == OppCards(i - 1).Card + 2 && f == OppCards(i).Card - 1)
            return true;
    OppCountRanks();
    for (int r = 1; r <= 13; ++r)
        if (OppPairRank(r) && face.Rank == r) return true;
    for (int r = 1; r <= 13; ++r)
        if (OppTripleRank(r) && face.Rank == r) return true;
    return false;
}

void FrmMain::OppCountRanks() {
    OppPairRank.Fill(false);
    OppTripleRank.Fill(false);
    OppQuadRank.Fill(false);
    Arr1<int, 13> count;
    for (int i = 1; i <= OppCount; ++i)
        ++count(OppCards(i).Rank);
    for (int r = 1; r <= 13; ++r) {
        OppPairRank(r) = count(r) == 2;
        OppTripleRank(r) = count(r) == 3;
        OppQuadRank(r) = count(r) == 4;
    }
}

// The first chain of three or more in the hand list, of which the three
// highest cards are laid; the scan stops short of the last two positions.
void FrmMain::OppFindRun() {
    int pos = 1;
    int len = 0;
    for (;;) {
        if (pos >= OppCount - 1) // (a hand of one card would otherwise never stop)
            return;
        int next = OppFindNextInSuit(pos, OppCards(pos).Suit);
        if (next > 0) {
            pos = next;
            ++len;
        } else if (len >= 2) {
            OppRunLow = OppCards(pos).Card - 2;
            OppRunMid = OppCards(pos).Card - 1;
            OppRunHigh = OppCards(pos).Card;
            OppLayRun();
            OppRunLow = OppRunMid = OppRunHigh = 0;
            return;
        } else {
            OppRunLow = OppRunMid = OppRunHigh = 0;
            ++pos;
            len = 0;
        }
    }
}

int FrmMain::OppFindNextInSuit(int pos, int suit) {
    for (int i = 1; i <= OppCount; ++i)
        if (OppCards(i).Rank == OppCards(pos).Rank + 1 && OppCards(i).Suit == suit) return i;
    return 0;
}

bool FrmMain::IsInDorvilsHand(int n) const {
    for (int i = 1; i <= OppCount; ++i)
        if (OppCards(i).Card == n) return true;
    return false;
}

void FrmMain::OppLayRun() {
    int before = ScanIndex;
    ScanIndex = 0;
    FindFreeColumn();
    if (ScanIndex == 0) {
        ScanIndex = before;
        return;
    }
    const int c = ScanIndex;
    const int hand = HandSerial;
    Melds(c).RunSuit = Cards(OppRunLow).Suit;
    if (IsInDorvilsHand(OppRunLow) && Melds(c).Count == 0) OppMeldFirst(c, OppRunLow);
    if (IsInDorvilsHand(OppRunMid) && Melds(c).Count == 1) OppMeldSecond(c, OppRunMid);
    if (IsInDorvilsHand(OppRunHigh) && Melds(c).Count == 2) {
        OppMeldThird(c, OppRunHigh);
        if (!HandChanged(hand)) MadeMeld(2) = true;
    }
}

void FrmMain::OppFindSet() {
    OppCountRanks();
    int r = 0;
    for (int rank = 1; rank <= 13 && r == 0; ++rank)
        if (OppQuadRank(rank) || OppTripleRank(rank)) r = rank;
    if (r == 0) return;
    int before = ScanIndex;
    ScanIndex = 0;
    FindFreeColumn();
    if (ScanIndex == 0) {
        ScanIndex = before;
        return;
    }
    const int c = ScanIndex;
    auto firstOfRank = [&] {
        for (int i = 1; i <= OppCount; ++i)
            if (OppCards(i).Rank == r) return OppCards(i).Card;
        return 0;
    };
    int n = firstOfRank();
    if (n && Melds(c).Count == 0) OppMeldFirst(c, n);
    n = firstOfRank();
    if (n && Melds(c).Count == 1) OppMeldSecond(c, n);
    n = firstOfRank();
    if (n && Melds(c).Count == 2) OppMeldThird(c, n);
}

void FrmMain::FindFreeColumn() {
    for (int c = 1; c <= 6; ++c)
        if (!Melds(c).InUse) {
            ScanIndex = c;
            return;
        }
}

void FrmMain::OppMeldFirst(int c, int n) {
    OppMeldCard(c, n, 1);
}

void FrmMain::OppMeldSecond(int c, int n) {
    OppMeldCard(c, n, 2);
}

void FrmMain::OppMeldCard(int c, int n, int k) {
    MeldColumn& m = Melds(c);
    if (k == 1) m.InUse = true;
    m.Count = k;
    m.Slot(k) = n;
    Cards(n).Place = Where::InMeld;
    Cards(n).InColumn(c) = true;
    Record(TableEvent::Melds, true, n, c);
    AnimToColumn(c, n);
    LayOutColumn(c);
    OppRemoveCard();
    PlayDownSound();
}

void FrmMain::OppMeldThird(int c, int n) {
    MeldColumn& m = Melds(c);
    m.Count = 3;
    m.Slot(3) = n;
    m.Done = true;
    Record(TableEvent::Melds, true, n, c);
    AnimToColumn(c, n);
    if (Rules::ShapeOf(MeldIn(c).Cards) == Rules::Shape::Set)
        m.IsSet = true;
    else
        m.IsRun = true;
    Cards(n).Place = Where::InMeld;
    LayOutColumn(c);
    OppRemoveCard();
    PlayDownSound();
    MadeMeld(2) = true;
    if (OppCount == 0) SettleHand();
}

void FrmMain::AnimToColumn(int c, int n) {
    AnimationPause = Pauses::Slow;
    View.ShowCardImage(n, n);
    MoveToFront(n, 4440, 1440);
    AnimationWait();
    MoveToFront(n, 4320, 2520);
    AnimationWait();
    Cards(n).Place = Where::InMeld;
    Cards(n).InColumn(c) = true;
    AnimationPause = Pauses::Normal;
}
