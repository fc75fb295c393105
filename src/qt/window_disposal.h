#pragma once

#include <QWidget>
#include <chrono>

namespace qt {

// Qt 6.4's Wayland client takes a window's frame callbacks on a thread of its own, and one may
// still be running for a window just hidden: a window deleted in that moment is used after its
// end, and the program crashes now and then as a window closes. So a closed top-level window is
// hidden at once and deleted a moment later, when any such callback is surely over.

// How long a hidden window waits for that on the running platform (none where it has no such
// thread: then it goes on the next pass of the event loop).
std::chrono::milliseconds SettlingTime();

// Hides the window (top-level) and deletes it once settled.
void DisposeWindow(QWidget& window, std::chrono::milliseconds settling = SettlingTime());

// Deletes the windows still waiting, each once it has settled: before the application ends.
void DisposeWaitingWindows();

}  // namespace qt
