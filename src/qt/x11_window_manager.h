#pragma once

#include <QString>

namespace qt {

// The name that the X11 window manager gives itself on the root window (its supporting window's
// _NET_WM_NAME), or an empty text where none does. Only on the xcb platform.
QString X11WindowManagerName();

}  // namespace qt
