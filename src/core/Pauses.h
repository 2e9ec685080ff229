// Every pause length of the game, in milliseconds, in one place.
#pragma once

namespace Pauses {
constexpr int Normal = 120; // between card moves, and after every layout
constexpr int Dealing = 50; // each hop of a dealt card
constexpr int Slow = 300;   // a card travelling into a hand or a column
} // namespace Pauses
