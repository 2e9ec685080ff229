// The stock: random draws, the new-hand reset, the deal with its hops, the
// layouts of the stock and of Dorvil's hand, and the rebuild of an empty stock.
#include "FrmMain.h"
#include "Pauses.h"

#include <QCoreApplication>
#include <cmath>

// The stock is never shuffled as a sequence: every draw picks at random among
// the cards still in it. A draw that rounds to 0 is thrown away, so card 52
// (reached only from 51.5 up) comes half as often as the others.
int FrmMain::GetSingleCard() {
    try {
        bool any = false;
        for (int n = 1; n <= 52 && !any; ++n)
            any = Cards(n).Place == Where::Stock;
        if (!any) return 0; // nothing to draw: never loop for ever
        // A practice hand draws its kept order while it lasts; a card no
        // longer in the stock (its order after a rebuild) is drawn at random.
        while (Practice && StackedNext < Stacked.size()) {
            const int k = Stacked[StackedNext++];
            if (k >= 1 && k <= 52 && Cards(k).Place == Where::Stock) return k;
        }
        for (;;) {
            double x = Settings.Random() * 52.0;
            int k = static_cast<int>(std::nearbyint(x));
            if (k >= 1 && k <= 52 && Cards(k).Place == Where::Stock) return k;
        }
    } catch (const std::exception& error) {
        ReportUnexpected("GetSingleCard", error);
        return 0;
    }
}

void FrmMain::NewHand() {
    if (Practice && PracticeDealt) EndPractice();
    PracticeDealt = Practice;
    View.NewHandStarting();
    View.SetFollowEnabled(false);
    BeginNewHandSerial();
    View.SetPanelText(4, QString());
    MadeMeld(1) = false;
    MadeMeld(2) = false;
    View.SetVisible(Ctl::PicDraw, false);
    for (int n = 1; n <= 52; ++n) {
        OppCards(n) = OppCardEntry{-1, -1, -1};
        Cards(n).Place = Where::Stock;
    }
    for (int c = 1; c <= 6; ++c)
        for (int n = 1; n <= 52; ++n)
            if (Cards(n).InColumn(c)) {
                Cards(n).InColumn(c) = false;
                DroppedBefore(n) = false;
            }
    for (int c = 1; c <= 6; ++c)
        Melds(c) = MeldColumn{};
    PlayerHasDrawn = false;
    OppTookFace = 0;
    FaceCard = 0;
    Busy(1) = Busy(2) = false;
    OppTurn = HandOver = OpenColumnFound = DiscardConfirmed = false;
    ScanIndex = OpenColumn = PlayerCount = OppCount = DragLeft = DragTop = 0;
    PlayerTurn = false;
    PlayerHandPoints = OppHandPoints = 0;
    TakingCard = false;
    if (GameOver) {
        GameOver = HandOver = false;
        OppScore = PlayerScore = 0;
        View.SetPanelText(2, QString());
        View.SetPanelText(3, QString());
        View.SetPanelText(4, QString());
    }
    PlacePackDeal();
    DealHand();
}

