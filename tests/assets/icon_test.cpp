// The icon file: one opaque 32 x 32 image of 24 bits, with the bevelled rim,
// the light-blue field and the white 手 with its shadow.
#include "bitmapfile.h"
#include "pictures.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The colour at (x, y) as stored: rows bottom-up, blue, green, red.
QRgb storedPixel(const BitmapFile& f, int x, int y)
{
    const int at = 22 + 40 + ((31 - y) * 32 + x) * 3;
    const auto byte = [&f](int o) { return static_cast<std::uint8_t>(f.bytes().at(o)); };
    return qRgb(byte(at + 2), byte(at + 1), byte(at));
}

TEST(IconFile, holdsOneOpaqueTwentyFourBitImage)
{
    const BitmapFile f(assets::icon());
    ASSERT_EQ(f.bytes().size(), 3262);
    EXPECT_EQ(f.u16(0), 0u);
    EXPECT_EQ(f.u16(2), 1u);
    EXPECT_EQ(f.u16(4), 1u);
    EXPECT_EQ(f.bytes().at(6), 32);
    EXPECT_EQ(f.bytes().at(7), 32);
    EXPECT_EQ(f.bytes().at(8), 0);
    EXPECT_EQ(f.bytes().at(9), 0);
    EXPECT_EQ(f.u16(10), 1u);
    EXPECT_EQ(f.u16(12), 24u);
    EXPECT_EQ(f.u32(14), 3240u);
    EXPECT_EQ(f.u32(18), 22u);
    // The image's own header: colour rows and mask rows count double height.
    EXPECT_EQ(f.u32(22), 40u);
    EXPECT_EQ(f.u32(26), 32u);
    EXPECT_EQ(f.u32(30), 64u);
    EXPECT_EQ(f.u16(34), 1u);
    EXPECT_EQ(f.u16(36), 24u);
    for (int field = 38; field < 62; field += 4) {
        EXPECT_EQ(f.u32(field), 0u) << "header field at " << field;
    }
    const QByteArray mask = f.bytes().mid(22 + 40 + 3072);
    EXPECT_EQ(mask.size(), 128);
    EXPECT_EQ(mask.count('\0'), 128) << "every pixel must be opaque";

    ASSERT_FALSE(f.image().isNull());
    EXPECT_EQ(f.image().size(), QSize(32, 32));
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            EXPECT_EQ(qAlpha(f.image().pixel(x, y)), 255);
            EXPECT_EQ(f.image().pixel(x, y) | 0xFF000000u, storedPixel(f, x, y));
        }
    }
}

TEST(IconPicture, rimFieldCharacterAndShadowFollowTheLayout)
{
    const BitmapFile f(assets::icon());
    ASSERT_EQ(f.bytes().size(), 3262);
    const QRgb rings[4] = {qRgb(234, 244, 255), qRgb(214, 234, 255), qRgb(193, 224, 255),
                           qRgb(173, 214, 255)};
    const QRgb field = qRgb(153, 204, 255);
    const QRgb white = qRgb(255, 255, 255);
    const QRgb shadow = qRgb(128, 128, 128);
    const auto isWhite = [&](int x, int y) {
        return x >= 0 && y >= 0 && storedPixel(f, x, y) == white;
    };
    int whites = 0;
    int shadows = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb c = storedPixel(f, x, y);
            const int ring = std::min({x, y, 31 - x, 31 - y});
            if (ring < 4) {
                EXPECT_EQ(c, rings[ring]) << x << "," << y;
                continue;
            }
            if (c == white) {
                ++whites;
                EXPECT_TRUE(x >= 6 && x <= 24 && y >= 6 && y <= 24) << x << "," << y;
            } else if (isWhite(x - 2, y - 2)) {
                ++shadows;
                EXPECT_EQ(c, shadow) << x << "," << y;
            } else {
                EXPECT_EQ(c, field) << x << "," << y;
            }
        }
    }
    // A real character, not a stray dot: strokes across much of its box.
    EXPECT_GT(whites, 60);
    EXPECT_GT(shadows, 30);
}

} // namespace
