#include "handmodel.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Proportions of an adult hand, in palm lengths.
constexpr std::array<double, 4> knuckleX = {0.30, 0.10, -0.10, -0.29};
constexpr std::array<double, 4> knuckleY = {0.95, 0.97, 0.93, 0.85};
constexpr std::array<std::array<double, 3>, 4> phalanxLength = {{
    {0.42, 0.25, 0.18},
    {0.47, 0.29, 0.19},
    {0.44, 0.27, 0.19},
    {0.34, 0.19, 0.17},
}};
constexpr std::array<double, 4> fingerRadius = {0.100, 0.104, 0.097, 0.084};
// Fingers held "together" still fan out a little from their knuckles.
constexpr std::array<double, 4> fanDegrees = {-2.0, 0.0, 2.5, 6.0};
// Which way each finger's spread turns it about the palm normal.
constexpr std::array<double, 4> spreadSign = {-1.0, 1.0, 1.0, 1.0};
constexpr std::array<double, 3> taper = {0.92, 0.86, 0.80};

const Vec3 unitX{1, 0, 0};
const Vec3 unitY{0, 1, 0};
const Vec3 unitZ{0, 0, 1};

void bend(Vec3& along, Vec3& side, double degrees)
{
    const double t = radians(degrees);
    const Vec3 d = along * std::cos(t) + side * std::sin(t);
    side = side * std::cos(t) - along * std::sin(t);
    along = d;
}

} // namespace

HandModel::HandModel(const HandPose& pose) : m_pose(pose)
{
    m_min = {1e9, 1e9, 1e9};
    m_max = {-1e9, -1e9, -1e9};

    Primitive palm;
    palm.shape = Primitive::Shape::Palm;
    palm.kind = PartKind::Palm;
    palm.part = 1;
    palm.centre = toView({0.0, 0.48, 0.0});
    palm.axisX = toView(unitX);
    palm.axisY = toView(unitY);
    palm.axisZ = toView(unitZ);
    palm.palmar = palm.axisZ;
    palm.half = {0.43, 0.46, 0.13};
    palm.boundCentre = palm.centre;
    palm.boundRadius = 0.75;
    m_primitives.push_back(palm);

    // The ball of the thumb and the pad on the little-finger side.
    const auto addPad = [this](Vec3 c, Vec3 h) {
        Primitive pad;
        pad.shape = Primitive::Shape::Ellipsoid;
        pad.kind = PartKind::Palm;
        pad.part = 1;
        pad.centre = toView(c);
        pad.axisX = toView(unitX);
        pad.axisY = toView(unitY);
        pad.axisZ = toView(unitZ);
        pad.palmar = pad.axisZ;
        pad.half = h;
        pad.boundCentre = pad.centre;
        pad.boundRadius = std::max(h.x, std::max(h.y, h.z));
        m_primitives.push_back(pad);
    };
    addPad({0.20, 0.30, 0.06}, {0.20, 0.27, 0.10});
    addPad({-0.27, 0.34, 0.05}, {0.14, 0.30, 0.09});

    Primitive arm;
    arm.shape = Primitive::Shape::RoundCone;
    arm.kind = PartKind::Forearm;
    arm.part = 2;
    arm.a = toView({0.0, 0.10, 0.0});
    arm.b = toView({0.0, -3.4, 0.0});
    arm.ra = 0.31;
    arm.rb = 0.38;
    arm.squash = 0.72;
    arm.palmar = toView(unitZ);
    arm.boundCentre = (arm.a + arm.b) * 0.5;
    arm.boundRadius = 1.8 + arm.rb;
    m_primitives.push_back(arm);

    for (int f = 0; f < 4; ++f) {
        addFinger(f, pose.fingers[static_cast<std::size_t>(f)]);
    }
    addThumb(pose.thumb);

    for (const Primitive& p : m_primitives) {
        if (p.kind == PartKind::Forearm) {
            continue;
        }
        const double r = p.shape == Primitive::Shape::RoundCone ? std::max(p.ra, p.rb) : 0.0;
        const std::array<Vec3, 2> ends = p.shape == Primitive::Shape::RoundCone
                                             ? std::array<Vec3, 2>{p.a, p.b}
                                             : std::array<Vec3, 2>{p.centre, p.centre};
        const double extra = p.shape == Primitive::Shape::RoundCone ? r : p.boundRadius * 0.7;
        for (const Vec3& e : ends) {
            m_min = {std::min(m_min.x, e.x - extra), std::min(m_min.y, e.y - extra),
                     std::min(m_min.z, e.z - extra)};
            m_max = {std::max(m_max.x, e.x + extra), std::max(m_max.y, e.y + extra),
                     std::max(m_max.z, e.z + extra)};
        }
    }
}

