// Follows the hand at the table, from its deal through every event, as the
// model's moves, and gives the kept hand when the hand is settled. The
// window and the self-play keep hands by the same follower.
#pragma once

#include "HandFollower.h"
#include "KeptHand.h"

#include <optional>

class FrmMain;

namespace Review {

class HandKeeper {
  public:
    HandKeeper() { Follower.Made = &Hand.Moves; }
    HandKeeper(const HandKeeper&) = delete;
    HandKeeper& operator=(const HandKeeper&) = delete;

    // A hand was dealt (TableView::HandDealt).
    void Dealt(const FrmMain& table);
    // A hand taken up from the recovery file: followed from its deal through
    // the table's record of it. Not kept when its deal is not known, or when
    // the record does not lead to the table as it stands.
    void Resumed(const FrmMain& table);
    // The table's next event; the whole hand once it is won. A hand
    // whose events the model cannot follow is not kept.
    std::optional<KeptHand> Seen(const FrmMain& table, const TableEvent& event);

  private:
    void Begin(const Model::Position& dealt, int dorvil);

    HandFollower Follower;
    KeptHand Hand;
    Model::Position Start;
};

} // namespace Review
