// Reduces a grey picture to 16 greys of its own.
//
// The greys are chosen for the picture (1-D k-means over its histogram), each
// is then turned into a near-grey whose channels differ by a unit or two and
// the entries are shuffled, so that every picture carries a palette unlike any
// other and a pixel value means nothing without its palette.
#pragma once

#include "greyimage.h"
#include "indexedimage.h"

#include <cstdint>
#include <optional>
#include <vector>

class GreyQuantizer
{
public:
    struct Options
    {
        int darkestAtLeast = 0;               // the darkest grey chosen is raised to this
        int darkestAtMost = 255;              // ...and lowered to this
        int lightestAtMost = 255;             // every channel of every entry stays at or below
        std::optional<PaletteEntry> reserved; // e.g. the arrows' near-black
        double reservedBelow = -1.0;          // greys below this take the reserved entry
        std::uint64_t seed = 1;
        // Greys to use instead of choosing them, e.g. to share another picture's.
        std::vector<double> greys;
        // Greys always kept for the lines, darkest first. Left to the histogram
        // alone, the few line pixels would share one or two greys while the
        // paper's speckle took the rest, and the fine lines would melt into
        // the skin.
        std::vector<double> inkGreys;
    };

    // The greys quantize() would choose, darkest first.
    static std::vector<double> chooseGreys(const GreyImage& image, const Options& options);

    static IndexedImage quantize(const GreyImage& image, const Options& options);
};
