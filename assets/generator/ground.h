// The light-grey paper the hands are drawn on: a shade darker at the top,
// with a fine random speckle.
#pragma once

#include "greyimage.h"

#include <cstdint>

class Ground
{
public:
    static GreyImage paint(int width, int height, std::uint64_t seed);
};
