// Where the program's built-in pictures live among its Qt resources.
#pragma once

#include <QString>

namespace assets {

// Hand-shape picture p (0 to 45), 256 x 192; picture p shows the kana whose
// KanaNumber is p + 1.
inline QString handPicture(int p)
{
    return QStringLiteral(":/hands/%1.bmp").arg(p, 2, 10, QLatin1Char('0'));
}

// The 128 x 96 copy of hand-shape picture p, shown in the charts.
inline QString halfPicture(int p)
{
    return QStringLiteral(":/hands_half/%1.bmp").arg(p, 2, 10, QLatin1Char('0'));
}

// The 32 x 32 icon that every window bears.
inline QString icon()
{
    return QStringLiteral(":/icon.ico");
}

} // namespace assets
