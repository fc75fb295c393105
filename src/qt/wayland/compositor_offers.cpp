#include <wayland-client.h>

#include <QGuiApplication>
#include <cstring>

#include "qt/wayland/wayland.h"

namespace qt::wayland {
namespace {

// What the compositor offers, as far as frames go.
struct Offers {
  bool frames = false;  // it draws the frames of those that ask
  bool kwinFrames = false;
};

void NoteGlobal(void* offers, wl_registry* /*registry*/, uint32_t /*name*/, const char* interface,
                uint32_t /*version*/) {
  auto& offered = *static_cast<Offers*>(offers);
  offered.frames |= std::strcmp(interface, "zxdg_decoration_manager_v1") == 0;
  // Only KWin lets its clients colour its frames.
  offered.kwinFrames |=
      std::strcmp(interface, "org_kde_kwin_server_decoration_palette_manager") == 0;
}

void IgnoreRemovedGlobal(void* /*offers*/, wl_registry* /*registry*/, uint32_t /*name*/) {}

}  // namespace

bool Running() {
  return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// A connection of its own for one round trip, as the toolkit keeps its connection private.
bool CompositorFramesServe() {
  wl_display* display = wl_display_connect(nullptr);
  if (display == nullptr) {
    return false;
  }
  Offers offered;
  static const wl_registry_listener listener{&NoteGlobal, &IgnoreRemovedGlobal};
  wl_registry* registry = wl_display_get_registry(display);
  wl_registry_add_listener(registry, &listener, &offered);
  const bool answered = wl_display_roundtrip(display) >= 0;
  wl_registry_destroy(registry);
  wl_display_disconnect(display);
  return answered && offered.frames && !offered.kwinFrames;
}

}  // namespace qt::wayland
