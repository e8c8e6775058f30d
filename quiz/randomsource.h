#pragma once

namespace quiz {

// Where the question draw takes its random numbers from. The program's source
// is seeded once at start-up; tests script theirs.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    // The next number of the sequence, uniform in [0, 1).
    virtual double Rnd() = 0;
};

} // namespace quiz
