// Errors the X server reports to a program on an X11 display.
#pragma once

namespace platform::sdl {

// Replaces Xlib's handler, which ends the process on any error, by one that
// survives them; to be called once SDL has opened an X11 display.
void surviveX11Errors();

}  // namespace platform::sdl
