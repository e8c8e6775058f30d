// The few vector operations the hand model and the renderer need.
#pragma once

#include <cmath>

struct Vec3
{
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

inline Vec3 operator+(Vec3 a, Vec3 b)
{
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(Vec3 a, Vec3 b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator*(Vec3 a, double s)
{
    return {a.x * s, a.y * s, a.z * s};
}
inline Vec3 operator*(double s, Vec3 a)
{
    return a * s;
}
inline double dot(Vec3 a, Vec3 b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 cross(Vec3 a, Vec3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double length(Vec3 a)
{
    return std::sqrt(dot(a, a));
}
inline Vec3 normalized(Vec3 a)
{
    const double l = length(a);
    return l > 0.0 ? a * (1.0 / l) : Vec3{};
}
inline double radians(double degrees)
{
    return degrees * 3.14159265358979323846 / 180.0;
}

// Rotates v about the unit axis k (Rodrigues).
inline Vec3 rotated(Vec3 v, Vec3 k, double angle)
{
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return v * c + cross(k, v) * s + k * (dot(k, v) * (1.0 - c));
}
