// The greedy player of self-play: the plain, sensible player a newcomer is.
// It takes the face card when that completes or extends a meld of its own,
// else a stock card; lays every complete meld and every lay-off it can; and
// discards its highest card that is not part of a near-meld. It reads only
// what the player sees: its hand, the table and the face card.
#pragma once

#include <optional>

class FrmMain;

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
