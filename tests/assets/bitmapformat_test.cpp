// The stored format of every hand-shape picture and half-size copy, field by
// field, as the program reads them from its resources.
#include "bitmapfile.h"
#include "pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ranges>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct BitmapCase
{
    int picture;
    bool half;
};

std::string caseName(const testing::TestParamInfo<BitmapCase>& info)
{
    return (info.param.half ? "half_" : "full_") + std::to_string(info.param.picture);
}

std::vector<BitmapCase> allBitmaps()
{
    std::vector<BitmapCase> cases;
    for (bool half : {false, true}) {
        for (int p = 0; p < 46; ++p) {
            cases.push_back({p, half});
        }
    }
    return cases;
}

QString pathOf(const BitmapCase& c)
{
    return c.half ? assets::halfPicture(c.picture) : assets::handPicture(c.picture);
}

int meanGrey(QRgb c)
{
    return (qRed(c) + qGreen(c) + qBlue(c) + 1) / 3;
}
int spread(QRgb c)
{
    return std::max({qRed(c), qGreen(c), qBlue(c)}) - std::min({qRed(c), qGreen(c), qBlue(c)});
}

class BitmapFormat : public testing::TestWithParam<BitmapCase>
{
};

TEST_P(BitmapFormat, headersDescribeUncompressedFourBitBitmap)
{
    const BitmapCase c = GetParam();
    const BitmapFile file(pathOf(c));
    const int width = c.half ? 128 : 256;
    const int height = c.half ? 96 : 192;
    const std::uint32_t imageBytes = c.half ? 6144 : 24576;
    const std::uint32_t resolution = hasArrows(c.picture) ? 3780 : 0;

    ASSERT_EQ(file.bytes().size(), c.half ? 6262 : 24694);
    EXPECT_EQ(file.bytes().left(2), QByteArray("BM"));
    EXPECT_EQ(file.u32(2), static_cast<std::uint32_t>(file.bytes().size()));
    EXPECT_EQ(file.u32(6), 0u);
    EXPECT_EQ(file.u32(10), 118u);
    EXPECT_EQ(file.u32(14), 40u);
    EXPECT_EQ(file.u32(18), static_cast<std::uint32_t>(width));
    EXPECT_EQ(file.u32(22), static_cast<std::uint32_t>(height)); // positive: bottom-up
    EXPECT_EQ(file.u16(26), 1u);
    EXPECT_EQ(file.u16(28), 4u);
    EXPECT_EQ(file.u32(30), 0u);
    EXPECT_EQ(file.u32(34), imageBytes);
    EXPECT_EQ(file.u32(38), resolution);
    EXPECT_EQ(file.u32(42), resolution);
    EXPECT_EQ(file.u32(46), 16u);
    EXPECT_EQ(file.u32(50), 0u);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(file.bytes().at(54 + 4 * i + 3), 0) << "entry " << i;
    }
    ASSERT_FALSE(file.image().isNull());
    EXPECT_EQ(file.image().size(), QSize(width, height));
}

TEST_P(BitmapFormat, paletteHoldsUnorderedNearGreys)
{
    const BitmapFile file(pathOf(GetParam()));
    std::vector<int> greys;
    for (int i = 0; i < 16; ++i) {
        const QRgb e = file.paletteEntry(i);
        EXPECT_LE(spread(e), 2) << "entry " << i;
        greys.push_back(meanGrey(e));
    }
    EXPECT_FALSE(std::is_sorted(greys.begin(), greys.end()));
    EXPECT_FALSE(std::is_sorted(greys.rbegin(), greys.rend()));
}

TEST_P(BitmapFormat, everyPixelIsNearGrey)
{
    const BitmapFile file(pathOf(GetParam()));
    ASSERT_FALSE(file.image().isNull());
    int coloured = 0;
    for (int y = 0; y < file.image().height(); ++y) {
        for (int x = 0; x < file.image().width(); ++x) {
            coloured += spread(file.image().pixel(x, y)) > 2 ? 1 : 0;
        }
    }
    EXPECT_EQ(coloured, 0);
}

INSTANTIATE_TEST_SUITE_P(AllBitmaps, BitmapFormat, testing::ValuesIn(allBitmaps()), caseName);

class FullPicturePalette : public testing::TestWithParam<int>
{
};

TEST_P(FullPicturePalette, darkestAndLightestEntriesStayInTheirRanges)
{
    const int p = GetParam();
    const BitmapFile file(assets::handPicture(p));
    std::vector<QRgb> entries;
    for (int i = 0; i < 16; ++i) {
        entries.push_back(file.paletteEntry(i));
    }
    int lightest = 0;
    for (QRgb e : entries) {
        lightest = std::max({lightest, qRed(e), qGreen(e), qBlue(e)});
    }
    if (hasArrows(p)) {
        EXPECT_EQ(std::ranges::count(entries, qRgb(4, 2, 4)), 1);
        EXPECT_LE(lightest, 248);
    } else {
        const QRgb darkest = std::ranges::min(entries, {}, meanGrey);
        EXPECT_GE(std::min({qRed(darkest), qGreen(darkest), qBlue(darkest)}), 81);
        EXPECT_LE(std::max({qRed(darkest), qGreen(darkest), qBlue(darkest)}), 122);
        EXPECT_LE(lightest, 252);
    }
}

INSTANTIATE_TEST_SUITE_P(AllPictures, FullPicturePalette, testing::Range(0, 46));

TEST(BitmapPalettes, noTwoOfTheNinetyTwoBitmapsShareAPalette)
{
    std::set<std::vector<QRgb>> seen;
    for (const BitmapCase& c : allBitmaps()) {
        const BitmapFile file(pathOf(c));
        std::vector<QRgb> palette;
        for (int i = 0; i < 16; ++i) {
            palette.push_back(file.paletteEntry(i));
        }
        EXPECT_TRUE(seen.insert(palette).second)
            << (c.half ? "half " : "full ") << c.picture << " repeats a palette";
    }
}

} // namespace
