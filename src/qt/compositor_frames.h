#pragma once

namespace qt {

// Whether the windows need a frame of the program's own: on Wayland, where the compositor draws
// no frames (it offers no server-side decorations), so that Qt would draw its own, or draws them
// with buttons that the windows must not have. Asked once the application object exists.
bool CompositorDrawsNoFrames();

}  // namespace qt