void FrmMain::DealHand() {
    BeginNewHandSerial();
    SeatDorvil();
    LayOutStock();
    SetStatusPlayer(PlayerPointsText());
    SetStatusDorvil(DorvilPointsText());
    SetStatusTarget();
    View.SetText(Ctl::LblNoWonP, WonHeading());
    View.SetText(Ctl::LblGowes, OwedHeading());
    View.SetText(Ctl::LblName2, QStringLiteral("Dorvil"));
    for (Menu m : {Menu::MnuPlay, Menu::MnuAbout, Menu::MnuHelp, Menu::MnuOptions})
        View.EnableMenu(m, false);
    View.SetVisible(Ctl::PicSortSame, false);
    View.SetVisible(Ctl::PicSortSuits, false);
    GameInPlay = true;
    if (PlayerDeals) {
        //: The instruction line while the player deals; %1 is the player's name.
        View.SetText(
            Ctl::LblInfo,
            QCoreApplication::translate("Table", "%1 It's your turn to Deal.").arg(PlayerName));
        for (int i = 0; i < 10; ++i) {
            DealToOpp();
            DealToPlayer();
        }
    } else {
        //: The instruction line while Dorvil deals.
        View.SetText(Ctl::LblInfo,
                     QCoreApplication::translate("Table", " It's Dorvil's turn to deal"));
        for (int i = 0; i < 10; ++i) {
            DealToPlayer();
            DealToOpp();
        }
    }
    FaceCard = GetSingleCard();
    --StockCount;
    //: Under the stock once the face card is turned; %1 is the number of cards in the stock.
    View.SetText(Ctl::Lblcardsleft,
                 QCoreApplication::translate("Table", " In Stock %1").arg(StockCount));
    Cards(FaceCard).Place = Where::Discard;
    View.MoveCard(FaceCard, 680, 5160);
    PlayCardSound();
    View.ShowCardImage(FaceCard, FaceCard);
    View.BringCardToFront(FaceCard);
    if (!PlayerDeals) AnimationWait();
    LayOutStock();
    LayOutHand(SortBySuit);
    if (PlayerDeals) {
        PlayerDeals = false;
        PlayerTurn = false;
        OppTurn = true;
    } else {
        PlayerDeals = true;
        PlayerTurn = true;
        OppTurn = false;
    }
    CountHandPoints();
    View.SetVisible(Ctl::PicSortSame, true);
    View.SetVisible(Ctl::PicSortSuits, true);
    CountHandPoints();
    for (int n = 1; n <= 52; ++n)
        DealtTo[n] = n == FaceCard                          ? DealtFace
                     : Cards(n).Place == Where::PlayerHand ? DealtPlayer
                     : Cards(n).Place == Where::DorvilHand ? DealtDorvil
                                                           : DealtStock;
    View.HandDealt();
    PassTurn();
}

void FrmMain::DealToOpp() {
    AnimationPause = Pauses::Dealing;
    --StockCount;
    int k = GetSingleCard();
    Cards(k).Place = Where::DorvilHand;
    MoveToFront(k, 3840, 2046);
    AnimationWait();
    View.MoveCard(k, 3720, 1080);
    ++OppCount;
    ShowStockCount();
    LayOutOppHand();
    PlayCardSound();
    AnimationPause = Pauses::Normal;
}

void FrmMain::DealToPlayer() {
    AnimationPause = Pauses::Dealing;
    int k = GetSingleCard();
    Cards(k).Place = Where::PlayerHand;
    MoveToFront(k, 4200, 5040);
    AnimationWait();
    View.MoveCard(k, 5360, 6600);
    PlayCardSound();
    ++PlayerCount;
    --StockCount;
    ShowStockCount();
    LayOutHand(true);
    LayOutHandBacks();
    AnimationPause = Pauses::Normal;
}

void FrmMain::LayOutOppHand() {
    int k = 1;
    int x = 3360;
    for (int n = 1; n <= 52; ++n) {
        if (Cards(n).Place != Where::DorvilHand) continue;
        OppCards(k) = OppCardEntry{n, Cards(n).Suit, Cards(n).Rank};
        View.ShowCardImage(n, 53);
        MoveToFront(n, x, 600);
        x += 175;
        ++k;
    }
    AnimationPause = Pauses::Normal;
}

void FrmMain::LayOutHandBacks() {
    int x = 3360;
    for (int n = 1; n <= 52; ++n) {
        if (Cards(n).Place != Where::PlayerHand) continue;
        View.ShowCardImage(n, 53);
        MoveToFront(n, x, 7560);
        x += 400;
    }
}

void FrmMain::LayOutStock() {
    int x = 650;
    int y = 2490;
    for (int n = 1; n <= 52; ++n) {
        if (Cards(n).Place != Where::Stock) continue;
        View.SetCardVisible(n, true);
        View.ShowCardImage(n, 53);
        MoveToFront(n, x, y);
        x += 2;
        y -= 2;
    }
}

// Called by either side's draw when it has just emptied the stock.
void FrmMain::RebuildStock() {
    DeluxeMsg(QCoreApplication::translate(
                  "Table", "Stock is empty so replacing with all Discard cards except face card"),
              //: A message box's button: the player has read the message.
              QCoreApplication::translate("Table", "O.K."), QString(), QString(), 2,
              //: A message box's title.
              QCoreApplication::translate("Table", "Replacing Stock"));
    int moved = 0;
    for (int n = 1; n <= 52; ++n) {
        if (n != FaceCard && Cards(n).Place == Where::Discard) {
            Cards(n).Place = Where::Stock;
            ++StockCount;
            ++moved;
            ShowStockCount();
        }
    }
    Record(TableEvent::StockReplaced, false, 0, 0, moved);
    View.SetVisible(Ctl::PicDraw, true);
}
