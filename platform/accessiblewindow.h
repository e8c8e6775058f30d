// How screen readers see a window of the program that is a plain QWidget.
#pragma once

struct QMetaObject;

namespace platform {

// Qt describes a top-level QWidget that is neither a QMainWindow nor a
// QDialog as a client area, a "filler" on the accessibility bus, so screen
// readers do not announce it as a window. Windows of the given class (and of
// its subclasses) take the role of a window, with their title as name. Call
// before the first window of the class is shown.
void announceAsWindow(const QMetaObject& windowClass);

} // namespace platform
