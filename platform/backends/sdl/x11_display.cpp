// The one file of the platform that includes Xlib (through SDL's window-system
// header too): its global names (Window, Bool, Status, None ...) clash with
// the platform's own.
#include "platform/backends/sdl/x11_display.h"

#include <SDL2/SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <poll.h>

#include <cerrno>
#include <cstdio>
#include <set>
#include <utility>

namespace platform::sdl {
namespace {

// An error is the server refusing one request; the program can go on. The
// usual one is BadWindow from answering a clipboard request: the client
// that asked may be gone before the answer is written to its window. That
// one is ignored quietly; any other kind is reported once.
int onXError(Display* display, XErrorEvent* error) {
  if (error->error_code == BadWindow) return 0;
  static std::set<std::pair<int, int>> reported;
  if (!reported.insert({error->error_code, error->request_code}).second) return 0;
  char description[160];
  XGetErrorText(display, error->error_code, description, sizeof description);
  std::fprintf(stderr, "%s: the X server refused a request (%s, request %d); going on\n",
               program_invocation_short_name, description, error->request_code);
  return 0;
}

// A window manager that follows the desktop conventions names its check
// window on the root window.
bool windowManagerRuns(Display* display) {
  Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
  if (check == None) return false;
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  int status = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW, &type, &format,
                                  &count, &after, &data);
  bool runs = status == Success && data && count == 1;
  if (data) XFree(data);
  return runs;
}

bool x11InfoOf(SDL_Window* window, SDL_SysWMinfo& info) {
  SDL_VERSION(&info.version);
  return SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11;
}

}  // namespace

void surviveX11Errors() { XSetErrorHandler(onXError); }

bool mapDirectly(SDL_Window* window, bool visible) {
  SDL_SysWMinfo info;
  if (!x11InfoOf(window, info)) return false;
  if (visible) XMapRaised(info.info.x11.display, info.info.x11.window);
  else XUnmapWindow(info.info.x11.display, info.info.x11.window);
  XFlush(info.info.x11.display);
  return true;
}

bool focusWithoutWindowManager(SDL_Window* window) {
  SDL_SysWMinfo info;
  if (!x11InfoOf(window, info)) return false;
  Display* display = info.info.x11.display;
  if (windowManagerRuns(display)) return true;
  XSetInputFocus(display, info.info.x11.window, RevertToParent, CurrentTime);
  XFlush(display);
  return true;
}

bool waitOnX11(SDL_Window* window, int wakeFd, int milliseconds) {
  SDL_SysWMinfo info;
  if (!x11InfoOf(window, info)) return false;
  Display* display = info.info.x11.display;
  if (XEventsQueued(display, QueuedAlready)) return true;
  XFlush(display);
  pollfd watched[] = {{ConnectionNumber(display), POLLIN, 0}, {wakeFd, POLLIN, 0}};
  poll(watched, 2, milliseconds);
  return true;
}

bool x11InputWaiting(SDL_Window* window) {
  SDL_SysWMinfo info;
  if (!x11InfoOf(window, info)) return true;
  Display* display = info.info.x11.display;
  pollfd connection{ConnectionNumber(display), POLLIN, 0};
  return XEventsQueued(display, QueuedAlready) > 0 || poll(&connection, 1, 0) > 0;
}

}  // namespace platform::sdl
