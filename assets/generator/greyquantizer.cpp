#include "greyquantizer.h"

#include "random.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

std::vector<double> kMeans(const std::array<double, 256>& histogram, int count)
{
    double total = 0.0;
    for (double h : histogram) {
        total += h;
    }
    // Start from evenly spaced quantiles so the result depends only on the
    // picture.
    std::vector<double> centres(static_cast<std::size_t>(count));
    {
        double seen = 0.0;
        int next = 0;
        for (int g = 0; g < 256 && next < count; ++g) {
            seen += histogram[static_cast<std::size_t>(g)];
            while (next < count && seen >= total * (next + 0.5) / count) {
                centres[static_cast<std::size_t>(next++)] = g;
            }
        }
        for (; next < count; ++next) {
            centres[static_cast<std::size_t>(next)] = 255.0;
        }
    }
    // Spread out duplicates so every centre can win some greys.
    for (std::size_t i = 1; i < centres.size(); ++i) {
        centres[i] = std::max(centres[i], centres[i - 1] + 1.0);
    }
    for (int iteration = 0; iteration < 40; ++iteration) {
        std::vector<double> sum(centres.size(), 0.0);
        std::vector<double> weight(centres.size(), 0.0);
        for (int g = 0; g < 256; ++g) {
            const double h = histogram[static_cast<std::size_t>(g)];
            if (h <= 0.0) {
                continue;
            }
            std::size_t best = 0;
            for (std::size_t c = 1; c < centres.size(); ++c) {
                if (std::abs(centres[c] - g) < std::abs(centres[best] - g)) {
                    best = c;
                }
            }
            sum[best] += h * g;
            weight[best] += h;
        }
        for (std::size_t c = 0; c < centres.size(); ++c) {
            if (weight[c] > 0.0) {
                centres[c] = sum[c] / weight[c];
            }
        }
        std::sort(centres.begin(), centres.end());
    }
    return centres;
}

} // namespace

std::vector<double> GreyQuantizer::chooseGreys(const GreyImage& image, const Options& options)
{
    // The histogram leaves the greys the fixed ink greys stand for to them.
    const double inkAbove =
        options.inkGreys.empty()
            ? -1.0
            : options.inkGreys.back() +
                  (options.inkGreys.size() > 1
                       ? (options.inkGreys.back() - options.inkGreys[options.inkGreys.size() - 2]) *
                             0.5
                       : 0.0);
    std::array<double, 256> histogram{};
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double g = image.at(x, y);
            if ((options.reserved && g < options.reservedBelow) || g < inkAbove) {
                continue;
            }
            const int bin = std::clamp(static_cast<int>(std::lround(g)), 0, 255);
            histogram[static_cast<std::size_t>(bin)] += 1.0;
        }
    }
    const int free = (options.reserved ? 15 : 16) - static_cast<int>(options.inkGreys.size());
    std::vector<double> centres = options.inkGreys;
    const std::vector<double> chosen = kMeans(histogram, free);
    centres.insert(centres.end(), chosen.begin(), chosen.end());
    centres.front() = std::clamp(centres.front(), static_cast<double>(options.darkestAtLeast),
                                 static_cast<double>(options.darkestAtMost));
    return centres;
}

IndexedImage GreyQuantizer::quantize(const GreyImage& image, const Options& options)
{
    const std::vector<double> centres =
        options.greys.empty() ? chooseGreys(image, options) : options.greys;

    Random random(options.seed);
    std::vector<PaletteEntry> entries;
    std::vector<double> entryGreys;
    for (double c : centres) {
        // Keep room for a +1 on any channel below the lightest allowed.
        const int g = std::clamp(static_cast<int>(std::lround(c)), 2, options.lightestAtMost - 1);
        const int dr = random.below(3) - 1;
        const int db = random.below(3) - 1;
        PaletteEntry e{static_cast<std::uint8_t>(g + dr), static_cast<std::uint8_t>(g),
                       static_cast<std::uint8_t>(g + db)};
        entries.push_back(e);
        entryGreys.push_back((e.red + e.green + e.blue) / 3.0);
    }
    if (options.reserved) {
        entries.push_back(*options.reserved);
        entryGreys.push_back(-1000.0); // reached only through reservedBelow
    }

    // Shuffle (Fisher-Yates) so the entries stand in no order of brightness.
    std::vector<int> order(entries.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = static_cast<int>(i);
    }
    for (std::size_t i = order.size() - 1; i > 0; --i) {
        std::swap(order[i], order[static_cast<std::size_t>(random.below(static_cast<int>(i) + 1))]);
    }
    IndexedImage out;
    out.width = image.width();
    out.height = image.height();
    std::array<std::uint8_t, 16> slotOf{};
    for (std::size_t slot = 0; slot < order.size(); ++slot) {
        out.palette[slot] = entries[static_cast<std::size_t>(order[slot])];
        slotOf[static_cast<std::size_t>(order[slot])] = static_cast<std::uint8_t>(slot);
    }

    out.indices.reserve(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double g = image.at(x, y);
            std::size_t best = 0;
            if (options.reserved && g < options.reservedBelow) {
                best = entries.size() - 1;
            } else {
                for (std::size_t c = 1; c < centres.size(); ++c) {
                    if (std::abs(entryGreys[c] - g) < std::abs(entryGreys[best] - g)) {
                        best = c;
                    }
                }
            }
            out.indices.push_back(slotOf[best]);
        }
    }
    return out;
}
