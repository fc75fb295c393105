#pragma once

namespace qt {

// Points the toolkit at the desktop's own session bus even where the environment names none,
// so that the bus library never launches a bus daemon of its own (which would write a file
// under the home folder and outlive the game). Call before the application object exists.
void UseOnlyTheDesktopsSessionBus();

}  // namespace qt
