// The hand-over of turns, and Dorvil's whole turn in its fixed order: draw,
// one run, up to two sets, two lay-off passes, discard.
#include "FrmMain.h"
#include "Pauses.h"

#include <QCoreApplication>

void FrmMain::PassTurn() {
    for (Menu m : {Menu::MnuExit, Menu::MnuHelp, Menu::MnuAbout, Menu::MnuOptions, Menu::MnuPlay})
        View.EnableMenu(m, true);
    SettleHand();
    Busy(1) = false;
    Busy(2) = false;
    if (PlayerTurn) {
        //: The instruction line at the start of the player's turn; %1 is the player's name.
        View.SetText(Ctl::LblInfo, QCoreApplication::translate(
                                       "Dorvil", "%1 please take either a Discard card or a Stock "
                                                 "card by clicking on the one you want")
                                       .arg(PlayerName));
        PlayerHasDrawn = false;
    } else {
        Busy(2) = false;
        //: The instruction line during Dorvil's turn.
        View.SetText(Ctl::LblInfo,
                     QCoreApplication::translate("Dorvil", "Dorvil is now playing his hand."));
        OppPlay();
    }
}

// Every step may settle the hand (and the settlement may deal the next one);
// the turn then ends at once, whatever hand is on the table now.
void FrmMain::OppPlay() {
    if (DorvilAtTable != DorvilClassic) {
        SharpPlay();
        return;
    }
    if (HandOver || GameOver || Busy(2)) return;
    const int hand = HandSerial;
    bool stockEmpty = true;
    for (int n = 1; n <= 52 && stockEmpty; ++n)
        stockEmpty = Cards(n).Place != Where::Stock;
    bool faceOnPile = FaceCard != 0 && Cards(FaceCard).Place == Where::Discard;
    // With the stock empty even after its rebuild, the face card is all there is.
    if (faceOnPile && (OppWantsFaceCard() || stockEmpty))
        OppTakeFaceCard();
    else if (!stockEmpty)
        OppTakeStockCard();
    if (HandChanged(hand)) return;
    OppFindRun();
    if (HandChanged(hand)) return;
    OppFindSet();
    if (HandChanged(hand) || OppCount == 0) return;
    OppFindSet();
    if (HandChanged(hand) || OppCount == 0) return;
    OppLayOff();
    if (HandChanged(hand) || OppCount == 0) return;
    OppLayOff();
    if (HandChanged(hand) || OppCount == 0) return;
    if (!Busy(2)) {
        OppChooseDiscard();
        Busy(2) = true;
    }
    if (HandChanged(hand)) return;
    LayOutOppHand();
    PlayerTurn = true;
    OppTurn = false;
    PassTurn();
}

void FrmMain::OppTakeFaceCard() {
    Cards(FaceCard).Place = Where::DorvilHand;
    OppTookFace = FaceCard;
    ++OppCount;
    Record(TableEvent::Takes, true, FaceCard);
    AnimFaceToOpp(FaceCard);
    LayOutOppHand();
}

void FrmMain::AnimFaceToOpp(int n) {
    AnimationPause = Pauses::Slow;
    MoveToFront(n, 2520, 4080);
    AnimationWait();
    MoveToFront(n, 3480, 2400);
    AnimationWait();
    MoveToFront(n, 4200, 1200);
    PlayCardSound();
    AnimationPause = Pauses::Normal;
}

void FrmMain::OppTakeStockCard() {
    --StockCount;
    int n = GetSingleCard();
    if (n == 0) {
        ++StockCount;
        return;
    }
    Cards(n).Place = Where::DorvilHand;
    ++OppCount;
    Record(TableEvent::Draws, true, n);
    ShowStockCount();
    AnimStockToOpp(n);
    if (StockCount == 0) RebuildStock();
    LayOutStock();
    LayOutOppHand();
}

void FrmMain::AnimStockToOpp(int n) {
    AnimationPause = Pauses::Slow;
    MoveToFront(n, 1926, 1800);
    AnimationWait();
    MoveToFront(n, 3360, 840);
    AnimationWait();
    LayOutOppHand();
    AnimationPause = Pauses::Normal;
}
