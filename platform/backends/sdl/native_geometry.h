// Where a top-level window's native window lies. Under a window manager the
// manager draws the caption and frame, so the native window shows only the
// window's content (contentRect: menu bar and client area), at the place on
// the screen where that content is.
#pragma once

#include "platform/win32.h"

namespace platform::sdl {

// The native window's screen rectangle for a window at windowRect (screen
// coordinates) whose content is content (window coordinates).
RECT nativeRectOf(const RECT& windowRect, const RECT& content);

// The window rectangle that puts the content at nativeRect, the parts
// around the content keeping their sizes.
RECT windowRectFor(const RECT& nativeRect, const RECT& windowRect, const RECT& content);

}  // namespace platform::sdl
