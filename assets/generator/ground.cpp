#include "ground.h"

#include "random.h"

GreyImage Ground::paint(int width, int height, std::uint64_t seed)
{
    GreyImage image(width, height);
    Random random(seed);
    for (int y = 0; y < height; ++y) {
        const double base = 216.0 + 18.0 * y / (height - 1);
        for (int x = 0; x < width; ++x) {
            double g = base + (random.unit() - 0.5) * 9.0;
            // Now and then a darker fleck of the paper's grain.
            if (random.below(40) == 0) {
                g -= 10.0 + 8.0 * random.unit();
            }
            image.at(x, y) = g;
        }
    }
    return image;
}
