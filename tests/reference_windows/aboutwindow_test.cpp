// The about window: what it shows, that it takes all the program's input
// while open, and the ways of closing it.

// Clicks go through the window system's path, where a modal window blocks
// them, not straight to the widget.
#define QTEST_QPA_MOUSE_HANDLING

#include "pictures.h"
#include "referenceforms.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QAction>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <functional>

using reference_windows_test::closeEveryWindow;
using reference_windows_test::deleteClosedWindows;
using reference_windows_test::isActiveNow;
using reference_windows_test::openWindowsOf;

namespace {

// The window through its help item, as the learner opens it.
frmAbout* openAbout()
{
    mnuHelpAbout_Click();
    return frmAboutObject().window();
}

// Counts the mouse presses that reach a window.
class PressCounter : public QObject
{
public:
    explicit PressCounter(QObject* watched) { watched->installEventFilter(this); }
    int presses() const { return m_presses; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            ++m_presses;
        return false;
    }

private:
    int m_presses = 0;
};

using Closing = std::function<void(frmAbout*)>;

} // namespace

Q_DECLARE_METATYPE(Closing)

class tst_AboutWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { closeEveryWindow(); }

    void definition();
    void controls_data();
    void controls();
    void lineFonts_data();
    void lineFonts();
    void okHasTheFocus();
    void blocksEveryOtherWindow();
    void closing_data();
    void closing();
    void otherKeysLeaveItOpen_data();
    void otherKeysLeaveItOpen();
};

void tst_AboutWindow::definition()
{
    frmAbout* about = openAbout();
    QVERIFY(about != nullptr);

    QCOMPARE(about->windowTitle(), QStringLiteral("バージョン情報"));
    QCOMPARE(about->size(), QSize(312, 110));
    QCOMPARE(about->minimumSize(), QSize(312, 110));
    QCOMPARE(about->maximumSize(), QSize(312, 110));
    QCOMPARE(about->windowModality(), Qt::ApplicationModal);
    QVERIFY(about->parentWidget() == nullptr);

    const Qt::WindowFlags flags = about->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

    QCOMPARE(about->palette().color(QPalette::Window), QColor(153, 204, 255));

    // A dialog to a screen reader, named by its title.
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(about);
    QVERIFY(accessible != nullptr);
    QCOMPARE(accessible->role(), QAccessible::Dialog);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("バージョン情報"));

    // Nothing is active when the test opens it, so it centres on the screen.
    QCOMPARE(about->geometry().center(),
             QGuiApplication::primaryScreen()->availableGeometry().center());
}

void tst_AboutWindow::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("place");

    QTest::newRow("Label1") << "Label1" << QStringLiteral("ソフト名\u3000Velumo手話学習")
                            << QRect(96, 16, 193, 17);
    QTest::newRow("Label2") << "Label2" << QStringLiteral("バージョン\u3000Ver 1.02")
                            << QRect(96, 48, 177, 17);
    QTest::newRow("Command1") << "Command1"
                              << "OK" << QRect(112, 80, 73, 25);
    QTest::newRow("Image1") << "Image1" << QString() << QRect(32, 24, 32, 32);
}

void tst_AboutWindow::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, place);

    frmAbout* about = openAbout();
    QVERIFY(about != nullptr);
    const QWidget* control = about->findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    // The lines keep their size whatever their text needs.
    QCOMPARE(control->geometry(), place);
    if (const auto* label = qobject_cast<const QLabel*>(control))
        QCOMPARE(label->text(), text);
    if (const auto* button = qobject_cast<const QPushButton*>(control))
        QCOMPARE(button->text(), text);
}

void tst_AboutWindow::lineFonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("Label1") << "Label1";
    QTest::newRow("Label2") << "Label2";
}

