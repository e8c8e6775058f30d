#pragma once

#include "randomsource.h"

#include <cstdint>
#include <random>

namespace platform {

// The program's random generator: seeded from the clock, then a uniform
// sequence in [0, 1).
class TimerRandom : public quiz::RandomSource
{
public:
    // Seeds the sequence from a high-resolution clock, so two starts a moment
    // apart draw different questions.
    void Randomize();

    // Seeds with a fixed value, for reproducible runs in tests.
    void seed(std::uint64_t value) { m_engine.seed(value); }

    double Rnd() override;

private:
    std::mt19937_64 m_engine;
};

} // namespace platform
