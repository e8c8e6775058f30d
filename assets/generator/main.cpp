// handgen: draws the 46 hand-shape pictures, their half-size copies and the
// icon, and writes them in their stored formats. Everything it draws is fixed
// by the pose table and fixed seeds, so running it again reproduces the
// committed files byte for byte.
//
// Usage: handgen OUTPUT_FOLDER [--sheets SHEET_FOLDER]
// The contact sheets are for looking at the drawings and are never committed.

#include "bmpwriter.h"
#include "contactsheet.h"
#include "greyquantizer.h"
#include "ground.h"
#include "handmodel.h"
#include "handrenderer.h"
#include "icon.h"
#include "motionmarks.h"
#include "posetable.h"

#include <QGuiApplication>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

namespace {

constexpr int pictureO = 4;
constexpr int pictureWo = 44;
constexpr std::uint32_t arrowResolution = 3780; // 96 dpi, in pixels per metre

GreyImage drawPicture(int picture)
{
    const HandPose& pose = PoseTable::pose(picture);
    const HandModel model(pose);
    // を is the drawing of お itself, down to the paper's speckle.
    const int paper = picture == pictureWo ? pictureO : picture;
    const HandRenderer renderer(model, pose.offsetX, pose.offsetY,
                                static_cast<std::uint64_t>(paper) + 1);
    const HandLayer hand = renderer.render();
    GreyImage image = Ground::paint(HandRenderer::width, HandRenderer::height,
                                    7001 + static_cast<std::uint64_t>(paper));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.at(x, y) = image.at(x, y) * (1.0 - hand.coverage.at(x, y)) + hand.colour.at(x, y);
        }
    }
    return image;
}

GreyImage halve(const IndexedImage& full)
{
    GreyImage half(full.width / 2, full.height / 2);
    for (int y = 0; y < half.height(); ++y) {
        for (int x = 0; x < half.width(); ++x) {
            half.at(x, y) = (full.grey(2 * x, 2 * y) + full.grey(2 * x + 1, 2 * y) +
                             full.grey(2 * x, 2 * y + 1) + full.grey(2 * x + 1, 2 * y + 1)) /
                            4.0;
        }
    }
    return half;
}

using PaletteKey = std::vector<std::tuple<int, int, int>>;

PaletteKey keyOf(const IndexedImage& image)
{
    PaletteKey key;
    for (const PaletteEntry& e : image.palette) {
        key.emplace_back(e.red, e.green, e.blue);
    }
    return key;
}

// Quantizes with the first seed whose palette no earlier picture has used.
IndexedImage quantizeUnique(const GreyImage& image, GreyQuantizer::Options options,
                            std::set<PaletteKey>& used)
{
    for (;;) {
        IndexedImage result = GreyQuantizer::quantize(image, options);
        if (used.insert(keyOf(result)).second) {
            return result;
        }
        options.seed += 100003;
    }
}

// を takes the greys of お, less one to make room for the arrows' near-black,
// so that outside the marks the two pictures differ by no more than a step
// between neighbouring greys. The closest pair of greys is merged.
std::vector<double> sharedGreys(std::vector<double> greys, int lightestAtMost)
{
    std::size_t closest = 1;
    for (std::size_t i = 2; i < greys.size(); ++i) {
        if (greys[i] - greys[i - 1] < greys[closest] - greys[closest - 1]) {
            closest = i;
        }
    }
    greys[closest - 1] = (greys[closest - 1] + greys[closest]) * 0.5;
    greys.erase(greys.begin() + static_cast<std::ptrdiff_t>(closest));
    for (double& g : greys) {
        g = std::min(g, lightestAtMost - 1.0);
    }
    return greys;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: handgen OUTPUT_FOLDER [--sheets SHEET_FOLDER]\n");
        return 2;
    }
    const std::string out = argv[1];
    const std::string sheets = argc > 3 && std::strcmp(argv[2], "--sheets") == 0 ? argv[3] : "";

    // Text is drawn through Qt's font machinery, which needs an application,
    // but never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    std::vector<GreyImage> drawings(PoseTable::count, GreyImage(1, 1));
    std::atomic<int> next{0};
    std::vector<std::thread> workers;
    const unsigned threads = std::max(1u, std::min(16u, std::thread::hardware_concurrency()));
    for (unsigned t = 0; t < threads; ++t) {
        workers.emplace_back([&] {
            for (int p = next++; p < PoseTable::count; p = next++) {
                drawings[static_cast<std::size_t>(p)] = drawPicture(p);
            }
        });
    }
    for (std::thread& w : workers) {
        w.join();
    }

    std::set<PaletteKey> used;
    std::vector<IndexedImage> fulls;
    std::vector<IndexedImage> halves;
    for (int p = 0; p < PoseTable::count; ++p) {
        GreyImage& drawing = drawings[static_cast<std::size_t>(p)];
        const bool marked = MotionMarks::hasMarks(p);
        MotionMarks::paint(drawing, p);

        GreyQuantizer::Options options;
        options.seed = 1000 + static_cast<std::uint64_t>(p);
        options.darkestAtLeast = marked ? 0 : 82;
        options.darkestAtMost = marked ? 255 : 118;
        options.lightestAtMost = marked ? 248 : 252;
        options.inkGreys = {84.0, 112.0, 142.0, 172.0};
        if (marked) {
            options.reserved = PaletteEntry{4, 2, 4};
            options.reservedBelow = MotionMarks::inkBelow;
        }
        if (p == pictureWo) {
            // Start from お as stored, so that only the marks and one merged
            // pair of greys can differ.
            const IndexedImage& o = fulls[pictureO];
            std::vector<double> greys;
            for (const PaletteEntry& e : o.palette) {
                greys.push_back((e.red + e.green + e.blue) / 3.0);
            }
            std::sort(greys.begin(), greys.end());
            options.greys = sharedGreys(greys, options.lightestAtMost);
            for (int y = 0; y < drawing.height(); ++y) {
                for (int x = 0; x < drawing.width(); ++x) {
                    if (drawing.at(x, y) >= MotionMarks::inkBelow) {
                        drawing.at(x, y) = o.grey(x, y);
                    }
                }
            }
        }
        fulls.push_back(quantizeUnique(drawing, options, used));

        GreyQuantizer::Options halfOptions;
        halfOptions.seed = 5000 + static_cast<std::uint64_t>(p);
        halfOptions.lightestAtMost = options.lightestAtMost;
        halves.push_back(quantizeUnique(halve(fulls.back()), halfOptions, used));

        char name[32];
        std::snprintf(name, sizeof name, "%02d.bmp", p);
        const std::uint32_t resolution = marked ? arrowResolution : 0;
        BmpWriter::write(out + "/hands/" + name, fulls.back(), resolution);
        BmpWriter::write(out + "/hands_half/" + name, halves.back(), resolution);
    }
    Icon().write(out + "/icon.ico");

    if (!sheets.empty()) {
        ContactSheet::write(sheets + "/contact_sheet.png", fulls);
        ContactSheet::write(sheets + "/contact_sheet_half.png", halves);
    }
    return 0;
}
