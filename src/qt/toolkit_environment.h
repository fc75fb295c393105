#pragma once

// What the toolkit is told through the environment, before the application object exists.
namespace qt {

// Points the toolkit at the desktop's own session bus even where the environment names none,
// so that the bus library never launches a bus daemon of its own (which would write a file
// under the home folder and outlive the game).
void UseOnlyTheDesktopsSessionBus();

// A tick repaints a few small rectangles 66 times a second, where the toolkit's defaults cost
// more than the painting: frames go to the X server over the socket, not in shared memory
// (whose completion events wake the program again after every frame), and the event loop is
// Qt's own rather than GLib's. What the environment already says is kept.
void ChooseCheapFrames();

}  // namespace qt
