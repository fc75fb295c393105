#include "qt/toolkit_environment.h"

#include <unistd.h>

#include <cstdlib>
#include <string>

namespace qt {

void UseOnlyTheDesktopsSessionBus() {
  if (std::getenv("DBUS_SESSION_BUS_ADDRESS") != nullptr) {
    return;
  }
  // Where a desktop with a per-user bus keeps it; when it is not there, there is no bus.
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  const std::string folder = runtime != nullptr ? runtime : "/run/user/" + std::to_string(getuid());
  setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + folder + "/bus").c_str(), 0);
}

void ChooseCheapFrames() {
  setenv("QT_XCB_NO_MITSHM", "1", 0);
  setenv("QT_NO_GLIB", "1", 0);
}

}  // namespace qt
