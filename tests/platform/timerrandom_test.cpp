#include "timerrandom.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

std::vector<double> draws(platform::TimerRandom& random, int count)
{
    std::vector<double> values;
    for (int i = 0; i < count; ++i)
        values.push_back(random.Rnd());
    return values;
}

} // namespace

// Two starts a moment apart must not ask the same questions: a clock of
// seconds would seed both alike.
TEST(TimerRandom, SeedsTakenAMomentApartDiffer)
{
    platform::TimerRandom first;
    platform::TimerRandom second;
    first.Randomize();
    second.Randomize();
    EXPECT_NE(draws(first, 10), draws(second, 10));
}

TEST(TimerRandom, DrawsAreUniformInZeroToOne)
{
    platform::TimerRandom random;
    random.seed(42);
    std::array<int, 10> tenths{};
    const int count = 100000;
    for (double r : draws(random, count)) {
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        ++tenths[static_cast<std::size_t>(r * 10)];
    }
    for (int n : tenths) {
        EXPECT_GT(n, count / 10 - 1000);
        EXPECT_LT(n, count / 10 + 1000);
    }
}
