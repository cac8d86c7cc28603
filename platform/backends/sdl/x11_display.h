// What the sdl backend does on an X11 display itself, past SDL.
#pragma once

struct SDL_Window;

namespace platform::sdl {

// Replaces Xlib's error handler, which ends the process on any error, by
// one that survives them; to be called once SDL has opened an X11 display.
void surviveX11Errors();

// Maps or unmaps the X window of an SDL window directly. SDL gives every
// window it shows the keyboard focus when no window manager runs, and the
// focus moving away and back makes it report the keys held as released and
// pressed again; a pop-up shown this way leaves the focus alone. False when
// the window is not on X11.
bool mapDirectly(SDL_Window* window, bool visible);

}  // namespace platform::sdl
