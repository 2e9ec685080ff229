// The pause between card moves: a nested event loop that keeps the window
// responsive and the processor idle, and never returns early.
#pragma once

// Returns after `ms` milliseconds, or at once when `stop` becomes true.
void NestedPause(int ms, const bool& stop);
