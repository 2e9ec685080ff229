// The pause between card moves, and Dorvil thinking: nested event loops that keep the window
// responsive and the processor idle; a pause never returns early.
#pragma once

// Returns after `ms` milliseconds, or at once when `stop` becomes true.
void NestedPause(int ms, const bool& stop);

#include <functional>

// Runs `work` on a thread of its own while the window goes on answering the
// player (drawing, resizing, a close); returns once the work is done, also
// when the application is asked to quit meanwhile, as `work` may refer to
// the caller's values.
void ThinkAside(const std::function<void()>& work);
