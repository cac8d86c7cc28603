// Input from a backend into the thread's queue. Events are stamped with the
// tick count and turned into window messages when the queue is read, the way
// Windows does: hit-testing, activation by click, double clicks, focus.
// All functions may be called from any thread.
#pragma once

#include <string_view>

#include "platform/win32.h"

namespace platform::input {

enum class Button { Left, Right, Middle };

void mouseMove(POINT screen);
void mouseButton(Button button, bool down, POINT screen);
void key(UINT virtualKey, bool down);
// Characters typed, delivered to the focus window as WM_CHAR.
void text(std::string_view characters);
// The window manager asks a top-level window to close.
void closeRequest(HWND window);
// The window manager minimised, maximised or restored a top-level window,
// or asks it to close: command is SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE or
// SC_CLOSE, which the window hears as WM_SYSCOMMAND, as from its own
// caption's buttons.
void systemCommand(HWND window, UINT command);
// The application gained (window: the one activated) or lost activation.
void activation(HWND window, bool active);
// The window manager moved or resized a top-level window (screen rectangle
// of the whole window).
void placement(HWND window, const RECT& screenRect);

}  // namespace platform::input
