#include "qt/x11_window_manager.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace qt {
namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
      xcb_intern_atom_reply(
          connection,
          xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr),
      &std::free);
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The property's value, or none.
QByteArray Property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                    xcb_atom_t type) {
  constexpr uint32_t kLongs = 256;  // longer than any name
  const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
      xcb_get_property_reply(
          connection, xcb_get_property(connection, 0, window, property, type, 0, kLongs), nullptr),
      &std::free);
  if (!reply || reply->type != type) {
    return {};
  }
  return {static_cast<const char*>(xcb_get_property_value(reply.get())),
          xcb_get_property_value_length(reply.get())};
}

}  // namespace

QString X11WindowManagerName() {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
  if (connection == nullptr) {
    return {};
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const QByteArray check =
      Property(connection, root, Atom(connection, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW);
  if (check.size() != sizeof(xcb_window_t)) {
    return {};
  }
  xcb_window_t supporting = 0;
  std::memcpy(&supporting, check.constData(), sizeof supporting);
  return QString::fromUtf8(Property(connection, supporting, Atom(connection, "_NET_WM_NAME"),
                                    Atom(connection, "UTF8_STRING")));
}

}  // namespace qt
