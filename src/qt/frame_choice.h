#pragma once

namespace qt {

// Who draws the frames of the program's windows: the desktop, or the program itself (a caption
// with the icon, the title and a close button) where the desktop's frames would offer minimize or
// maximize, which the windows must not have.
enum class Frames { Desktop, Own };

// Chosen once, after the application object exists. VEXAL_FRAMES=own or VEXAL_FRAMES=desktop in
// the environment decides, for a desktop that this guesses wrong. Otherwise the program's own: on
// Wayland where the compositor's frames cannot serve; on X11 under openbox, which keeps minimize
// and maximize whatever a window asks.
Frames ChooseFrames();

}  // namespace qt
