#pragma once
// Whether the desktop runs a window manager: one that honours a maximise
// request and decorates the windows.

namespace windowmanager {

// X11: a manager has announced itself on the root window; Wayland: always;
// offscreen and other platforms without windows of their own: never.
bool Present();

}  // namespace windowmanager
