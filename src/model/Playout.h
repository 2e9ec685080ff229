// Playing a position forward on the model: fast policies for either side and
// a playout to the end of the hand. A policy sees the whole position it is
// given; whoever wants a side to play from its own view fills in the cards
// that side cannot see before the playout (Sharp::SideSees and the bridge in
// src/opponent/HandModel.h).
#pragma once

#include "Position.h"

namespace Model {

// Any legal move, each as likely as the next; but no draw is called while
// another move is open: a draw ends the game, not only the hand.
Move RandomMove(const Position& p, Rng& rng);

// The plain, sensible player: takes the face card when it makes a meld with
// two cards of the hand or can be laid off, else a stock card; lays every
// meld of three or more it holds and every lay-off; then discards its
// highest card that is not part of a near-meld (two of a rank, or two cards
// of a suit at most two apart), else its highest card.
Move GreedyMove(const Position& p, Rng& rng);

using Policy = Move (*)(const Position&, Rng&);

// A playout ends at the latest after this many more cards taken: a hand
// whose columns are all taken may never end. Sensible players end a hand in
// some 40 takes; the longest of 200 000 hands of the table's self-play took
// 151.
constexpr int PlayoutTurns = 300;

// Plays `p` to the end of the hand, the player's moves by `player` and
// Dorvil's by `dorvil`, and returns how it ended. The position is left as it
// ended; a turn cap already set is kept when it comes sooner.
Position::Result Playout(Position& p, Policy player, Policy dorvil, Rng& rng);

} // namespace Model
