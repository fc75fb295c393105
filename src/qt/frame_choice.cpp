#include "qt/frame_choice.h"

#include <QGuiApplication>
#include <QString>

#include "qt/wayland/wayland.h"
#include "qt/x11_window_manager.h"

namespace qt {

Frames ChooseFrames() {
  const QString told = qEnvironmentVariable("VEXAL_FRAMES");
  if (told == QLatin1String("own") || told == QLatin1String("desktop")) {
    return told == QLatin1String("own") ? Frames::Own : Frames::Desktop;
  }
  if (wayland::Running()) {
    return wayland::CompositorFramesServe() ? Frames::Desktop : Frames::Own;
  }
  // openbox 3.6 ignores the Motif hints' minimize and maximize on purpose, and drops them only
  // for menus and toolbars.
  if (QGuiApplication::platformName() == QLatin1String("xcb") &&
      X11WindowManagerName().compare(QLatin1String("openbox"), Qt::CaseInsensitive) == 0) {
    return Frames::Own;
  }
  return Frames::Desktop;
}

}  // namespace qt
