#include "bitmapfile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

BitmapFile::BitmapFile(const QString& resourcePath)
{
    QFile file(resourcePath);
    if (file.open(QIODevice::ReadOnly)) {
        m_bytes = file.readAll();
    }
    QBuffer buffer(&m_bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, resourcePath.endsWith(QLatin1String(".ico")) ? "ico" : "bmp");
    m_image = reader.read();
}

std::uint32_t BitmapFile::u16(int offset) const
{
    return static_cast<std::uint32_t>(static_cast<std::uint8_t>(m_bytes.at(offset))) |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(m_bytes.at(offset + 1))) << 8;
}

std::uint32_t BitmapFile::u32(int offset) const
{
    return u16(offset) | u16(offset + 2) << 16;
}

QRgb BitmapFile::paletteEntry(int i) const
{
    const int at = 54 + 4 * i;
    const auto byte = [this](int o) { return static_cast<std::uint8_t>(m_bytes.at(o)); };
    return qRgb(byte(at + 2), byte(at + 1), byte(at));
}

int BitmapFile::grey(int x, int y) const
{
    const QRgb c = m_image.pixel(x, y);
    return (qRed(c) + qGreen(c) + qBlue(c) + 1) / 3;
}

bool hasArrows(int picture)
{
    return picture == 24 || picture == 34 || picture == 39 || picture == 44 || picture == 45;
}
