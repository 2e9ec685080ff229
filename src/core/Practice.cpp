// A practice hand: a kept deal dealt again by the table's own deal, and its
// end where the next hand would be dealt.
#include "FrmMain.h"

void FrmMain::DealPractice(const std::vector<int>& pack, bool playerDeals) {
    Practice = true;
    PracticeDealt = false;
    Stacked = pack;
    StackedNext = 0;
    PlayerDeals = playerDeals;
    // NewHand starts a game afresh after a won game; a practice hand keeps
    // the scores it was given.
    GameOver = false;
    NewHand();
}

// The practice hand's end box was answered, or the player asked for a new
// game or a draw: no hand is dealt, and any sequence still waiting on the
// practice hand stops.
void FrmMain::EndPractice() {
    Stacked.clear();
    StackedNext = 0;
    PracticeDealt = false;
    HandOver = true;
    ++HandSerial;
    throw SequenceAborted{};
}
