#pragma once

#include <QCloseEvent>
#include <QWidget>
#include <chrono>

namespace qt {

// Qt 6.4's Wayland client takes the compositor's answers to a window's frames on a thread of its
// own. A window hidden while an answer is being taken there may end it twice (the program aborts),
// and a window deleted then is used after its end. So a top-level window that goes first stops
// drawing and hides once the compositor has answered its last frame, and is deleted a moment
// after it hid, when that thread is surely done with it.

// How long a window waits for that on the running platform: none where there is no such thread
// (then it hides at once and goes on the next pass of the event loop).
std::chrono::milliseconds SettlingTime();

// Hides the window (top-level) once settled.
void HideWindow(QWidget& window, std::chrono::milliseconds settling = SettlingTime());

// Hides the window and deletes it once settled.
void DisposeWindow(QWidget& window, std::chrono::milliseconds settling = SettlingTime());

// Deletes the windows still waiting, each once it has settled: before the application ends.
void DisposeWaitingWindows();

// A close that a top-level window has accepted: the window hides, and the event is ignored so that
// Qt does not end the native window then. The desktop's close may come while Qt's Wayland backing
// store waits for a buffer in the middle of the window's paint, which would go on with a window
// that is no more. The window ends when it is disposed of.
void CloseByHiding(QWidget& window, QCloseEvent& event);

}  // namespace qt
