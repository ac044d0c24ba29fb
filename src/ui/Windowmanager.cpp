#include "Windowmanager.h"

#include <QGuiApplication>

#if defined(TREVIK_HAVE_XCB)
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#endif

namespace windowmanager {

#if defined(TREVIK_HAVE_XCB) && QT_CONFIG(xcb)
namespace {

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  xcb_intern_atom_reply_t* reply =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, uint16_t(std::strlen(name)), name), nullptr);
  if (!reply) return XCB_ATOM_NONE;
  const xcb_atom_t atom = reply->atom;
  std::free(reply);
  return atom;
}

// The window named by a WINDOW property, or XCB_WINDOW_NONE.
xcb_window_t WindowProperty(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property) {
  xcb_get_property_reply_t* reply =
      xcb_get_property_reply(c, xcb_get_property(c, 0, w, property, XCB_ATOM_WINDOW, 0, 1), nullptr);
  if (!reply) return XCB_WINDOW_NONE;
  xcb_window_t value = XCB_WINDOW_NONE;
  if (reply->type == XCB_ATOM_WINDOW && reply->format == 32 && xcb_get_property_value_length(reply) >= 4)
    value = *static_cast<const xcb_window_t*>(xcb_get_property_value(reply));
  std::free(reply);
  return value;
}

// A running manager names a window of its own on the root, and that window
// names itself: a stale property left by a manager that ended does not.
bool X11ManagerPresent() {
  auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  xcb_connection_t* c = x11 ? x11->connection() : nullptr;
  if (!c) return false;
  const xcb_atom_t check = Atom(c, "_NET_SUPPORTING_WM_CHECK");
  if (check == XCB_ATOM_NONE) return false;
  for (xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c)); it.rem; xcb_screen_next(&it)) {
    const xcb_window_t child = WindowProperty(c, it.data->root, check);
    if (child != XCB_WINDOW_NONE && WindowProperty(c, child, check) == child) return true;
  }
  return false;
}

}  // namespace
#endif

bool Present() {
  const QString platform = QGuiApplication::platformName();
  if (platform.startsWith(QLatin1String("wayland"))) return true;
#if defined(TREVIK_HAVE_XCB) && QT_CONFIG(xcb)
  if (platform == QLatin1String("xcb")) return X11ManagerPresent();
#endif
  return false;
}

}  // namespace windowmanager
