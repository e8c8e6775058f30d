// The pose of the hand for each of the 46 kana, in gojuon order.
#pragma once

#include "handpose.h"

#include <array>

class PoseTable
{
public:
    static constexpr int count = 46;
    static const HandPose& pose(int picture);
    // The kana a picture shows, as UTF-8.
    static const char* kana(int picture);
};
