// Writes the program's icon as the PNG that desktops look for in the icon
// theme, so the installed icon is the same picture as the windows' icon.
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: icontopng ICON.ico OUT.png\n");
        return 2;
    }
    const QImage icon(QString::fromLocal8Bit(argv[1]));
    if (icon.isNull() || icon.size() != QSize(32, 32)) {
        std::fprintf(stderr, "icontopng: %s is no 32 x 32 icon\n", argv[1]);
        return 1;
    }
    if (!icon.convertToFormat(QImage::Format_RGB32).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "icontopng: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
