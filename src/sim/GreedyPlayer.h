// The greedy player of self-play: the plain, sensible player a newcomer is.
// It takes the face card when that completes or extends a meld of its own,
// else a stock card; lays every complete meld and every lay-off it can; and
// discards its highest card that is not part of a near-meld. It reads only
// what the player sees: its hand, the table and the face card.
#pragma once

#include <memory>
#include <optional>

class FrmMain;
class PlayerPolicy;

namespace Greedy {

bool TakesFaceCard(const FrmMain& f);

// The next card to drop on a meld column, or none when nothing more fits.
struct Drop {
    int Card = 0;
    int Column = 0;
};
std::optional<Drop> NextDrop(const FrmMain& f);

int ChooseDiscard(const FrmMain& f);

} // namespace Greedy

// The greedy player as a self-play policy: it plays its turns through the
// table's controls, answers every question with its first button, and calls a
// draw in a hand that has gone on far too long to end.
std::unique_ptr<PlayerPolicy> MakeGreedyPlayer();
