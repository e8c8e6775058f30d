// A picture as floating-point greys, 0 (black) to 255 (white), row by row
// from the top.
#pragma once

#include <vector>

class GreyImage
{
public:
    GreyImage(int width, int height, double fill = 0.0)
        : m_width(width), m_height(height),
          m_pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill)
    {
    }

    int width() const { return m_width; }
    int height() const { return m_height; }
    double at(int x, int y) const { return m_pixels[index(x, y)]; }
    double& at(int x, int y) { return m_pixels[index(x, y)]; }

private:
    std::size_t index(int x, int y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
               static_cast<std::size_t>(x);
    }

    int m_width;
    int m_height;
    std::vector<double> m_pixels;
};
