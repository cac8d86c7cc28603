// The one file of the platform that includes Xlib (through SDL's window-system
// header too): its global names (Window, Bool, Status, None ...) clash with
// the platform's own.
#include "platform/backends/sdl/x11_display.h"

#include <SDL2/SDL_syswm.h>
#include <X11/Xlib.h>

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

}  // namespace

void surviveX11Errors() { XSetErrorHandler(onXError); }

bool mapDirectly(SDL_Window* window, bool visible) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return false;
  if (visible) XMapRaised(info.info.x11.display, info.info.x11.window);
  else XUnmapWindow(info.info.x11.display, info.info.x11.window);
  XFlush(info.info.x11.display);
  return true;
}

}  // namespace platform::sdl
