// The hint player of self-play: it plays the player's side by the hint's
// advice alone, step by step through the handlers the mouse calls, and
// checks that the table accepts every move the hint advises.
#pragma once

#include "PlayerPolicy.h"

#include <memory>

namespace Hint {
struct Advice;
}

// Sharp Dorvil's judgement; with `expert`, Expert Dorvil's (Hint::ExpertStep), which
// is the table's hint while Expert Dorvil sits at it.
std::unique_ptr<PlayerPolicy> MakeHintPlayer(bool expert = false);

// The control that carries out an advice, as a player uses it: the card to
// press, and where to release it when it is carried (twips).
PlayerMove MoveFor(const FrmMain& table, const Hint::Advice& advice);
