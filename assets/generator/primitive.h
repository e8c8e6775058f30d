// One smooth solid of the hand model (a phalanx, the palm, the forearm...)
// in view space, with its signed distance.
#pragma once

#include "vec3.h"

enum class PartKind
{
    Palm,
    Forearm,
    ThumbBase,
    Phalanx,
};

struct Primitive
{
    enum class Shape
    {
        RoundCone, // a capsule whose radius runs from ra at a to rb at b
        Palm,      // a rounded box narrowing toward the wrist, sheared along the knuckle line
        Ellipsoid,
    };

    Shape shape = Shape::RoundCone;
    PartKind kind = PartKind::Phalanx;
    int part = 0;    // distinct per solid; lines are drawn where the nearest part changes
    int finger = -1; // 0..3 index to little, 4 thumb, -1 none
    int phalanx = -1;
    bool tip = false;

    Vec3 a, b;
    double ra = 0.0, rb = 0.0;
    double squash = 1.0; // cross-section flattened along `palmar` by this factor
    Vec3 palmar;         // the side the finger pad (or palm) faces

    // Palm and ellipsoid: a frame and half sizes.
    Vec3 centre, axisX, axisY, axisZ;
    Vec3 half;

    // Bounding sphere, for skipping the solid on rays far from it.
    Vec3 boundCentre;
    double boundRadius = 0.0;

    double distance(Vec3 p) const;
    // Position along a..b (0 to 1) of the point nearest to p; for cones.
    double along(Vec3 p) const;
};
