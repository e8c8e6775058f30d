// What every test of the chart and about windows starts from: no window of
// ours open and nothing waiting to be deleted.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace reference_windows_test {

// Closed windows are deleted later, from the event loop; the tests ask for
// that now so that "closed" also means "gone".
inline void deleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline void closeEveryWindow()
{
    QApplication::closeAllWindows();
    deleteClosedWindows();
}

// The offscreen platform activates a window through one queued event, so
// this needs no waiting.
inline bool isActiveNow(const QWidget* window)
{
    QCoreApplication::processEvents();
    return window->isActiveWindow();
}

// Visible top-level windows of one class.
template <class Window> int openWindowsOf()
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<Window*>(widget) != nullptr && widget->isVisible())
            ++count;
    return count;
}

} // namespace reference_windows_test
