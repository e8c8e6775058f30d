// One program-wide object per window, made at its first use and never
// discarded, that builds its window when shown and loses it when the window
// closes: the next Show builds it afresh from its definition.
#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace platform {

enum Modal
{
    Modeless = 0,
    ApplicationModal = 1,
};

template <class Window> class FormObject
{
public:
    // Builds the window when it is not loaded and shows it. An open modeless
    // window is brought to the front and activated instead. A modal window
    // keeps every other window of the program from taking input until it is
    // unloaded.
    void Show(Modal modal = Modeless)
    {
        // A closed window lingers hidden until the event loop deletes it; it is
        // no longer loaded.
        if (m_window && !m_window->isVisible())
            m_window = nullptr;
        if (!m_window) {
            m_window = new Window;
            // Closing destroys the window and its controls, and nothing else.
            m_window->setAttribute(Qt::WA_DeleteOnClose);
            m_window->setWindowModality(modal == ApplicationModal ? Qt::ApplicationModal
                                                                  : Qt::NonModal);
            if (modal == ApplicationModal)
                keepWithOpener(m_window);
            m_window->show();
        } else {
            m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
            m_window->show();
        }
        m_window->raise();
        m_window->activateWindow();
    }

    void Unload()
    {
        if (m_window)
            m_window->close();
    }

    // The loaded window, or nullptr while it is not loaded.
    Window* window() const { return m_window && m_window->isVisible() ? m_window.data() : nullptr; }

private:
    // A modal window belongs to the window manager's group of the window it
    // was opened from: minimising either minimises both, and restoring the
    // opener (through its taskbar button) brings the modal one back on top
    // of it. Alone, it could be minimised out of reach, as openbox offers to
    // minimise any window whatever buttons it asks for, while it still kept
    // every other window from taking input. It stays without an owner for
    // the program: nothing but the window manager sees the link.
    static void keepWithOpener(Window* window)
    {
        const QWidget* opener = QApplication::activeWindow();
        if (opener == nullptr || opener == window || opener->windowHandle() == nullptr)
            return;
        // The native window, unmapped still, carries the link when it is mapped.
        window->winId();
        window->windowHandle()->setTransientParent(opener->windowHandle());
    }

    QPointer<Window> m_window;
};

} // namespace platform
