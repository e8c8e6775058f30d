// The program's icon: a white 手 with a grey drop shadow on a light-blue
// square with a bevelled rim, 32 x 32, and its ICO encoding.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct Rgb
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

class Icon
{
public:
    static constexpr int size = 32;

    Icon();

    Rgb pixel(int x, int y) const { return m_pixels[static_cast<std::size_t>(y * size + x)]; }

    // One 24-bit image with an all-zero (fully opaque) mask.
    std::vector<std::uint8_t> encodeIco() const;
    void write(const std::string& path) const;

private:
    std::array<Rgb, size * size> m_pixels{};
};
