#pragma once

#include <QString>

// The folder text with one "/" at its end: appended unless the text already
// ends in one, so the root folder "/" comes back as it is and an empty text
// gives "/" alone.
inline QString withFinalSeparator(QString folder)
{
    if (folder.isEmpty() || folder.back() != QLatin1Char('/'))
        folder += QLatin1Char('/');
    return folder;
}
