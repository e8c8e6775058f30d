#include "primitive.h"

#include <algorithm>
#include <cmath>

double Primitive::along(Vec3 p) const
{
    const Vec3 ba = b - a;
    return std::clamp(dot(p - a, ba) / dot(ba, ba), 0.0, 1.0);
}

double Primitive::distance(Vec3 p) const
{
    switch (shape) {
    case Shape::RoundCone: {
        Vec3 q = p - a;
        const Vec3 ba = b - a;
        if (squash != 1.0) {
            // Flatten the cross-section: stretch distances along the palmar side.
            const double s = dot(q, palmar);
            q = q + palmar * (s * (1.0 / squash - 1.0));
        }
        const double t = std::clamp(dot(q, ba) / dot(ba, ba), 0.0, 1.0);
        const double d = length(q - ba * t) - (ra + (rb - ra) * t);
        return squash != 1.0 ? d * squash : d;
    }
    case Shape::Palm: {
        const Vec3 d = p - centre;
        double x = dot(d, axisX);
        double y = dot(d, axisY);
        const double z = dot(d, axisZ);
        y -= 0.19 * x; // the knuckle line falls toward the little finger
        const double u = std::clamp((y + half.y) / (1.1 * half.y), 0.0, 1.0);
        const double narrowing = 0.80 + 0.20 * u * u * (3.0 - 2.0 * u);
        // The sides swell a little, most just below the knuckles, where the
        // hand is widest, and not at all at the wrist.
        const double v = (std::clamp(y / half.y, -1.0, 1.0) - 0.35) / 1.35;
        x /= narrowing * (1.0 + 0.06 * (1.0 - v * v));
        // The outline in the palm plane: a rectangle with generous corners,
        // rounder still where the little finger's knuckle meets the edge.
        const double corner = x < 0.0 && y > 0.0 ? 0.24 : (y > 0.0 ? 0.15 : 0.19);
        const double px = std::abs(x) - half.x + corner;
        const double py = std::abs(y) - half.y + corner;
        const double outline = std::sqrt(std::max(px, 0.0) * std::max(px, 0.0) +
                                         std::max(py, 0.0) * std::max(py, 0.0)) +
                               std::min(std::max(px, py), 0.0) - corner;
        // The hand is thickest over the middle of the palm and thins out
        // toward its edges, most toward the little-finger side, so the back
        // arches instead of lying flat.
        const double across = std::clamp(x / half.x, -1.0, 1.0);
        const double edge = across < 0.0 ? 0.45 : 0.25;
        const double thickness = half.z * (1.0 - edge * across * across);
        const double r = 0.09;
        const double qx = outline + r;
        const double qz = std::abs(z) - thickness + r;
        const double outside = std::sqrt(std::max(qx, 0.0) * std::max(qx, 0.0) +
                                         std::max(qz, 0.0) * std::max(qz, 0.0));
        return (outside + std::min(std::max(qx, qz), 0.0) - r) * 0.85;
    }
    case Shape::Ellipsoid: {
        const Vec3 d = p - centre;
        const Vec3 q{dot(d, axisX) / half.x, dot(d, axisY) / half.y, dot(d, axisZ) / half.z};
        const Vec3 q2{q.x / half.x, q.y / half.y, q.z / half.z};
        const double k0 = length(q);
        const double k1 = length(q2);
        return k1 > 0.0 ? k0 * (k0 - 1.0) / k1 : -std::min(half.x, std::min(half.y, half.z));
    }
    }
    return 1e9;
}
