#include "handrenderer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

// Outlines come out a firm mid-grey once the pixels are reduced; the fine
// lines of nails, knuckles and creases a step lighter, but still dark enough
// to show the back of a hand from its palm at a glance.
constexpr double strongGrey = 72.0;
constexpr double fineGrey = 98.0;
constexpr double cullMargin = 0.3;
// How far (in samples) an outline reaches to each side of an edge: about one
// and a half pixels of line in all, so that it stays firm after reduction.
constexpr int outlineReach = 3;

double smoothMin(double a, double b, double k)
{
    const double h = std::max(k - std::abs(a - b), 0.0) / k;
    return std::min(a, b) - h * h * k * 0.25;
}

bool isBody(PartKind k)
{
    return k != PartKind::Phalanx;
}

std::uint32_t hash(std::uint32_t x, std::uint32_t y, std::uint64_t seed)
{
    std::uint64_t h = seed * 0x9E3779B97F4A7C15ULL + x * 0x85EBCA6BULL + y * 0xC2B2AE35ULL;
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDULL;
    h ^= h >> 33;
    return static_cast<std::uint32_t>(h & 0xFFFFFFFFu);
}

} // namespace

struct HandRenderer::Hit
{
    bool hit = false;
    double depth = 0.0;
    Vec3 normal;
    int primitive = -1;
    bool nail = false;
    double crease = 0.0;
};

HandRenderer::HandRenderer(const HandModel& model, double offsetX, double offsetY,
                           std::uint64_t seed)
    : m_model(model), m_centreX((model.boundsMin().x + model.boundsMax().x) * 0.5),
      m_centreY((model.boundsMin().y + model.boundsMax().y) * 0.5), m_offsetX(offsetX),
      m_offsetY(offsetY), m_seed(seed)
{
}

HandRenderer::Hit HandRenderer::trace(double viewX, double viewY) const
{
    const std::vector<Primitive>& all = m_model.primitives();
    std::array<int, 32> near{};
    std::size_t nearCount = 0;
    double zTop = -1e9;
    double zBottom = 1e9;
    bool maybeHit = false;
    for (std::size_t i = 0; i < all.size() && nearCount < near.size(); ++i) {
        const Primitive& p = all[i];
        double lowerBound = 0.0;
        if (p.shape == Primitive::Shape::RoundCone) {
            // Distance in the picture plane to the projected axis, less the radius.
            const double ax = p.a.x, ay = p.a.y, bx = p.b.x, by = p.b.y;
            const double dx = bx - ax, dy = by - ay;
            const double l2 = dx * dx + dy * dy;
            double t = l2 > 0.0 ? ((viewX - ax) * dx + (viewY - ay) * dy) / l2 : 0.0;
            t = std::clamp(t, 0.0, 1.0);
            const double ex = viewX - (ax + dx * t), ey = viewY - (ay + dy * t);
            lowerBound = std::sqrt(ex * ex + ey * ey) - std::max(p.ra, p.rb);
        } else {
            const double ex = viewX - p.boundCentre.x, ey = viewY - p.boundCentre.y;
            lowerBound = std::sqrt(ex * ex + ey * ey) - p.boundRadius;
        }
        if (lowerBound < cullMargin) {
            near[nearCount++] = static_cast<int>(i);
            zTop = std::max(zTop, p.boundCentre.z + p.boundRadius);
            zBottom = std::min(zBottom, p.boundCentre.z - p.boundRadius);
            maybeHit = maybeHit || lowerBound < 0.06;
        }
    }
    Hit result;
    if (!maybeHit) {
        return result;
    }

    const auto field = [&](Vec3 q, int* nearest) {
        double body = 1e9;
        double fingers = 1e9;
        double best = 1e9;
        for (std::size_t n = 0; n < nearCount; ++n) {
            const Primitive& p = all[static_cast<std::size_t>(near[n])];
            const double d = p.distance(q);
            if (d < best) {
                best = d;
                if (nearest != nullptr) {
                    *nearest = near[n];
                }
            }
            if (isBody(p.kind)) {
                body = body > 1e8 ? d : smoothMin(body, d, 0.12);
            } else {
                fingers = std::min(fingers, d);
            }
        }
        return smoothMin(body, fingers, 0.035);
    };

    double z = zTop + 0.05;
    for (int step = 0; step < 300 && z > zBottom - 0.05; ++step) {
        const double d = field({viewX, viewY, z}, nullptr);
        if (d < 0.0008) {
            result.hit = true;
            break;
        }
        z -= std::min(d, cullMargin) * 0.85;
    }
    if (!result.hit) {
        return result;
    }
    const Vec3 at{viewX, viewY, z};
    result.depth = z;
    int nearest = -1;
    field(at, &nearest);
    result.primitive = nearest;
    const double e = 0.002;
    result.normal =
        normalized({field({viewX + e, viewY, z}, nullptr) - field({viewX - e, viewY, z}, nullptr),
                    field({viewX, viewY + e, z}, nullptr) - field({viewX, viewY - e, z}, nullptr),
                    field({viewX, viewY, z + e}, nullptr) - field({viewX, viewY, z - e}, nullptr)});

    const Primitive& p = all[static_cast<std::size_t>(nearest)];
    if (p.tip) {
        const double t = p.along(at);
        const Vec3 axisPoint = p.a + (p.b - p.a) * t;
        const double facing = dot(normalized(at - axisPoint), p.palmar * -1.0);
        // The nail takes the middle of the back of the tip only, so that its
        // sides are drawn inside the finger's outline and a finger seen from
        // the back shows it.
        result.nail = t > 0.3 && facing > 0.75;
    }
    if (p.kind == PartKind::Palm && p.shape == Primitive::Shape::Palm) {
        const Vec3 d = at - p.centre;
        const double x = dot(d, p.axisX);
        const double y = dot(d, p.axisY) + 0.48;
        const double zLocal = dot(d, p.axisZ);
        if (zLocal > 0.04 && dot(result.normal, p.axisZ) > 0.35) {
            // Heart, head and life lines, as distances to three curves.
            double c = 1e9;
            if (x > -0.40 && x < 0.14) {
                const double u = x + 0.42;
                c = std::min(c, std::abs(y - (0.76 + 0.14 * u + 0.12 * u * u)));
            }
            if (x > -0.24 && x < 0.34) {
                c = std::min(c, std::abs(y - (0.63 - 0.16 * (0.36 - x))));
            }
            if (y > 0.10 && y < 0.60 && x < 0.45) {
                const double dx = x - 0.55, dy = y - 0.25;
                c = std::min(c, std::abs(std::sqrt(dx * dx + dy * dy) - 0.40));
            }
            result.crease = std::max(0.0, 1.0 - c / 0.011) * 0.8;
        }
    }
    return result;
}