void tst_AboutWindow::lineFonts()
{
    QFETCH(QString, name);

    frmAbout* about = openAbout();
    QVERIFY(about != nullptr);
    const auto* line = about->findChild<QLabel*>(name);
    QVERIFY(line != nullptr);

    const QString family = QFontDatabase::families().contains(QStringLiteral("ＭＳ Ｐゴシック"))
                               ? QStringLiteral("ＭＳ Ｐゴシック")
                               : QStringLiteral("IPAPGothic");
    const QFontInfo info(line->font());
    QCOMPARE(info.family(), family);
    QVERIFY(info.bold());
    QCOMPARE(line->font().pointSizeF(), 11.25);
    QCOMPARE(line->palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(line->palette().color(QPalette::Window), QColor(153, 204, 255));
    QVERIFY(line->autoFillBackground());
}

void tst_AboutWindow::okHasTheFocus()
{
    frmAbout* about = openAbout();
    QVERIFY(about != nullptr);
    QVERIFY(isActiveNow(about));

    QCOMPARE(QApplication::focusWidget(), about->findChild<QWidget*>("Command1"));
    for (const QWidget* child : about->findChildren<QWidget*>())
        if (child->objectName() != QLatin1String("Command1"))
            QCOMPARE(child->focusPolicy(), Qt::NoFocus);

    const auto* image = about->findChild<QLabel*>("Image1");
    QVERIFY(image != nullptr);
    QCOMPARE(image->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
             QImage(assets::icon()).convertToFormat(QImage::Format_RGB32));
}

// While the about window is open neither a stand-in for the quiz window, with
// a menu shortcut and a button, nor an open chart takes mouse or keyboard; once
// it closes they do again.
void tst_AboutWindow::blocksEveryOtherWindow()
{
    QWidget quiz;
    auto* button = new QPushButton(QStringLiteral("入力"), &quiz);
    auto* mode = new QAction(QStringLiteral("は行"), &quiz);
    mode->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    // Application-wide, so that only modality, not which window is active,
    // can keep it from firing.
    mode->setShortcutContext(Qt::ApplicationShortcut);
    quiz.addAction(mode);
    quiz.show();
    QVERIFY(isActiveNow(&quiz));

    mnuHelpYubimozihyou_Click();
    QWidget* chart = frmHyou1Object().window();
    QVERIFY(chart != nullptr);
    PressCounter chartPresses(chart);

    QSignalSpy clicks(button, &QPushButton::clicked);
    QSignalSpy shortcuts(mode, &QAction::triggered);
    const auto tryEverything = [&] {
        QTest::keyClick(quiz.windowHandle(), Qt::Key_H, Qt::ControlModifier);
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseClick(chart, Qt::LeftButton);
    };

    tryEverything();
    QCOMPARE(shortcuts.size(), 1);
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(chartPresses.presses(), 1);

    frmAbout* about = openAbout();
    QVERIFY(about != nullptr);
    QCOMPARE(QApplication::activeModalWidget(), about);
    tryEverything();
    QCOMPARE(shortcuts.size(), 1);
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(chartPresses.presses(), 1);

    about->close();
    deleteClosedWindows();
    // Where a window manager would hand the activation back.
    quiz.activateWindow();
    QVERIFY(isActiveNow(&quiz));
    tryEverything();
    QCOMPARE(shortcuts.size(), 2);
    QCOMPARE(clicks.size(), 2);
    QCOMPARE(chartPresses.presses(), 2);
}

void tst_AboutWindow::closing_data()
{
    QTest::addColumn<Closing>("close");

    QTest::newRow("OK clicked") << Closing([](frmAbout* about) {
        QTest::mouseClick(about->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    });
    QTest::newRow("Enter") << Closing(
        [](frmAbout* about) { QTest::keyClick(about->windowHandle(), Qt::Key_Enter); });
    QTest::newRow("Return") << Closing(
        [](frmAbout* about) { QTest::keyClick(about->windowHandle(), Qt::Key_Return); });
    // What the close box and the system menu's Close ask of the window.
    QTest::newRow("close box") << Closing([](frmAbout* about) { about->close(); });
}

// Every way ends the same: the window is destroyed, the object stays, and
// the next choice builds the window afresh.
void tst_AboutWindow::closing()
{
    QFETCH(Closing, close);

    QPointer<frmAbout> about = openAbout();
    QVERIFY(about != nullptr);
    QVERIFY(isActiveNow(about));

    close(about);
    QVERIFY(frmAboutObject().window() == nullptr);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    deleteClosedWindows();
    QVERIFY(about.isNull());

    QVERIFY(openAbout() != nullptr);
    QCOMPARE(openWindowsOf<frmAbout>(), 1);
}

void tst_AboutWindow::otherKeysLeaveItOpen_data()
{
    QTest::addColumn<Qt::Key>("key");
    // OK's one role is that of a default button; Escape presses no cancel
    // button, as in the quiz window.
    QTest::newRow("Escape") << Qt::Key_Escape;
    QTest::newRow("letter") << Qt::Key_X;
}

void tst_AboutWindow::otherKeysLeaveItOpen()
{
    QFETCH(Qt::Key, key);

    QPointer<frmAbout> about = openAbout();
    QVERIFY(about != nullptr);
    QVERIFY(isActiveNow(about));
    QTest::keyClick(about->windowHandle(), key);
    deleteClosedWindows();
    QVERIFY(!about.isNull());
    QVERIFY(frmAboutObject().window() == about);
    QVERIFY(QApplication::activeModalWidget() == about);
}

QTEST_MAIN(tst_AboutWindow)
#include "aboutwindow_test.moc"
