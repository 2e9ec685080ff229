// The one random generator of the process: seeded from the clock, or from
// --seed so that every shuffle can be played again.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

std::function<double()> MakeRandomSource(std::optional<uint64_t> seed);
