// Checks on the posed hand model behind the pictures, for the shapes that are
// easiest to misread: which fingers stand up and at which side of the hand,
// whether the thumb of a pointing hand stays inside the fist, and whether the
// ring of め is open to the viewer.

#include "handmodel.h"
#include "posetable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <utility>
#include <vector>

namespace {

constexpr int indexFinger = 0;
constexpr int littleFinger = 3;
constexpr int thumb = 4;

struct Digit
{
    Vec3 knuckle;
    Vec3 tip;
    double boneLength = 0.0; // knuckle to tip along the bones
};

// Knuckle and tip (the centre of its rounded end) of each digit, in view
// space (y up in the picture).
std::array<Digit, 5> digits(const HandModel& model)
{
    std::array<Digit, 5> d{};
    for (const Primitive& p : model.primitives()) {
        if (p.finger < 0) {
            continue;
        }
        auto& digit = d[static_cast<std::size_t>(p.finger)];
        digit.boneLength += length(p.b - p.a);
        if (p.phalanx == 0) {
            digit.knuckle = p.a;
        }
        if (p.tip) {
            digit.tip = p.b;
        }
    }
    return d;
}

// A finger stands up when its tip rises above its knuckle by most of the
// finger's length; one folded onto the thumb rises by less than half.
bool raised(const Digit& d)
{
    return d.tip.y - d.knuckle.y > 0.7 * d.boneLength;
}

struct RaisedCase
{
    int picture;
    std::array<bool, 4> up; // index, middle, ring, little
};

void PrintTo(const RaisedCase& c, std::ostream* os)
{
    *os << PoseTable::kana(c.picture);
}

class RaisedFingers : public testing::TestWithParam<RaisedCase>
{
};

} // namespace

// The fingers that stand are the ones that name the kana, and they stand at
// their own sides of the hand: the folded ones gather between or beside them,
// never out past the index on the thumb side (the palm turns toward the
// viewer, so the thumb side is the picture's right).
TEST_P(RaisedFingers, areTheNamedOnesAtTheirOwnSides)
{
    const RaisedCase c = GetParam();
    const HandModel model(PoseTable::pose(c.picture));
    const auto d = digits(model);
    std::vector<double> folded; // where the folded fingertips lie across the picture
    for (int f = 0; f < 4; ++f) {
        const Digit& digit = d[static_cast<std::size_t>(f)];
        EXPECT_EQ(raised(digit), c.up[static_cast<std::size_t>(f)])
            << PoseTable::kana(c.picture) << " finger " << f;
        if (!raised(digit)) {
            folded.push_back(digit.tip.x);
        }
    }
    ASSERT_FALSE(folded.empty());
    const double foldedRight = *std::max_element(folded.begin(), folded.end());
    const double foldedLeft = *std::min_element(folded.begin(), folded.end());
    if (c.up[indexFinger]) {
        EXPECT_GT(d[indexFinger].tip.x, foldedRight) << PoseTable::kana(c.picture);
    }
    if (c.up[littleFinger]) {
        EXPECT_LT(d[littleFinger].tip.x, foldedLeft) << PoseTable::kana(c.picture);
    }
}

INSTANTIATE_TEST_SUITE_P(SnoutHands, RaisedFingers,
                         testing::Values(RaisedCase{6, {true, false, false, true}},   // き
                                         RaisedCase{16, {false, false, false, true}}, // ち
                                         RaisedCase{17, {false, false, true, true}}   // つ
                                         ));

namespace {

// Whether the line of sight through (x, y) meets one of the model's parts.
template <class Pred> bool sightMeets(const HandModel& model, double x, double y, Pred part)
{
    for (double z = -3.0; z <= 3.0; z += 0.005) {
        for (const Primitive& p : model.primitives()) {
            if (part(p) && p.distance({x, y, z}) <= 0.0) {
                return true;
            }
        }
    }
    return false;
}

// The middle, ring and little fingers (curled, they draw the outline of a fist).
bool middleRingOrLittle(const Primitive& p)
{
    return p.kind == PartKind::Phalanx && p.finger >= 1 && p.finger <= 3;
}

class PointingThumb : public testing::TestWithParam<int>
{
};

} // namespace

