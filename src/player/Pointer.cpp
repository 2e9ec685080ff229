// The player's pointer on the card pictures: taking a card, dragging hand
// cards, the drop targets, and the hints shown while hovering.
#include "DropAreas.h"
#include "FrmMain.h"
#include "Pauses.h"

#include <QCoreApplication>

using DropAreas::ColumnBand;
using DropAreas::InDiscardArea;
using DropAreas::InMeldArea;

bool FrmMain::Cds_MouseDown(int n) {
    int place = Cards(n).Place;
    if (place == Where::InMeld || place == Where::DorvilHand || !PlayerTurn) return false;
    if (!PlayerHasDrawn && place == Where::PlayerHand) return false;
    if (PlayerHasDrawn && (place == Where::Stock || place == Where::Discard)) return false;
    // A card already on its way into the hand: this turn's card is taken.
    if (TakingCard) return false;
    if (!PlayerHasDrawn && place == Where::Discard)
        TakeDiscardCard(n);
    else if (!PlayerHasDrawn && place == Where::Stock)
        TakeStockCard();
    else
        StartDrag(n);
    return true;
}

void FrmMain::TakeDiscardCard(int n) {
    TakingCard = true;
    Record(TableEvent::Takes, false, n);
    TakeIntoHand(n);
    CountHandPoints();
    TakingCard = false;
    PlayerHasDrawn = true;
    View.SetText(Ctl::LblInfo, MeldOrDiscardText());
}

// The instruction line once the player has taken a card.
QString FrmMain::MeldOrDiscardText() const {
    //: The instruction line once the player has taken a card; %1 is the player's name.
    return QCoreApplication::translate("PlayerTurn",
                                       "%1 now make Melds if you wish and Discard a card.")
        .arg(PlayerName);
}

void FrmMain::TakeStockCard() {
    --StockCount;
    int k = GetSingleCard();
    if (k == 0) {
        ++StockCount;
        return;
    }
    TakingCard = true;
    Record(TableEvent::Draws, false, k);
    ShowStockCount();
    View.ShowCardImage(k, k);
    MoveToFront(k, 1920, 3600);
    AnimationWait();
    TakeIntoHand(k);
    CountHandPoints();
    TakingCard = false;
    if (StockCount == 0) RebuildStock();
    LayOutStock();
    PlayerHasDrawn = true;
    View.SetText(Ctl::LblInfo, MeldOrDiscardText());
}

void FrmMain::StartDrag(int n) {
    if (!DroppedBefore(n)) {
        DragLeft = View.CardLeft(n);
        DragTop = View.CardTop(n);
    }
    View.SetFollowObject(n);
    View.BringCardToFront(n);
    View.SetFollowEnabled(true);
}

bool FrmMain::Cds_MouseUp(int n) {
    if (!PlayerHasDrawn) return false;
    int place = Cards(n).Place;
    if (place == Where::InMeld || place == Where::DorvilHand || !PlayerTurn ||
        place == Where::Stock || place == Where::Discard)
        return false;
    DroppedBefore(n) = true;
    int left = View.CardLeft(n);
    int top = View.CardTop(n);
    if (InDiscardArea(left, top)) {
        FindOpenColumn();
        if (OpenColumnFound) {
            AskDiscardIncomplete(n);
            if (DiscardConfirmed) DiscardCard(n);
        } else {
            DiscardCard(n);
        }
    } else if (InMeldArea(left, top)) {
        int c = ColumnBand(left);
        if (c == 0) {
            ReturnCardToHand(n);
        } else {
            int open = 0;
            for (int other = 1; other <= 6; ++other)
                if (other != c && Melds(other).InUse && !Melds(other).Done) open = other;
            if (!Rules::MayLayIn(c, open))
                RefuseWrongColumn(n);
            else
                DropOnColumn(c, n);
        }
    } else {
        ReturnCardToHand(n);
    }
    return true;
}

void FrmMain::Cds_Click(int n) {
    (void)n;
    if (!GameInPlay) DealHand();
}

void FrmMain::Cds_MouseMove(int n) {
    View.SetCardPointer(n, 0);
    if (HandOver || GameOver) return;
    int place = Cards(n).Place;
    int image = 0;
    const char* tip = nullptr;
    // The hints shown on a card under the pointer; %1 is the player's name.
    if (!GameInPlay && place == Where::Stock) {
        image = 54, tip = QT_TRANSLATE_NOOP("PlayerTurn", "%1 click here to deal cards.");
    } else if (place == Where::DorvilHand) {
        image = 56,
        tip = QT_TRANSLATE_NOOP("PlayerTurn", "%1 tut, tut, you cannot look at Dorvil;s cards.");
    } else if (!PlayerTurn && place == Where::PlayerHand) {
        image = 56, tip = QT_TRANSLATE_NOOP("PlayerTurn", "%1 it is not your turn at present.");
    } else if (PlayerTurn && place == Where::PlayerHand && !PlayerHasDrawn) {
        image = 56, tip = QT_TRANSLATE_NOOP("PlayerTurn", "%1 you must first take a card.");
    } else if (place == Where::PlayerHand && PlayerTurn && PlayerHasDrawn) {
        image = 55,
        tip = QT_TRANSLATE_NOOP("PlayerTurn", "%1 push cards to a Meld or the Discard pile.");
    } else if (place == Where::InMeld) {
        image = 56,
        tip = QT_TRANSLATE_NOOP(
            "PlayerTurn", "%1 you may only click on UpCarrd or Stock card - at  the right time.");
    } else if (!PlayerHasDrawn && place == Where::Discard) {
        image = 54, tip = QT_TRANSLATE_NOOP("PlayerTurn", "%1 click to take a Discard card.");
    } else if (!PlayerHasDrawn && place == Where::Stock) {
        image = 54, tip = QT_TRANSLATE_NOOP("PlayerTurn", "%1 click to take a Stock card.");
    } else if (PlayerHasDrawn && (place == Where::Stock || place == Where::Discard)) {
        image = 56,
        tip = QT_TRANSLATE_NOOP("PlayerTurn", "%1 you have already taken a card this turn..");
    }
    if (!tip) return;
    View.SetCardPointer(n, image);
    View.SetCardToolTip(n, QCoreApplication::translate("PlayerTurn", tip).arg(PlayerName));
}
