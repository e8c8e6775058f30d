#include "icon.h"

#include "bytewriter.h"
#include "filesaver.h"

#include <algorithm>

namespace {

// 手 on a 19 x 19 grid, placed with its top-left cell at (6, 6). Strokes are
// two pixels thick so the character still reads at 32 x 32.
constexpr std::array<const char*, 19> glyph = {
    "..............##...", "..........######...", "....########.......", "...#####...........",
    ".........##........", "...#############...", "...#############...", ".........##........",
    ".........##........", ".........##........", "..###############..", "..###############..",
    ".........##........", ".........##........", ".........##........", ".........##........",
    "......#..##........", "......#####........", ".......###.........",
};
constexpr int glyphLeft = 6;
constexpr int glyphTop = 6;

constexpr Rgb field{153, 204, 255};
constexpr Rgb white{255, 255, 255};
constexpr Rgb shadow{128, 128, 128};

bool glyphAt(int x, int y)
{
    const int gx = x - glyphLeft;
    const int gy = y - glyphTop;
    if (gx < 0 || gy < 0 || gx >= 19 || gy >= 19) {
        return false;
    }
    return glyph[static_cast<std::size_t>(gy)][gx] == '#';
}

// Each ring outward moves the field a further fifth of the way to white,
// fractions dropped, which gives the rim its bevel.
Rgb ringColour(int ring)
{
    const auto toward = [ring](int c) {
        return static_cast<std::uint8_t>(c + (255 - c) * ring / 5);
    };
    return {toward(field.red), toward(field.green), toward(field.blue)};
}

} // namespace

Icon::Icon()
{
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int fromEdge = std::min(std::min(x, y), std::min(size - 1 - x, size - 1 - y));
            Rgb c = fromEdge < 4 ? ringColour(4 - fromEdge) : field;
            if (glyphAt(x, y)) {
                c = white;
            } else if (glyphAt(x - 2, y - 2)) {
                c = shadow;
            }
            m_pixels[static_cast<std::size_t>(y * size + x)] = c;
        }
    }
}

std::vector<std::uint8_t> Icon::encodeIco() const
{
    constexpr std::uint32_t colourBytes = size * size * 3;
    constexpr std::uint32_t maskBytes = size * 4;
    constexpr std::uint32_t imageBytes = 40 + colourBytes + maskBytes;

    ByteWriter out;
    out.u16(0);
    out.u16(1); // icon
    out.u16(1); // one image
    out.u8(size);
    out.u8(size);
    out.u8(0); // no palette
    out.u8(0);
    out.u16(1);
    out.u16(24);
    out.u32(imageBytes);
    out.u32(6 + 16);

    out.u32(40);
    out.u32(size);
    out.u32(size * 2); // colour rows and mask rows together
    out.u16(1);
    out.u16(24);
    out.u32(0);
    out.u32(0);
    out.u32(0);
    out.u32(0);
    out.u32(0);
    out.u32(0);

    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const Rgb c = pixel(x, y);
            out.u8(c.blue);
            out.u8(c.green);
            out.u8(c.red);
        }
    }
    for (std::uint32_t i = 0; i < maskBytes; ++i) {
        out.u8(0);
    }
    return out.bytes();
}

void Icon::write(const std::string& path) const
{
    FileSaver::save(path, encodeIco());
}
