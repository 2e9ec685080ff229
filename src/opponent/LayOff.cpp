// Dorvil laying cards off onto complete melds, and choosing and making his
// discard.
#include "FrmMain.h"
#include "Pauses.h"

void FrmMain::OppLayOff() {
    const int hand = HandSerial;
    for (int c = 1; c <= 6; ++c) {
        if (Melds(c).Done && Melds(c).IsSet) {
            ScanIndex = c;
            OppLayOffOnSet(c);
            if (HandChanged(hand)) return;
        }
    }
    for (int c = 1; c <= 6; ++c) {
        if (Melds(c).Done && Melds(c).IsRun) {
            ScanIndex = c;
            OppLayOffOnRun(c);
            if (HandChanged(hand)) return;
        }
    }
}

// A pass visits the positions of the list as it stands when the pass begins;
// the list closes up behind each card laid off, so the card that followed it
// is not visited in the same pass. A run is extended below in the first pass
// and above in the three others.
void FrmMain::OppLayOffOnSet(int c) {
    if (!Melds(c).Done) return;
    const int hand = HandSerial;
    const int last = OppCount;
    Rules::Meld meld = MeldIn(c);
    for (int i = 1; i <= last; ++i) {
        if (Rules::Joins(meld, OppCards(i).Card)) {
            OppAddToColumn(c, OppCards(i).Card);
            SettleHand();
            if (HandChanged(hand)) return;
            meld = MeldIn(c);
        }
    }
}

void FrmMain::OppLayOffOnRun(int c) {
    if (!Melds(c).Done) return;
    const int hand = HandSerial;
    for (int pass = 0; pass < 4; ++pass) {
        const int last = OppCount;
        Rules::Meld meld = MeldIn(c);
        for (int i = 1; i <= last; ++i) {
            const MeldColumn& m = Melds(c);
            const int n = OppCards(i).Card;
            if (Rules::Joins(meld, n) && (pass == 0 ? n < m.Low : n > m.High)) {
                OppAddToColumn(c, OppCards(i).Card);
                SettleHand();
                if (HandChanged(hand)) return;
                meld = MeldIn(c);
            }
        }
    }
}

void FrmMain::OppAddToColumn(int c, int n) {
    if (!Rules::MayLayOff(MadeMeld(2))) return;
    // Stale list entries past the hand's end may name a card already laid.
    if (Cards(n).Place != Where::DorvilHand) return;
    MeldColumn& m = Melds(c);
    ++m.Count;
    m.Slot(m.Count) = n;
    Cards(n).Place = Where::InMeld;
    Cards(n).InColumn(c) = true;
    Record(TableEvent::LaysOff, true, n, c);
    AnimToColumn(c, n);
    LayOutColumn(c);
    OppRemoveCard();
    PlayDownSound();
}

void FrmMain::OppChooseDiscard() {
    if (Busy(2)) return;
    Busy(2) = true;
    const int n = OppCount;
    auto R = [&](int k) { return OppCards(k).Rank; };
    auto C = [&](int k) { return OppCards(k).Card; };
    int chosen = 0;
    if (n >= 8 && n <= 11 && R(n) == R(n - 1)) chosen = R(n - 2) == R(n - 3) ? C(n - 4) : C(n - 2);
    for (int i = 1; i <= n && chosen == 0; ++i)
        if (C(i) != OppTookFace) chosen = C(i);
    if (chosen == 0) return; // his one card is the one he just took
    FaceCard = chosen;
    AnimOppDiscard(FaceCard);
    OppDiscard();
}

void FrmMain::AnimOppDiscard(int n) {
    AnimationPause = Pauses::Slow;
    View.ShowCardImage(n, n);
    for (auto [left, top] : {std::pair{3120, 2400}, std::pair{2520, 3960}, std::pair{1440, 5040}}) {
        MoveToFront(n, left, top);
        AnimationWait();
    }
    PlayCardSound();
    AnimationPause = Pauses::Normal;
}

void FrmMain::OppDiscard() {
    Cards(FaceCard).Place = Where::Discard;
    Record(TableEvent::Discards, true, FaceCard);
    OppRemoveCard();
    View.MoveCard(FaceCard, 680, 5160);
    PlayCardSound();
    View.ShowCardImage(FaceCard, FaceCard);
    View.BringCardToFront(FaceCard);
    SettleHand();
}

void FrmMain::OppRemoveCard() {
    --OppCount;
    LayOutOppHand();
}
