// A stored bitmap or icon read back for the tests: its raw bytes for the
// header fields, and Qt's decoding of it for the pixels.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>

class BitmapFile
{
public:
    explicit BitmapFile(const QString& resourcePath);

    const QByteArray& bytes() const { return m_bytes; }
    const QImage& image() const { return m_image; }

    std::uint32_t u16(int offset) const;
    std::uint32_t u32(int offset) const;
    // Palette entry i of a 16-colour BMP, as Qt's colour value.
    QRgb paletteEntry(int i) const;
    int grey(int x, int y) const;

private:
    QByteArray m_bytes;
    QImage m_image;
};

// Picture numbers of the five pictures with movement arrows.
bool hasArrows(int picture);
