// The player's hand: its layout in either sort order, a taken card sliding in,
// a dropped card going back, the discard that ends the turn, and taking an
// open meld back.
#include "FrmMain.h"
#include "Pauses.h"

#include <QCoreApplication>

void FrmMain::LayOutHand(bool bySuit) {
    if (PlayerCount == 0) return;
    int x = 3360;
    auto place = [&](int n) {
        View.ShowCardImage(n, n);
        MoveToFront(n, x, 7560);
        x += 400;
    };
    if (bySuit) {
        for (int n = 1; n <= 52; ++n)
            if (Cards(n).Place == Where::PlayerHand) place(n);
    } else {
        for (int rank = 1; rank <= 13; ++rank)
            for (int n = rank; n <= 52; n += 13)
                if (Cards(n).Place == Where::PlayerHand) place(n);
    }
    AnimationPause = Pauses::Normal;
}

void FrmMain::LblSortSame_Click() {
    SortBySuit = false;
    LayOutHand(false);
}

void FrmMain::LblSortSuits_Click() {
    SortBySuit = true;
    LayOutHand(true);
}

void FrmMain::TakeIntoHand(int n) {
    AnimationPause = Pauses::Slow;
    ++PlayerCount;
    for (auto [left, top] : {std::pair{1680, 5760}, std::pair{2760, 6960}, std::pair{3240, 7680}}) {
        MoveToFront(n, left, top);
        AnimationWait();
    }
    Cards(n).Place = Where::PlayerHand;
    LayOutHand(SortBySuit);
    AnimationPause = Pauses::Normal;
}

void FrmMain::ReturnCardToHand(int n) {
    View.SetFollowEnabled(false);
    View.SetCardVisible(n, false);
    View.MoveCard(n, DragLeft, DragTop);
    View.SetCardVisible(n, true);
    Record(TableEvent::Returns, false, n);
    LayOutHand(SortBySuit);
}

void FrmMain::AskDiscardIncomplete(int n) {
    View.SetFollowEnabled(false);
    //: A message box when a card is discarded while a meld of one or two cards is open; the
    //: buttons are "Discard" and "Go Back", the button below the cards is "Take Back".
    DeluxeMsg(QCoreApplication::translate(
                  "PlayerTurn",
                  "You have an incomplete Meld. Do you still wish to Discard this card?. If so "
                  "click Discard, or Go Back to continue melding.You can take back card Melded "
                  "by clicking on Button below your cards."),
              //: A message box's button: discard the card all the same.
              QCoreApplication::translate("PlayerTurn", "Discard"),
              //: A message box's button: do not discard, go on melding.
              QCoreApplication::translate("PlayerTurn", "Go Back"), QString(), 1,
              QCoreApplication::translate("PlayerTurn", "Discard or Not"));
    if (DeluxeChoice == 0) {
        DiscardConfirmed = true;
    } else if (DeluxeChoice == 1) {
        View.SetFollowEnabled(false);
        View.MoveCard(n, DragLeft, DragTop);
        Record(TableEvent::Returns, false, n);
        LayOutHand(SortBySuit);
    }
}

void FrmMain::DiscardCard(int n) {
    // The turn ends with this card: while it lands, no other card of the
    // hand may follow it onto the pile or into a column.
    PlayerTurn = false;
    FaceCard = n;
    View.SetFollowEnabled(false);
    Cards(n).Place = Where::Discard;
    MoveToFront(n, 680, 5160);
    Record(TableEvent::Discards, false, n);
    PlayCardSound();
    --PlayerCount;
    LayOutHand(SortBySuit);
    if (DiscardConfirmed) {
        DiscardConfirmed = false;
        TakeBackColumn(OpenColumn);
    }
    CountHandPoints();
    View.SetVisible(Ctl::PicTakeBack, false);
    PlayerTurn = false;
    OppTurn = true;
    PassTurn();
}

void FrmMain::TakeBackColumn(int c) {
    if (c < 1 || c > 6) return;
    for (int n = 1; n <= 52; ++n)
        if (Cards(n).InColumn(c)) Cards(n).InColumn(c) = false;
    MeldColumn& m = Melds(c);
    if (m.Count == 2) {
        m.Count = 1;
        ++PlayerCount;
        Cards(m.Slot(2)).Place = Where::PlayerHand;
        Record(TableEvent::TakesBack, false, m.Slot(2), c);
        LayOutHand(SortBySuit);
        m.High = 0;
        m.Slot(2) = 0;
        if (m.IsRun) {
            m.IsRun = false;
            m.RunSuit = -1;
        }
        if (m.IsSet) m.IsSet = false;
    }
    if (m.Count == 1) {
        m.Count = 0;
        m.InUse = false;
        ++PlayerCount;
        Cards(m.Slot(1)).Place = Where::PlayerHand;
        Record(TableEvent::TakesBack, false, m.Slot(1), c);
        LayOutHand(SortBySuit);
        m.Low = 0;
        m.Slot(1) = 0;
    }
}

void FrmMain::LblTakeBack_Click() {
    // During Dorvil's turn the only open column is the meld he is laying.
    if (OppTurn) return;
    FindOpenColumn();
    TakeBackColumn(OpenColumn);
    View.SetVisible(Ctl::PicTakeBack, false);
}
