#include "timerrandom.h"

#include <chrono>

namespace platform {

void TimerRandom::Randomize()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    m_engine.seed(static_cast<std::uint64_t>(ticks));
}

double TimerRandom::Rnd()
{
    // The top 53 bits of a draw, scaled by 2^-53: every value lies in [0, 1).
    // std::generate_canonical may return 1.0 after rounding, which would draw
    // one kana past the end of a range.
    return static_cast<double>(m_engine() >> 11) * 0x1.0p-53;
}

} // namespace platform
