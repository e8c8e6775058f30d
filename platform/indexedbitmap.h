// Reads the program's own built-in pictures: uncompressed 4-bit bitmaps with a
// palette of 16 greys, as the picture generator writes them.
#pragma once

#include <QImage>
#include <QString>

namespace platform {

// The picture at `path` (a resource path), as Qt's image reader gives it: an
// 8-bit indexed image with the file's palette. A file of any other layout goes
// to Qt's reader.
QImage readIndexedBitmap(const QString& path);

} // namespace platform
