#include "taskbarhint.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    xcb_atom_t result = XCB_ATOM_NONE;
    if (reply != nullptr)
        result = reply->atom;
    std::free(reply);
    return result;
}

} // namespace

void keepOffTaskbar(QWidget* window)
{
    // The offscreen platform answers to the X11 interface too, without a
    // connection of its own.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr)
        return;
    // Makes the native window, still unmapped, so the state is there before
    // the window manager first sees the window.
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t state = atom(connection, "_NET_WM_STATE");
    const xcb_atom_t skipTaskbar = atom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    if (state == XCB_ATOM_NONE || skipTaskbar == XCB_ATOM_NONE)
        return;
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, state, XCB_ATOM_ATOM, 32, 1,
                        &skipTaskbar);
    xcb_flush(connection);
}

} // namespace platform
