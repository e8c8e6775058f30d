// Writes 16-colour (4 bits per pixel) uncompressed Windows BMP files.
//
// We write them ourselves because Qt's BMP writer only produces 24- and
// 32-bit files (and 8-bit for indexed images), never 4-bit ones, and the
// pictures must be stored at 4 bits with a palette of their own.
#pragma once

#include "indexedimage.h"

#include <cstdint>
#include <string>
#include <vector>

class BmpWriter
{
public:
    // pixelsPerMetre goes into both resolution fields (0 = unspecified).
    static std::vector<std::uint8_t> encode(const IndexedImage& image,
                                            std::uint32_t pixelsPerMetre);
    static void write(const std::string& path, const IndexedImage& image,
                      std::uint32_t pixelsPerMetre);
};
