// What the sdl backend does on an X11 display itself, past SDL.
#pragma once

#include <span>

struct SDL_Window;

namespace platform::sdl {

// Replaces Xlib's error handler, which ends the process on any error, by
// one that survives them, and its handler of a lost connection (the server
// ended), which prints two lines and runs the exit handlers against the dead
// display, by one that says so in one line and ends the process at once
// with status 1. To be called once SDL has opened an X11 display.
void handleX11Errors();

// The X resource Xft.dpi of the display DISPLAY names (the desktop's text
// resolution, set by its settings daemon or xrdb), rounded; 0 when the
// display cannot be opened or has no such resource.
int x11ResourceDpi();

// Maps or unmaps the X window of an SDL window directly. SDL gives every
// window it shows the keyboard focus when no window manager runs, and the
// focus moving away and back makes it report the keys held as released and
// pressed again; a pop-up shown this way leaves the focus alone. False when
// the window is not on X11.
bool mapDirectly(SDL_Window* window, bool visible);

// SDL_RaiseWindow asks a window manager to give the window the keyboard
// focus; when none runs, nobody would, so this gives it directly. False
// when the window is not on X11.
bool focusWithoutWindowManager(SDL_Window* window);

// Sleeps until the X connection under the window has something to read (or
// Xlib holds events already read), one of wakeFds becomes readable, or the
// time is up (-1: no limit). Cheaper than SDL's own wait, which pumps the
// connection several times around each sleep. False, at once, when the
// window is not on X11.
bool waitOnX11(SDL_Window* window, std::span<const int> wakeFds, int milliseconds);

// Whether the root window of the window's display carries the named
// property; false when the window is not on X11.
bool x11RootHasProperty(SDL_Window* window, const char* name);

// Whether the X connection under the window has anything to read, or Xlib
// holds events already read; true when the window is not on X11.
bool x11InputWaiting(SDL_Window* window);

}  // namespace platform::sdl
