// The player's melds, built card by card in the six shared columns: each card
// is checked by the rules as it lands, and the column is laid out sorted by
// card number.
#include "FrmMain.h"
#include "Pauses.h"

#include <QCoreApplication>

namespace {
const int ColumnLeft[6] = {2400, 3720, 5040, 6360, 7680, 9000};
}

void FrmMain::DropOnColumn(int c, int n) {
    if (OppTurn) return;
    const MeldColumn& m = Melds(c);
    if (!m.InUse)
        PlaceInColumn(c, n, 1);
    else if (m.Count == 1)
        TrySecondCard(c, n);
    else if (m.Count == 2)
        TryThirdCard(c, n);
    else if (m.Done)
        TryAddToMeld(c, n);
}

void FrmMain::TrySecondCard(int c, int n) {
    MeldColumn& m = Melds(c);
    const Rules::Meld meld = MeldIn(c);
    if (Rules::Joins(meld, n)) {
        if (Rules::With(meld, n).Kind == Rules::Shape::Run) {
            m.RunSuit = Cards(n).Suit;
            m.IsRun = true;
        } else {
            m.IsSet = true;
        }
        PlaceInColumn(c, n, 2);
    } else {
        ReturnCardToHand(n);
        //: A message box when the second card of a meld does not fit the first.
        DeluxeMsg(QCoreApplication::translate("PlayerTurn",
                                              "Sorry, this card will not meld with the cards "
                                              "already placed - perhaps in wrong order. Please "
                                              "try again"),
                  //: A message box's button.
                  QCoreApplication::translate("PlayerTurn", "Try Again!"), QString(), QString(), 2,
                  //: A message box's title.
                  QCoreApplication::translate("PlayerTurn", "Try Again"));
    }
}

void FrmMain::TryThirdCard(int c, int n) {
    if (Rules::Joins(MeldIn(c), n)) {
        MadeMeld(1) = true;
        PlaceInColumn(c, n, 3);
    } else {
        ReturnCardToHand(n);
        //: A message box when the third card of a meld does not fit the first two.
        DeluxeMsg(QCoreApplication::translate(
                      "PlayerTurn",
                      " Sorry, this card will not Meld with the cards already placed - perhaps in "
                      "wrong order. Please try again. You can take the cards back if you wish by "
                      "clicking on button below or Discarding."),
                  //: A message box's button.
                  QCoreApplication::translate("PlayerTurn", "Carry On!"), QString(), QString(), 2,
                  QCoreApplication::translate("PlayerTurn", "Card will Not Meld Here"));
    }
}

void FrmMain::TryAddToMeld(int c, int n) {
    MeldColumn& m = Melds(c);
    if (!Rules::MayLayOff(MadeMeld(1))) {
        ReturnCardToHand(n);
        //: A message box when the player lays off before making a meld; %1 is the player's name.
        DeluxeMsg(QCoreApplication::translate("PlayerTurn",
                                              "%1 Sorry, you have not made a Meld of three and "
                                              "cannot add a single card until you have done so.")
                      .arg(PlayerName),
                  //: A message box's button: "understood" (not a direction).
                  QCoreApplication::translate("PlayerTurn", "Right"), QString(), QString(), 2,
                  QCoreApplication::translate("PlayerTurn", "Cannot Meld single card  yet."));
        return;
    }
    if (!Rules::Joins(MeldIn(c), n)) {
        ReturnCardToHand(n);
        //: A message box when a card laid off does not fit the meld; %1 is the player's name.
        DeluxeMsg(QCoreApplication::translate("PlayerTurn",
                                              "%1 Sorry, this card will not Meld with the cards "
                                              "already placed - perhaps in wrong order. Please "
                                              "try again.")
                      .arg(PlayerName),
                  //: A message box's button.
                  QCoreApplication::translate("PlayerTurn", "Carry On"), QString(), QString(), 2,
                  QCoreApplication::translate("PlayerTurn", "Card Not Meld Here"));
        return;
    }
    ++m.Count;
    m.Slot(m.Count) = n;
    View.SetFollowEnabled(false);
    Cards(n).Place = Where::InMeld;
    Cards(n).InColumn(c) = true;
    --PlayerCount;
    Record(TableEvent::LaysOff, false, n, c);
    LayOutColumn(c);
    PlayDownSound();
    if (PlayerCount == 0) CheckPlayerOut();
}

