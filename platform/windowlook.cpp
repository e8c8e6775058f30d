#include "windowlook.h"

#include "pictures.h"

#include <QApplication>
#include <QFontInfo>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace platform {

namespace {

// The families in the order the windows prefer them, from the one Qt picks
// on this machine. A name that is missing costs Qt a fontconfig search for its
// fallbacks at every script of every label, and at start those searches cost
// more than the quiz window's 46 pictures; Qt's own choice, asked once, spares
// them and keeps what the labels get.
const QStringList& programFamilies()
{
    static const QStringList families = [] {
        const QStringList wanted = {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"),
                                    QStringLiteral("IPAGothic")};
        QFont font;
        font.setFamilies(wanted);
        // The size of the windows' own text, so that the engine asked for
        // here is one they use anyway.
        font.setPointSizeF(12.0);
        const qsizetype chosen = wanted.indexOf(QFontInfo(font).family());
        return chosen > 0 ? wanted.mid(chosen) : wanted;
    }();
    return families;
}

} // namespace

QFont programFont(qreal pointSize, QFont::Weight weight)
{
    QFont font;
    font.setFamilies(programFamilies());
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

void applyWindowLook(QWidget* window)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, WindowBlue);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    window->setWindowIcon(QIcon(assets::icon()));
}

void keepPlatformColours(QWidget* widget)
{
    QPalette palette = QApplication::palette(widget);
    // A child takes every colour of its parent's palette that its own does
    // not set; marking all of them as set keeps the window's blue out.
    palette.setResolveMask(~QPalette::ResolveMask{0});
    widget->setPalette(palette);
}

void applyLabelLook(QLabel* label, qreal pointSize)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, WindowBlue);
    palette.setColor(QPalette::WindowText, LabelWhite);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    label->setFont(programFont(pointSize, QFont::Bold));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(false);
    label->setTextFormat(Qt::PlainText);
    label->setContentsMargins(0, 0, 0, 0);
    label->setFocusPolicy(Qt::NoFocus);
}

} // namespace platform
