// What the hand-shape pictures show, as far as a test can tell: the ground,
// the direction of the forearm, the half-size copies, and the marks that
// alone tell を from お.
#include "bitmapfile.h"
#include "pictures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

// Outlines are mid-grey; the ground and the inside of the hand are far lighter.
constexpr int lineBelow = 170;
constexpr int inkBelow = 24;

double meanOfBlock(const BitmapFile& f, int left, int top, int size)
{
    double sum = 0.0;
    for (int y = top; y < top + size; ++y) {
        for (int x = left; x < left + size; ++x) {
            sum += f.grey(x, y);
        }
    }
    return sum / (size * size);
}

class GroundCorners : public testing::TestWithParam<int>
{
};

TEST_P(GroundCorners, topCornersAreAShadeDarkerThanBottomCorners)
{
    const BitmapFile f(assets::handPicture(GetParam()));
    ASSERT_FALSE(f.image().isNull());
    for (int left : {0, 256 - 12}) {
        const double top = meanOfBlock(f, left, 0, 12);
        const double bottom = meanOfBlock(f, left, 192 - 12, 12);
        EXPECT_GE(top, 210.0) << "top corner at x " << left;
        EXPECT_LE(top, 226.0) << "top corner at x " << left;
        EXPECT_GE(bottom, 227.0) << "bottom corner at x " << left;
        EXPECT_LE(bottom, 240.0) << "bottom corner at x " << left;
    }
}

INSTANTIATE_TEST_SUITE_P(AllPictures, GroundCorners, testing::Range(0, 46));

enum class Arm
{
    FromBottom,
    FromTop,
    FromLowerLeft,
    FromRight,
};

struct DirectionCase
{
    int picture;
    Arm arm;
};

// Outline pixels where the forearm crosses the picture's edge, counted over
// one stretch of the border.
int linesOnEdge(const BitmapFile& f, bool vertical, int at, int from, int to)
{
    int n = 0;
    for (int i = from; i <= to; ++i) {
        n += f.grey(vertical ? at : i, vertical ? i : at) < lineBelow ? 1 : 0;
    }
    return n;
}

class ForearmDirection : public testing::TestWithParam<DirectionCase>
{
};

TEST_P(ForearmDirection, forearmLeavesThePictureAtItsEdge)
{
    const DirectionCase c = GetParam();
    const BitmapFile f(assets::handPicture(c.picture));
    ASSERT_FALSE(f.image().isNull());
    const int top = linesOnEdge(f, false, 0, 0, 255);
    const int bottom = linesOnEdge(f, false, 191, 0, 255);
    const int left = linesOnEdge(f, true, 0, 0, 191);
    const int right = linesOnEdge(f, true, 255, 0, 191);
    switch (c.arm) {
    case Arm::FromBottom:
        EXPECT_GE(linesOnEdge(f, false, 191, 64, 191), 2);
        EXPECT_EQ(top + left + right, 0);
        break;
    case Arm::FromTop:
        EXPECT_GE(linesOnEdge(f, false, 0, 64, 191), 2);
        EXPECT_EQ(bottom + left + right, 0);
        break;
    case Arm::FromLowerLeft:
        EXPECT_GE(linesOnEdge(f, true, 0, 96, 191) + linesOnEdge(f, false, 191, 0, 127), 2);
        EXPECT_EQ(top + right, 0);
        break;
    case Arm::FromRight:
        EXPECT_GE(right + linesOnEdge(f, false, 191, 128, 255), 2);
        EXPECT_EQ(left, 0);
        break;
    }
}

