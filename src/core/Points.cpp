// Hand points, the sounds and pauses that give card moves their rhythm, the
// message box, and the bookkeeping that stops a sequence whose hand is gone.
#include "FrmMain.h"

#include <QCoreApplication>

void FrmMain::CountHandPoints() {
    PlayerHandPoints = Rules::Points(CardsAt(Where::PlayerHand));
    //: The status bar's last panel; %1 is the points of the cards in the player's hand.
    View.SetPanelText(
        4, QCoreApplication::translate("Table", "%1 Points in your hand").arg(PlayerHandPoints));
}

Rules::Mask FrmMain::CardsAt(int place) const {
    Rules::Mask cards = 0;
    for (int n = 1; n <= 52; ++n)
        if (Cards(n).Place == place) cards |= Rules::Bit(n);
    return cards;
}

void FrmMain::PlayCardSound() {
    View.PlaySound(Sound::Card);
    AnimationWait();
}

void FrmMain::PlayDownSound() {
    View.PlaySound(Sound::Down);
    AnimationWait();
}

void FrmMain::AnimationWait() {
    View.Pause(AnimationPause);
    Checkpoint();
}

void FrmMain::DeluxeMsg(const QString& Text, const QString& Caption0, const QString& Caption1,
                        const QString& Caption2, int Icon, const QString& Title) {
    DeluxeChoice = View.DeluxeMsg(Text, Caption0, Caption1, Caption2, Icon, Title);
    Checkpoint();
}

// Another handler may have run inside the pause or the question just ended:
// the sequence that waited goes on only if its hand is still on the table.
void FrmMain::Checkpoint() {
    if (Closing || (!Sequences.empty() && Sequences.back() != HandSerial)) throw SequenceAborted{};
}

// The sequence that lays out a new hand owns it; any sequence still waiting
// on the old hand stops when its wait ends.
void FrmMain::BeginNewHandSerial() {
    ++HandSerial;
    HandHints = 0;
    HandLog.clear();
    if (!Sequences.empty()) Sequences.back() = HandSerial;
}

void FrmMain::CloseDown() {
    EndProgram();
    throw SequenceAborted{};
}

void FrmMain::EndProgram() {
    Closing = true;
    View.SetFollowEnabled(false);
    View.CloseProgram();
}

void FrmMain::MoveToFront(int n, int left, int top) {
    View.MoveCard(n, left, top);
    View.BringCardToFront(n);
}

void FrmMain::Record(TableEvent::Kind what, bool byDorvil, int card, int column, int count) {
    HandLog.push_back(TableEvent{what, byDorvil, card, column, count});
    View.Record(HandLog.back());
}
