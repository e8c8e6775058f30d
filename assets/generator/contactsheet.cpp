#include "contactsheet.h"

#include "posetable.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

#include <array>

ContactSheet::Cell ContactSheet::cellOf(int picture)
{
    if (picture < 35) {
        return {picture / 5, picture % 5};
    }
    constexpr std::array<Cell, 11> tail = {{
        {7, 0},
        {7, 2},
        {7, 4},
        {8, 0},
        {8, 1},
        {8, 2},
        {8, 3},
        {8, 4},
        {9, 0},
        {9, 2},
        {9, 4},
    }};
    return tail[static_cast<std::size_t>(picture - 35)];
}

void ContactSheet::write(const std::string& path, const std::vector<IndexedImage>& pictures)
{
    const int w = pictures.front().width;
    const int h = pictures.front().height;
    const int label = h / 8 + 6;
    QImage sheet(5 * (w + 4), 10 * (h + label), QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(label - 4);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (std::size_t p = 0; p < pictures.size(); ++p) {
        const IndexedImage& picture = pictures[p];
        QImage image(picture.width, picture.height, QImage::Format_RGB32);
        for (int y = 0; y < picture.height; ++y) {
            for (int x = 0; x < picture.width; ++x) {
                const PaletteEntry& e = picture.palette[picture.index(x, y)];
                image.setPixel(x, y, qRgb(e.red, e.green, e.blue));
            }
        }
        const Cell cell = cellOf(static_cast<int>(p));
        const int left = cell.column * (w + 4);
        const int top = cell.row * (h + label);
        painter.drawImage(left, top, image);
        painter.drawText(QRect(left, top + h, w, label), Qt::AlignCenter,
                         QString::fromUtf8(PoseTable::kana(static_cast<int>(p))) +
                             QStringLiteral(" %1").arg(p));
    }
    painter.end();
    sheet.save(QString::fromStdString(path));
}