Vec3 HandModel::toView(Vec3 v) const
{
    v = rotated(v, unitY, radians(m_pose.face));
    v = rotated(v, unitX, radians(m_pose.tilt));
    return rotated(v, unitZ, radians(-m_pose.dir));
}

void HandModel::addCone(PartKind kind, int finger, int phalanx, Vec3 a, Vec3 b, double ra,
                        double rb, Vec3 palmar, bool tip)
{
    Primitive c;
    c.shape = Primitive::Shape::RoundCone;
    c.kind = kind;
    c.part = 10 + static_cast<int>(m_primitives.size());
    c.finger = finger;
    c.phalanx = phalanx;
    c.tip = tip;
    c.a = toView(a);
    c.b = toView(b);
    c.ra = ra;
    c.rb = rb;
    c.palmar = toView(palmar);
    c.boundCentre = (c.a + c.b) * 0.5;
    c.boundRadius = length(c.b - c.a) * 0.5 + std::max(ra, rb);
    m_primitives.push_back(c);
}

void HandModel::addFinger(int finger, const FingerPose& pose)
{
    const auto f = static_cast<std::size_t>(finger);
    const double fan = fanDegrees[f] + spreadSign[f] * pose.spread;
    Vec3 along = rotated(unitY, unitZ, radians(fan));
    Vec3 side = unitZ;
    Vec3 at{knuckleX[f], knuckleY[f], 0.0};
    const std::array<double, 3> flex = {pose.mcp, pose.pip, pose.dip};
    double r = fingerRadius[f];
    for (int k = 0; k < 3; ++k) {
        const auto kk = static_cast<std::size_t>(k);
        bend(along, side, flex[kk]);
        const double rEnd = fingerRadius[f] * taper[kk];
        // The rounded end of the last bone is part of the finger's length.
        const double len = phalanxLength[f][kk] - (k == 2 ? rEnd * 0.8 : 0.0);
        const Vec3 next = at + along * len;
        addCone(PartKind::Phalanx, finger, k, at, next, r, rEnd, side, k == 2);
        at = next;
        r = rEnd;
    }
}

void HandModel::addThumb(const ThumbPose& pose)
{
    // The metacarpal takes only part of the swing out from the palm; the
    // phalanges take the rest, so a thumb held out sideways leaves the hand
    // at mid-palm rather than at the wrist.
    const double out = radians(pose.opposition);
    const auto direction = [out](double inPlaneDegrees) {
        const double a = radians(inPlaneDegrees);
        return Vec3{std::sin(a) * std::cos(out), std::cos(a) * std::cos(out), std::sin(out)};
    };
    const Vec3 base = direction(15.0 + 0.5 * pose.abduction);
    Vec3 along = direction(15.0 + 0.92 * pose.abduction);
    // The thumb folds toward the little-finger side of the palm.
    const Vec3 inward{-1.0, 0.0, 0.45};
    Vec3 side = inward - along * dot(inward, along);
    side = length(side) < 1e-3 ? unitZ : normalized(side);

    Vec3 at{0.22, 0.14, 0.03};
    const Vec3 mcp = at + base * 0.46;
    addCone(PartKind::ThumbBase, 4, 0, at, mcp, 0.15, 0.115, side, false);
    at = mcp;
    bend(along, side, pose.mcp);
    // The phalanges run a little longer than an average thumb's: the model's
    // thumb leaves the palm low down, and still has to reach under the
    // fingertips to close the wide ring of お.
    const Vec3 ip = at + along * 0.37;
    addCone(PartKind::Phalanx, 4, 1, at, ip, 0.112, 0.102, side, false);
    at = ip;
    bend(along, side, pose.ip);
    const Vec3 end = at + along * (0.32 - 0.07);
    addCone(PartKind::Phalanx, 4, 2, at, end, 0.102, 0.088, side, true);
}