std::vector<DirectionCase> directionCases()
{
    std::vector<DirectionCase> cases;
    for (int p = 0; p < 46; ++p) {
        Arm arm = Arm::FromBottom;
        switch (p) {
        case 12:
        case 20:
        case 23:
        case 27:
        case 28:
        case 30: // す な ね ふ へ ま
            arm = Arm::FromTop;
            break;
        case 7:
        case 11:
        case 21:
        case 31:
        case 32:
        case 37: // く し に み む よ
            arm = Arm::FromLowerLeft;
            break;
        case 14:
        case 25:
        case 45: // そ は ん
            arm = Arm::FromRight;
            break;
        default:
            break;
        }
        cases.push_back({p, arm});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(AllPictures, ForearmDirection, testing::ValuesIn(directionCases()),
                         [](const auto& row) { return std::to_string(row.param.picture); });

class HalfSizeCopy : public testing::TestWithParam<int>
{
};

TEST_P(HalfSizeCopy, followsTheMeanOfEachTwoByTwoBlock)
{
    const int p = GetParam();
    const BitmapFile full(assets::handPicture(p));
    const BitmapFile half(assets::halfPicture(p));
    ASSERT_FALSE(full.image().isNull());
    ASSERT_FALSE(half.image().isNull());
    double error = 0.0;
    int inkBlocks = 0;
    int inkKept = 0;
    for (int y = 0; y < 96; ++y) {
        for (int x = 0; x < 128; ++x) {
            const int a = full.grey(2 * x, 2 * y), b = full.grey(2 * x + 1, 2 * y);
            const int c = full.grey(2 * x, 2 * y + 1), d = full.grey(2 * x + 1, 2 * y + 1);
            error += std::abs(half.grey(x, y) - (a + b + c + d) / 4.0);
            if (std::max({a, b, c, d}) < inkBelow) {
                ++inkBlocks;
                inkKept += half.grey(x, y) < inkBelow ? 1 : 0;
            }
        }
    }
    EXPECT_LE(error / (128 * 96), 3.0);
    EXPECT_EQ(inkKept, inkBlocks) << "arrow or text lost in the copy";
    EXPECT_EQ(inkBlocks > 0, hasArrows(p));
}

INSTANTIATE_TEST_SUITE_P(AllPictures, HalfSizeCopy, testing::Range(0, 46));

// を is お with an arrow and the words 後方に; nothing else may tell them apart.
TEST(WoPicture, differsFromOOnlyByArrowAndCaption)
{
    const BitmapFile o(assets::handPicture(4));
    const BitmapFile wo(assets::handPicture(44));
    ASSERT_FALSE(o.image().isNull());
    ASSERT_FALSE(wo.image().isNull());
    const QRect marks(168, 66, 256 - 168, 108 - 66);
    int captionLeft = 256, captionRight = -1, captionTop = 192, captionBottom = -1;
    double outsideError = 0.0;
    int outsideMax = 0;
    for (int y = 0; y < 192; ++y) {
        for (int x = 0; x < 256; ++x) {
            const int g = wo.grey(x, y);
            if (marks.contains(x, y)) {
                if (g < inkBelow && y >= 86) {
                    captionLeft = std::min(captionLeft, x);
                    captionRight = std::max(captionRight, x);
                    captionTop = std::min(captionTop, y);
                    captionBottom = std::max(captionBottom, y);
                }
                continue;
            }
            const int diff = std::abs(g - o.grey(x, y));
            outsideError += diff;
            outsideMax = std::max(outsideMax, diff);
            EXPECT_GE(g, inkBelow) << "ink outside the marks at " << x << "," << y;
        }
    }
    EXPECT_LE(outsideError / (256 * 192 - marks.width() * marks.height()), 2.0);
    EXPECT_LE(outsideMax, 12);
    EXPECT_EQ(captionLeft, 179);
    EXPECT_EQ(captionRight, 211);
    EXPECT_EQ(captionTop, 90);
    EXPECT_EQ(captionBottom, 100);
    for (int x = 178; x <= 232; ++x) {
        for (int y = 78; y <= 80; ++y) {
            EXPECT_LT(wo.grey(x, y), inkBelow) << "arrow shaft at " << x << "," << y;
        }
    }
    for (int y = 0; y < 192; ++y) {
        for (int x = 0; x < 256; ++x) {
            EXPECT_GE(o.grey(x, y), inkBelow) << "お carries no marks";
        }
    }
}

} // namespace
