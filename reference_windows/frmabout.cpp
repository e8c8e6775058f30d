#include "frmabout.h"

#include "defaultbutton.h"
#include "pictures.h"
#include "taskbarhint.h"
#include "version.h"
#include "windowlook.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr QSize ClientSize{312, 110};
constexpr qreal LinePointSize = 11.25;

// A fixed dialog frame with the system menu and the close box, nothing to
// minimise or maximise. Qt::Dialog, not Qt::Tool: a utility window gets a
// slimmer frame from many window managers and stays above its group, while
// a dialog is the ordinary frame for an application-modal box. It stays a
// parentless top-level, so the close box closes it like any other window.
// No flag keeps it out of the taskbar on X11; keepOffTaskbar does.
constexpr Qt::WindowFlags AboutFrame = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// The about box has no owner, so it centres on the window it was opened
// from, the quiz window, which is active at that moment; on the screen when
// nothing is.
QRect centredClientRect()
{
    const QWidget* opener = QApplication::activeWindow();
    const QRect around = opener != nullptr ? opener->frameGeometry()
                                           : QGuiApplication::primaryScreen()->availableGeometry();
    QRect client(QPoint(), ClientSize);
    client.moveCenter(around.center());
    return client;
}

QLabel* makeLine(const QString& text, const QRect& place, QWidget* window)
{
    auto* line = new QLabel(text, window);
    platform::applyLabelLook(line, LinePointSize);
    // Fixed size: the lines are not sized to their text.
    line->setGeometry(place);
    return line;
}

} // namespace

frmAbout::frmAbout()
    : QDialog(nullptr, AboutFrame),
      Label1(makeLine(QStringLiteral("ソフト名\u3000") +
                          QString::fromUtf8(platform::Version::ProductName),
                      QRect(96, 16, 193, 17), this)),
      Label2(makeLine(QStringLiteral("バージョン\u3000Ver ") +
                          QString::fromUtf8(platform::Version::VersionText),
                      QRect(96, 48, 177, 17), this)),
      Image1(new QLabel(this)), Command1(new QPushButton(QStringLiteral("OK"), this))
{
    setWindowTitle(QStringLiteral("バージョン情報"));
    platform::applyWindowLook(this);
    setFixedSize(ClientSize);
    setGeometry(centredClientRect());

    Label1->setObjectName(QStringLiteral("Label1"));
    Label2->setObjectName(QStringLiteral("Label2"));

    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(QPixmap(assets::icon()));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setGeometry(32, 24, 32, 32);
    Image1->setFocusPolicy(Qt::NoFocus);

    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(112, 80, 73, 25);
    // The same keyboard role as the quiz window's 入力: Enter presses OK
    // wherever the focus is, and OK is the only control that takes it.
    platform::DefaultButton::make(this, Command1);
    Command1->setFocus();
    connect(Command1, &QPushButton::clicked, this, &frmAbout::Command1_Click);

    platform::keepOffTaskbar(this);
}

// Unloads the about window. Closing is all Unload does to a loaded window, so
// OK, the close box and the system menu's Close end the same way.
void frmAbout::Command1_Click()
{
    close();
}

// The window's one key is OK's role, Enter. QDialog would also close on
// Escape, a cancel role the quiz window's 入力 does not share; keys go the
// way of a plain window instead.
void frmAbout::keyPressEvent(QKeyEvent* event)
{
    QWidget::keyPressEvent(event);
}
