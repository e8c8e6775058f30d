#include "bmpwriter.h"

#include "bytewriter.h"
#include "filesaver.h"

std::vector<std::uint8_t> BmpWriter::encode(const IndexedImage& image, std::uint32_t pixelsPerMetre)
{
    const auto width = static_cast<std::uint32_t>(image.width);
    const auto height = static_cast<std::uint32_t>(image.height);
    // Rows are padded to whole 32-bit words; at our widths they already are.
    const std::uint32_t rowBytes = ((width * 4 + 31) / 32) * 4;
    const std::uint32_t imageBytes = rowBytes * height;
    const std::uint32_t pixelOffset = 14 + 40 + 16 * 4;

    ByteWriter out;
    out.u8('B');
    out.u8('M');
    out.u32(pixelOffset + imageBytes);
    out.u32(0);
    out.u32(pixelOffset);

    out.u32(40);
    out.u32(width);
    out.u32(height); // positive: rows stored from the bottom up
    out.u16(1);
    out.u16(4);
    out.u32(0);
    out.u32(imageBytes);
    out.u32(pixelsPerMetre);
    out.u32(pixelsPerMetre);
    out.u32(16);
    out.u32(0);

    for (const PaletteEntry& e : image.palette) {
        out.u8(e.blue);
        out.u8(e.green);
        out.u8(e.red);
        out.u8(0);
    }

    for (int y = image.height - 1; y >= 0; --y) {
        std::uint32_t written = 0;
        for (int x = 0; x < image.width; x += 2) {
            const std::uint32_t high = image.index(x, y);
            const std::uint32_t low = x + 1 < image.width ? image.index(x + 1, y) : 0u;
            out.u8((high << 4) | low);
            ++written;
        }
        for (; written < rowBytes; ++written) {
            out.u8(0);
        }
    }
    return out.bytes();
}

void BmpWriter::write(const std::string& path, const IndexedImage& image,
                      std::uint32_t pixelsPerMetre)
{
    FileSaver::save(path, encode(image, pixelsPerMetre));
}
