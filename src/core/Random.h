// The one random generator of the process: seeded from the clock, or from
// --seed so that every shuffle can be played again. Its state can be written
// down and taken up again, so that a game brought back from its recovery file
// goes on drawing the cards it would have drawn.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>

class RandomSource {
  public:
    explicit RandomSource(std::optional<uint64_t> seed);
    // Uniform in [0, 1). Copies draw from one shared sequence.
    double operator()();
    // The whole state as text; SetState takes back what State gave and
    // refuses anything else (false, the state unchanged).
    std::string State() const;
    bool SetState(const std::string& state);
    // Told before every draw (the self-play counts draws to catch a loop).
    std::function<void()> BeforeDraw;

  private:
    std::shared_ptr<std::mt19937_64> Engine;
};

// A RandomSource: FrmMain finds it behind TableSettings::Random to save it.
std::function<double()> MakeRandomSource(std::optional<uint64_t> seed);
