// A 64-bit Mersenne twister shared by every draw of the process. Seeding it
// once keeps consecutive draws from repeating, as re-seeding from a coarse
// clock before each draw would.
#include "Random.h"

#include <chrono>
#include <sstream>

RandomSource::RandomSource(std::optional<uint64_t> seed) {
    uint64_t s = seed ? *seed
                      : static_cast<uint64_t>(
                            std::chrono::high_resolution_clock::now().time_since_epoch().count());
    Engine = std::make_shared<std::mt19937_64>(s);
}

double RandomSource::operator()() {
    if (BeforeDraw) BeforeDraw();
    // 53 random bits give every double in [0, 1) on a regular grid.
    return static_cast<double>((*Engine)() >> 11) * 0x1.0p-53;
}

std::string RandomSource::State() const {
    std::ostringstream text;
    text << *Engine;
    return text.str();
}

bool RandomSource::SetState(const std::string& state) {
    std::istringstream text(state);
    std::mt19937_64 engine;
    text >> engine;
    if (text.fail() || !(text >> std::ws).eof()) return false;
    // Only the generator's own spelling of a state: no signs, blanks or
    // leading zeros that the stream would read past.
    std::ostringstream again;
    again << engine;
    if (again.str() != state) return false;
    // A state of zeros draws zeros for ever, and a draw from the stock
    // would never end; a real state never comes back to it.
    std::mt19937_64 probe = engine;
    bool live = false;
    for (size_t i = 0; i < 2 * std::mt19937_64::state_size && !live; ++i)
        live = probe() != 0;
    if (!live) return false;
    *Engine = engine;
    return true;
}

std::function<double()> MakeRandomSource(std::optional<uint64_t> seed) {
    return RandomSource(seed);
}
