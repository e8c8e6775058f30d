// A 16-colour picture: one palette index per pixel, row by row from the top,
// and the palette it indexes.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

struct PaletteEntry
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

struct IndexedImage
{
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> indices;
    std::array<PaletteEntry, 16> palette{};

    std::uint8_t index(int x, int y) const
    {
        return indices[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                       static_cast<std::size_t>(x)];
    }
    // The grey a pixel stands for: the mean of its entry's three channels.
    double grey(int x, int y) const
    {
        const PaletteEntry& e = palette[index(x, y)];
        return (e.red + e.green + e.blue) / 3.0;
    }
};
