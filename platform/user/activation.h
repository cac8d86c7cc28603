// The thread's active top-level window, keyboard focus and mouse capture,
// and whether the application as a whole is active.
#pragma once

#include "platform/user/window.h"

namespace platform::user {

Window* activeWindow();
Window* focusWindow();
Window* captureWindow();

// Makes window (a top-level window) the active one; how is WA_ACTIVE or
// WA_CLICKACTIVE. Sends the deactivation and activation messages.
void activate(Window* window, int how);
// Window is going away or hiding: activation passes to another visible
// top-level window, or the application loses it when there is none.
void activateOtherThan(Window* window);
// The application lost activation to another one (window manager focus).
void deactivateApplication();
// Focus, capture or activation held by window or its descendants is given
// up before window is hidden, disabled or destroyed.
void dropFocusWithin(Window* window);
void dropCaptureWithin(Window* window);

}  // namespace platform::user