void FrmMain::PlaceInColumn(int c, int n, int k) {
    MeldColumn& m = Melds(c);
    View.SetVisible(Ctl::PicTakeBack, true);
    if (k == 1) m.InUse = true;
    m.Slot(k) = n;
    ++m.Count;
    View.SetFollowEnabled(false);
    Cards(n).InColumn(c) = true;
    Cards(n).Place = Where::InMeld;
    --PlayerCount;
    Record(TableEvent::Melds, false, n, c);
    LayOutColumn(c);
    // The third card completes the meld at once: Take Back, pressed while the
    // card still settles, has nothing left to take.
    if (k >= 3) {
        m.Done = true;
        View.SetVisible(Ctl::PicTakeBack, false);
    }
    PlayDownSound();
    if (k >= 3 && PlayerCount == 0) CheckPlayerOut();
}

void FrmMain::LayOutColumn(int c) {
    MeldColumn& m = Melds(c);
    for (int n = 1; n <= 52; ++n)
        if (Cards(n).InColumn(c)) {
            m.Low = n;
            break;
        }
    int counted = 0;
    for (int n = 1; n <= 52; ++n)
        if (Cards(n).InColumn(c) && ++counted == m.Count) m.High = n;
    int j = 0;
    for (int n = 1; n <= 52; ++n) {
        if (!Cards(n).InColumn(c)) continue;
        View.MoveCard(n, ColumnLeft[c - 1], 2520 + 250 * j++);
        View.BringCardToFront(n);
    }
    AnimationPause = Pauses::Normal;
}

Rules::Meld FrmMain::MeldIn(int c) const {
    const MeldColumn& m = Melds(c);
    Rules::Mask cards = 0;
    for (int k = 1; k <= m.Count && k <= 13; ++k)
        if (Rules::IsCard(m.Slot(k))) cards |= Rules::Bit(m.Slot(k));
    // Dorvil marks his meld a set or a run only as its third card lands.
    return Rules::MeldOf(cards, m.IsSet, m.IsRun);
}

void FrmMain::FindOpenColumn() {
    OpenColumn = 0;
    OpenColumnFound = false;
    for (int c = 1; c <= 6; ++c)
        if (Melds(c).InUse && !Melds(c).Done) {
            OpenColumn = c;
            OpenColumnFound = true;
            return;
        }
}

void FrmMain::CheckPlayerOut() {
    FindOpenColumn();
    if (OpenColumnFound) {
        //: A message box when the player's last card leaves a meld of one or two cards open.
        DeluxeMsg(QCoreApplication::translate(
                      "PlayerTurn", " Sorry, you don't have a complete meld, please try again"),
                  QCoreApplication::translate("PlayerTurn", "Try Again!"), QString(), QString(), 4,
                  QCoreApplication::translate("PlayerTurn", "Incomplete Meld"));
        FindOpenColumn();
        TakeBackColumn(OpenColumn);
    } else {
        SettleHand();
    }
}

void FrmMain::RefuseWrongColumn(int n) {
    if (OppTurn) return;
    ReturnCardToHand(n);
    //: A message box when a card is dropped on another column while a meld is open; the
    //: button is "Carry On!".
    DeluxeMsg(
        QCoreApplication::translate(
            "PlayerTurn", " Sorry, this card may not be in the right column. Click on Carry On."),
        QCoreApplication::translate("PlayerTurn", "Carry On!"), QString(), QString(), 4,
        QCoreApplication::translate("PlayerTurn", "Card not in right column?"));
}
