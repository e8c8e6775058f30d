// Input as the window system delivers it: keys, clicks and close requests go
// to a window, so a modal window blocks them exactly as it blocks a learner.
// Sending to a widget directly would bypass that.
#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace robustness {

inline QWindow* handleOf(QWidget* widget)
{
    return widget->window()->windowHandle();
}

inline void pressKey(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(handleOf(window), key, modifiers);
}

// One key press carrying the whole text, as an input method commits it.
inline void typeText(QWidget* window, const QString& text)
{
    QTest::sendKeyEvent(QTest::Click, handleOf(window), Qt::Key_unknown, text, Qt::NoModifier);
}

// A click at a place of a top-level window, in its own coordinates.
inline void clickAt(QWidget* window, QPoint place)
{
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, place);
}

inline void clickOn(QWidget* control)
{
    QWidget* window = control->window();
    clickAt(window, control->mapTo(window, control->rect().center()));
}

// The close box: a close request from the window system.
inline void closeBox(QWidget* window)
{
    handleOf(window)->close();
    QCoreApplication::processEvents();
}

// Closed windows are deleted from the event loop; "closed" should also mean
// "gone" before anything is counted.
inline void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The offscreen platform activates a window through one queued event.
inline bool activate(QWidget* window)
{
    window->activateWindow();
    QCoreApplication::processEvents();
    return QApplication::activeWindow() == window;
}

} // namespace robustness
