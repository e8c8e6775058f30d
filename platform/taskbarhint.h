// Keeping a top-level window out of the taskbar.
#pragma once

class QWidget;

namespace platform {

// Call before the window is first shown. Qt has no window flag for this on
// X11: Qt::Dialog only makes the window transient for the program's hidden
// client-leader window, and taskbars that look for a transient-for they
// manage (libwnck's, for one) still list it. So the window carries
// _NET_WM_STATE_SKIP_TASKBAR itself; Qt merges that state with its own when
// it maps the window. Elsewhere (Wayland, offscreen) there is no such hint
// and this does nothing.
void keepOffTaskbar(QWidget* window);

} // namespace platform