// In そ and ん only the index points; a thumb reaching out past the fist would
// turn the hand into the pistol of む or れ.
TEST_P(PointingThumb, tipRestsInsideTheFist)
{
    const int picture = GetParam();
    const HandModel model(PoseTable::pose(picture));
    const Vec3 tip = digits(model)[thumb].tip;
    EXPECT_TRUE(sightMeets(model, tip.x, tip.y, middleRingOrLittle)) << PoseTable::kana(picture);
}

INSTANTIATE_TEST_SUITE_P(SoAndN, PointingThumb, testing::Values(14, 45));

namespace {

bool ringPart(const Primitive& p)
{
    return p.finger == indexFinger || p.finger == thumb || p.kind == PartKind::Palm;
}

} // namespace

// め is a ring of thumb and index with its hole open toward the viewer: seen
// from the front, the two digits and the palm between them enclose a patch
// that none of them covers, and through it no other finger shows. Turned so
// that the middle finger fills the hole, the ring reads as a lump under three
// fingers, that is as わ.
TEST(MeRing, thumbAndIndexEncloseAnOpenHole)
{
    constexpr int me = 33;
    const HandModel model(PoseTable::pose(me));
    double left = 1e9, right = -1e9, bottom = 1e9, top = -1e9;
    for (const Primitive& p : model.primitives()) {
        if (p.finger == indexFinger || p.finger == thumb) {
            const double r = std::max(p.ra, p.rb);
            left = std::min({left, p.a.x - r, p.b.x - r});
            right = std::max({right, p.a.x + r, p.b.x + r});
            bottom = std::min({bottom, p.a.y - r, p.b.y - r});
            top = std::max({top, p.a.y + r, p.b.y + r});
        }
    }
    // A grid over the two digits with a free rim of four cells.
    constexpr int cells = 72;
    constexpr int rim = 4;
    const double stepX = (right - left) / (cells - 2 * rim);
    const double stepY = (top - bottom) / (cells - 2 * rim);
    const auto at = [](int i, int j) { return static_cast<std::size_t>(i * cells + j); };
    const auto x = [&](int j) { return left + (j - rim) * stepX; };
    const auto y = [&](int i) { return bottom + (i - rim) * stepY; };
    std::vector<char> wall(cells * cells);
    for (int i = 0; i < cells; ++i) {
        for (int j = 0; j < cells; ++j) {
            wall[at(i, j)] = sightMeets(model, x(j), y(i), ringPart);
        }
    }
    // Every free cell that can be reached from the grid's edge is outside.
    std::vector<char> outside(cells * cells);
    std::vector<std::pair<int, int>> todo;
    const auto reach = [&](int i, int j) {
        if (i >= 0 && i < cells && j >= 0 && j < cells && !wall[at(i, j)] && !outside[at(i, j)]) {
            outside[at(i, j)] = 1;
            todo.emplace_back(i, j);
        }
    };
    for (int k = 0; k < cells; ++k) {
        reach(0, k);
        reach(cells - 1, k);
        reach(k, 0);
        reach(k, cells - 1);
    }
    while (!todo.empty()) {
        const auto [i, j] = todo.back();
        todo.pop_back();
        reach(i + 1, j);
        reach(i - 1, j);
        reach(i, j + 1);
        reach(i, j - 1);
    }
    int openHole = 0;
    for (int i = 0; i < cells; ++i) {
        for (int j = 0; j < cells; ++j) {
            openHole += !wall[at(i, j)] && !outside[at(i, j)] &&
                        !sightMeets(model, x(j), y(i), middleRingOrLittle);
        }
    }
    // At least the size of a fingertip's end: a few dozen cells of the grid.
    EXPECT_GE(openHole, 30) << "cells of the ring's hole through which nothing else shows";
}
