// A parametric right hand: palm, four fingers of three phalanges, a thumb of
// three bones, the wrist and part of the forearm, posed from joint angles and
// turned into view space (x to the viewer's right, y up, z toward the viewer;
// one unit is the palm's length).
//
// The hand's own frame: x toward the thumb side, y toward the fingers, z out
// of the palm. Seen from the front with the palm toward the viewer the two
// frames coincide, which is how a right hand looks to a person facing it.
#pragma once

#include "handpose.h"
#include "primitive.h"

#include <vector>

class HandModel
{
public:
    explicit HandModel(const HandPose& pose);

    const std::vector<Primitive>& primitives() const { return m_primitives; }
    // Bounds of the hand without the forearm, in view space.
    Vec3 boundsMin() const { return m_min; }
    Vec3 boundsMax() const { return m_max; }

private:
    Vec3 toView(Vec3 v) const;
    void addFinger(int finger, const FingerPose& pose);
    void addThumb(const ThumbPose& pose);
    void addCone(PartKind kind, int finger, int phalanx, Vec3 a, Vec3 b, double ra, double rb,
                 Vec3 palmar, bool tip);

    HandPose m_pose;
    std::vector<Primitive> m_primitives;
    Vec3 m_min, m_max;
};
