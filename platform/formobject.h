// One program-wide object per window, made at its first use and never
// discarded, that builds its window when shown and loses it when the window
// closes: the next Show builds it afresh from its definition.
#pragma once

#include <QPointer>
#include <QWidget>

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
    QPointer<Window> m_window;
};

} // namespace platform
