#include "motionmarks.h"

#include <QFont>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int pictureNo = 24;
constexpr int pictureMo = 34;
constexpr int pictureRi = 39;
constexpr int pictureWo = 44;
constexpr int pictureN = 45;

// An open V head at `tip`, its arms running back against `direction`.
void head(QPainter& painter, QPointF tip, QPointF direction)
{
    const double len = std::hypot(direction.x(), direction.y());
    const QPointF back(-direction.x() / len, -direction.y() / len);
    for (double sign : {-1.0, 1.0}) {
        const double a = sign * 0.50;
        const QPointF arm(back.x() * std::cos(a) - back.y() * std::sin(a),
                          back.x() * std::sin(a) + back.y() * std::cos(a));
        painter.drawLine(tip, tip + arm * 11.0);
    }
}

void arrow(QPainter& painter, QPointF from, QPointF to)
{
    painter.drawLine(from, to);
    head(painter, to, to - from);
}

// The caption is rasterised from the Japanese font Debian ships, without
// smoothing, so that it comes out in solid strokes like the arrows.
void caption(QImage& mask)
{
    static const int fontId = QFontDatabase::addApplicationFont(
        QStringLiteral("/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"));
    if (fontId < 0) {
        std::fprintf(stderr, "handgen: the IPA Gothic font (fonts-ipafont-gothic) is missing\n");
        std::exit(1);
    }
    QFont font(QFontDatabase::applicationFontFamilies(fontId).value(0));
    font.setPixelSize(12);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);

    QImage text(64, 32, QImage::Format_Grayscale8);
    text.fill(0);
    {
        QPainter p(&text);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QPointF(4, 20), QString::fromUtf8("後方に"));
    }
    int left = 64, top = 32, right = -1, bottom = -1;
    for (int y = 0; y < text.height(); ++y) {
        for (int x = 0; x < text.width(); ++x) {
            if (qGray(text.pixel(x, y)) > 127) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    // Squeeze or stretch the ink into its box, 33 x 11 pixels at (179, 90).
    const int boxW = 33, boxH = 11;
    for (int y = 0; y < boxH; ++y) {
        for (int x = 0; x < boxW; ++x) {
            const int sx = left + (x * (right - left + 1)) / boxW;
            const int sy = top + (y * (bottom - top + 1)) / boxH;
            if (qGray(text.pixel(sx, sy)) > 127) {
                mask.setPixel(179 + x, 90 + y, qRgb(255, 255, 255));
            }
        }
    }
}

} // namespace

bool MotionMarks::hasMarks(int picture)
{
    return picture == pictureNo || picture == pictureMo || picture == pictureRi ||
           picture == pictureWo || picture == pictureN;
}

void MotionMarks::paint(GreyImage& image, int picture)
{
    if (!hasMarks(picture)) {
        return;
    }
    QImage mask(image.width(), image.height(), QImage::Format_Grayscale8);
    mask.fill(0);
    {
        QPainter painter(&mask);
        // Hard edges: the marks are solid strokes of one near-black.
        painter.setRenderHint(QPainter::Antialiasing, false);
        QPen pen(Qt::white, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        painter.setPen(pen);
        switch (picture) {
        case pictureNo: {
            QPainterPath path(QPointF(97, 50));
            path.cubicTo(QPointF(50, 85), QPointF(50, 145), QPointF(98, 174));
            painter.drawPath(path);
            head(painter, QPointF(98, 174), QPointF(48, 29));
            break;
        }
        case pictureMo:
            arrow(painter, QPointF(15, 60), QPointF(101, 60));
            arrow(painter, QPointF(233, 60), QPointF(140, 60));
            break;
        case pictureRi:
            arrow(painter, QPointF(108, 44), QPointF(161, 144));
            arrow(painter, QPointF(138, 46), QPointF(160, 91));
            break;
        case pictureWo:
            arrow(painter, QPointF(175, 79), QPointF(238, 79));
            break;
        case pictureN: {
            QPainterPath path(QPointF(66, 93));
            path.lineTo(QPointF(47, 146));
            path.lineTo(QPointF(18, 90));
            painter.drawPath(path);
            head(painter, QPointF(18, 90), QPointF(-29, -56));
            break;
        }
        default:
            break;
        }
    }
    if (picture == pictureWo) {
        caption(mask);
    }
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(mask.pixel(x, y)) > 127) {
                image.at(x, y) = inkGrey;
            }
        }
    }
}
