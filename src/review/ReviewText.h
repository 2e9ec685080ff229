// A kept hand told in words, in the language in use: what it was, each move
// as a line, and how it ended. The review window and meldora-sim --review
// read it so.
#pragma once

#include "KeptHand.h"

#include <QString>

namespace Review {

// "Dealt by Dorvil on 2026-12-10 at 05:40; Sharp Dorvil; scores 12 to 40, target 100."
QString HandLine(const KeptHand& hand);
// "Dorvil takes the Nine of Hearts from the discard pile." `before` is the
// position the move is made in.
QString MoveLine(const Model::Position& before, const Model::Move& move);
// "Dorvil goes out and scores 23 points."
QString EndLine(const KeptHand& hand);

} // namespace Review
