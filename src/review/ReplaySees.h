// What one side saw at a moment of a kept hand, read from the hand's moves
// by the same rules as from the table (Sharp::SeenFrom): its own cards, the
// table, the pile as it was played, what its rival did in sight, the counts.
// The rival's cards and the stock's order are not in it, so a judgement made
// from it cannot depend on them.
#pragma once

#include "KeptHand.h"
#include "Sharp.h"

#include <vector>

namespace Review {

// The view of `side` in the position before move `step` (0: the deal), of
// `steps` (PlayAgain's) and the hand's moves.
Sharp::SideSees SeenAt(const KeptHand& hand, const std::vector<Model::Position>& steps, int step,
                       Model::Side side);

} // namespace Review
