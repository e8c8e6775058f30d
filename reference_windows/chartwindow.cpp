#include "chartwindow.h"

#include "accessiblewindow.h"
#include "pictures.h"
#include "windowlook.h"

#include <QLabel>
#include <QPixmap>
#include <QRect>

namespace reference_windows {

namespace {

// Both charts open with their client area here, each time they are built;
// where the learner last moved one is deliberately forgotten.
constexpr QPoint StoredPlace{332, 60};
constexpr QSize PictureSize{128, 96};
constexpr qreal KanaPointSize = 12;

// A fixed single border with minimise and close, and no maximise: the grid
// only makes sense at its one size. Qt::Window keeps a taskbar button.
constexpr Qt::WindowFlags ChartFrame = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                       Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                       Qt::WindowCloseButtonHint;

} // namespace

ChartWindow::ChartWindow(Chart chart, const QString& title, QSize clientSize)
    : QWidget(nullptr, ChartFrame)
{
    platform::announceAsWindow(staticMetaObject);
    setWindowTitle(title);
    platform::applyWindowLook(this);
    setFixedSize(clientSize);
    // The client rectangle, not the frame: on X11 the window manager puts
    // its frame around it. On Wayland the compositor places windows itself.
    setGeometry(QRect(StoredPlace, clientSize));
    for (const ChartCell& cell : cellsOf(chart))
        addCell(cell);
}

void ChartWindow::addCell(const ChartCell& cell)
{
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1_%1").arg(cell.image));
    // The copies are stored at their display size, so nothing is scaled when
    // a chart opens.
    picture->setPixmap(QPixmap(assets::halfPicture(cell.kanaNumber - 1)));
    picture->setScaledContents(false);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setGeometry(QRect(picturePlace(cell), PictureSize));
    picture->setFocusPolicy(Qt::NoFocus);

    auto* kana = new QLabel(QString(QChar(cell.kana)), this);
    kana->setObjectName(QStringLiteral("Label1_%1").arg(cell.label));
    platform::applyLabelLook(kana, KanaPointSize);
    // Fixed top-left corner, the size of its text: a wider glyph grows right.
    kana->move(labelPlace(cell));
    kana->adjustSize();
}

} // namespace reference_windows
