// The near-black arrows (and the one caption) that show the movement of the
// five moving kana.
#pragma once

#include "greyimage.h"

class MotionMarks
{
public:
    // Greys at or below this are the marks themselves.
    static constexpr double inkGrey = 0.0;
    static constexpr double inkBelow = 20.0;

    static bool hasMarks(int picture);
    // Paints the marks of the picture, if it has any, over the drawing.
    static void paint(GreyImage& image, int picture);
};
