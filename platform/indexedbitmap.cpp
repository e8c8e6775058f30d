#include "indexedbitmap.h"

#include <QFile>
#include <QtEndian>

#include <array>
#include <cstdint>
#include <cstring>

namespace platform {

namespace {

// Qt's general bitmap reader spends several instructions on each pixel of a
// 4-bit picture; the quiz window reads 46 of them before it first shows, and
// at start that was one eighth of all the work the program did. Our pictures
// all have the one layout below, which unpacks with one table look-up a byte.
constexpr qsizetype FileHeaderSize = 14;
constexpr qsizetype InfoHeaderSize = 40;
constexpr int PaletteSize = 16;

template <class T> T field(const uchar* data, qsizetype offset)
{
    return qFromLittleEndian<T>(data + offset);
}

QImage unpack(const uchar* data, qsizetype size)
{
    if (size < FileHeaderSize + InfoHeaderSize + PaletteSize * 4 || data[0] != 'B' ||
        data[1] != 'M')
        return {};
    const auto pixelsAt = field<std::uint32_t>(data, 10);
    const auto infoSize = field<std::uint32_t>(data, 14);
    const auto width = field<std::int32_t>(data, 18);
    const auto height = field<std::int32_t>(data, 22);
    const auto planes = field<std::uint16_t>(data, 26);
    const auto bits = field<std::uint16_t>(data, 28);
    const auto compression = field<std::uint32_t>(data, 30);
    const auto colours = field<std::uint32_t>(data, 46);
    // Bottom-up rows, no compression, a full palette of 16.
    if (infoSize != InfoHeaderSize || width <= 0 || width % 2 != 0 || height <= 0 || planes != 1 ||
        bits != 4 || compression != 0 || (colours != 0 && colours != PaletteSize))
        return {};
    const qsizetype stride = ((qsizetype{width} / 2 + 3) / 4) * 4;
    if (pixelsAt < FileHeaderSize + InfoHeaderSize + PaletteSize * 4 ||
        qsizetype{pixelsAt} + stride * height > size)
        return {};

    QImage image(width, height, QImage::Format_Indexed8);
    QList<QRgb> palette(PaletteSize);
    const uchar* entry = data + FileHeaderSize + InfoHeaderSize;
    for (int i = 0; i < PaletteSize; ++i, entry += 4)
        palette[i] = qRgb(entry[2], entry[1], entry[0]);
    image.setColorTable(palette);
    // Each byte holds two pixels, the left one in its high half: a table of
    // the 256 pairs unpacks a byte with one load and one store.
    static const std::array<std::array<uchar, 2>, 256> pairs = [] {
        std::array<std::array<uchar, 2>, 256> table{};
        for (std::size_t b = 0; b < table.size(); ++b)
            table[b] = {static_cast<uchar>(b >> 4), static_cast<uchar>(b & 0x0f)};
        return table;
    }();
    uchar* const pixels = image.bits();
    const qsizetype lineBytes = image.bytesPerLine();
    for (qsizetype y = 0; y < height; ++y) {
        const uchar* in = data + pixelsAt + stride * (height - 1 - y);
        uchar* out = pixels + lineBytes * y;
        for (qsizetype x = 0; x < width / 2; ++x)
            std::memcpy(out + 2 * x, pairs[in[x]].data(), 2);
    }
    return image;
}

} // namespace

QImage readIndexedBitmap(const QString& path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        // A resource stored uncompressed maps straight onto the program's data.
        const uchar* data = file.map(0, file.size());
        const QImage image = data != nullptr ? unpack(data, file.size()) : QImage();
        if (!image.isNull())
            return image;
    }
    return QImage(path, "BMP");
}

} // namespace platform
