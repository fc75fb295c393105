#pragma once

#include <QWidget>
#include <chrono>
#include <functional>

// What only a Wayland desktop needs of the Qt host: whether the compositor's frames can serve
// the windows, and how a window leaves the screen without tripping Qt's Wayland client. Each Qt
// fault worked around here is named in window_ending.cpp with the Qt version that mends it.
namespace qt::wayland {

// Whether Qt's Wayland client shows the windows, whichever of its platform names was chosen.
bool Running();

// Whether the compositor draws frames that the windows may have: it offers to draw them, and
// they are not KWin's, which show the buttons the user chose (minimize and maximize among them)
// and which no client can turn off. Asked once the application object exists.
bool CompositorFramesServe();

// How a top-level window leaves the screen on the running platform and Qt.
struct Ending {
  std::chrono::milliseconds lastFrameWait{0};  // at most this long for the compositor's answer
  std::chrono::milliseconds settling{0};       // from its hiding to its deletion
};
Ending WindowEnding();

// Stops the window's drawing and calls `answered` once the compositor has answered its last
// frame, or once `wait` has passed (a compositor does not answer a window it does not show).
// With no wait, or a window not shown, at once.
void AfterLastFrame(QWidget& window, std::chrono::milliseconds wait,
                    const std::function<void()>& answered);

}  // namespace qt::wayland