double HandRenderer::lineBetween(const Hit& p, const Hit& q, bool nearNeighbour) const
{
    if (p.hit != q.hit) {
        return 1.0;
    }
    if (!p.hit) {
        return 0.0;
    }
    if (std::abs(p.depth - q.depth) > 0.09) {
        return 1.0;
    }
    double line = 0.0;
    if (dot(p.normal, q.normal) < 0.35) {
        line = 0.6;
    }
    if (p.primitive == q.primitive) {
        return std::max(line, p.nail != q.nail && nearNeighbour ? 0.8 : 0.0);
    }
    const std::vector<Primitive>& all = m_model.primitives();
    const Primitive& a = all[static_cast<std::size_t>(p.primitive)];
    const Primitive& b = all[static_cast<std::size_t>(q.primitive)];
    if (a.part == b.part) {
        return line;
    }
    double fine = -1.0;
    if (isBody(a.kind) && isBody(b.kind)) {
        const bool wrist = (a.kind == PartKind::Forearm) != (b.kind == PartKind::Forearm);
        fine = wrist ? 0.5 : 0.0;
    } else if (a.finger >= 0 && a.finger == b.finger && std::abs(a.phalanx - b.phalanx) == 1) {
        fine = 0.8;
    } else {
        const Primitive& body = isBody(a.kind) ? a : b;
        const Primitive& digit = isBody(a.kind) ? b : a;
        if (isBody(body.kind) && !isBody(digit.kind)) {
            const bool base =
                (digit.finger < 4 && digit.phalanx == 0 && body.kind == PartKind::Palm) ||
                (digit.finger == 4 && digit.phalanx == 1 && body.kind == PartKind::ThumbBase);
            if (base) {
                fine = 0.6;
            }
        }
    }
    if (fine >= 0.0) {
        return std::max(line, nearNeighbour ? fine : 0.0);
    }
    return 1.0;
}

HandLayer HandRenderer::render() const
{
    constexpr int w = width * oversample;
    constexpr int h = height * oversample;
    constexpr double scale = pixelsPerUnit * oversample;
    std::vector<Hit> hits(static_cast<std::size_t>(w) * h);
    const double originU = (width * 0.5 + m_offsetX) * oversample;
    const double originV = (height * 0.5 + m_offsetY) * oversample;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double vx = (x + 0.5 - originU) / scale + m_centreX;
            const double vy = -(y + 0.5 - originV) / scale + m_centreY;
            hits[static_cast<std::size_t>(y) * w + static_cast<std::size_t>(x)] = trace(vx, vy);
        }
    }

    const Vec3 light = normalized({-0.45, 0.55, 0.70});
    HandLayer layer{GreyImage(width, height), GreyImage(width, height)};
    const double share = 1.0 / (oversample * oversample);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const Hit& p = hits[static_cast<std::size_t>(y) * w + static_cast<std::size_t>(x)];
            double line = 0.0;
            double fine = p.crease;
            for (int dy = -outlineReach; dy <= outlineReach; ++dy) {
                for (int dx = -outlineReach; dx <= outlineReach; ++dx) {
                    const int r2 = dx * dx + dy * dy;
                    if (r2 == 0 || r2 > outlineReach * outlineReach || x + dx < 0 || y + dy < 0 ||
                        x + dx >= w || y + dy >= h) {
                        continue;
                    }
                    const Hit& q = hits[static_cast<std::size_t>(y + dy) * w +
                                        static_cast<std::size_t>(x + dx)];
                    const double s = lineBetween(p, q, r2 <= 2);
                    if (s >= 1.0) {
                        line = 1.0;
                    } else if (r2 <= 5) {
                        fine = std::max(fine, s);
                    }
                }
            }
            // Pencil lines are never perfectly even.
            const double grain =
                (hash(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), m_seed) &
                 0xFFFFu) /
                65535.0;
            double colour = 0.0;
            double alpha = 0.0;
            if (p.hit) {
                const double lit = std::max(0.0, dot(p.normal, light));
                colour = 228.0 + 22.0 * (0.3 + 0.7 * lit);
                alpha = 1.0;
            }
            const double ink = line > 0.0 ? strongGrey + 18.0 * grain : fineGrey + 30.0 * grain;
            const double amount = line > 0.0 ? 1.0 : fine;
            if (amount > 0.0) {
                if (p.hit) {
                    colour = colour * (1.0 - amount) + ink * amount;
                } else {
                    colour = ink;
                    alpha = amount;
                }
            }
            layer.colour.at(x / oversample, y / oversample) += colour * alpha * share;
            layer.coverage.at(x / oversample, y / oversample) += alpha * share;
        }
    }
    return layer;
}
