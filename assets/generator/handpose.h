// The joint angles (degrees) that shape a right hand into one kana, and how
// the hand is turned and placed in its picture.
#pragma once

#include <array>

struct FingerPose
{
    double mcp = 0.0;    // knuckle flexion, + toward the palm
    double pip = 0.0;    // middle joint
    double dip = 0.0;    // joint nearest the tip
    double spread = 0.0; // + away from the middle finger (for the middle: toward the ring)
};

struct ThumbPose
{
    double abduction = 0.0;  // in the palm plane: 0 along the index, 90 at right angles
    double opposition = 0.0; // out of the palm plane toward the palm side
    double mcp = 0.0;
    double ip = 0.0;
};

struct HandPose
{
    ThumbPose thumb;
    std::array<FingerPose, 4> fingers; // index, middle, ring, little
    double face = 0.0;    // about the hand's long axis: 0 palm to viewer, 180 back, +90 little edge
    double dir = 0.0;     // clockwise in the picture: 0 up, 90 right, 180 down, -90 left
    double tilt = 0.0;    // fingertips tipped toward the viewer
    double offsetX = 0.0; // where the hand's centre sits, from the picture's centre (pixels)
    double offsetY = 0.0;
};
