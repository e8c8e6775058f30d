// The look that every window of the program shares: light blue windows,
// white bold labels, the Japanese font and the shared icon.
#pragma once

#include <QColor>
#include <QFont>

class QLabel;
class QWidget;

namespace platform {

inline const QColor WindowBlue{153, 204, 255};
inline const QColor LabelWhite{255, 255, 255};

// The program's font at the given size. The windows ask for "ＭＳ Ｐゴシック";
// where it is missing, IPAPGothic (proportional, like it) stands in for every
// glyph. Without the list, fontconfig maps the name to DejaVu Sans and takes
// the kana from the fixed-pitch IPAGothic.
QFont programFont(qreal pointSize, QFont::Weight weight);

// Light blue background and the shared icon.
void applyWindowLook(QWidget* window);

// For a part of the window's frame, such as its menu bar: the platform's
// own colours, whatever palette the window around it has.
void keepPlatformColours(QWidget* widget);

// An opaque light-blue label with white bold text, one line, left-aligned.
void applyLabelLook(QLabel* label, qreal pointSize);

} // namespace platform
