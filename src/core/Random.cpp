// A 64-bit Mersenne twister shared by every draw of the process. Seeding it
// once keeps consecutive draws from repeating, as re-seeding from a coarse
// clock before each draw would.
#include "Random.h"

#include <chrono>
#include <memory>
#include <random>

std::function<double()> MakeRandomSource(std::optional<uint64_t> seed) {
    uint64_t s = seed ? *seed
                      : static_cast<uint64_t>(
                            std::chrono::high_resolution_clock::now().time_since_epoch().count());
    auto engine = std::make_shared<std::mt19937_64>(s);
    // 53 random bits give every double in [0, 1) on a regular grid.
    return [engine] { return static_cast<double>((*engine)() >> 11) * 0x1.0p-53; };
}
