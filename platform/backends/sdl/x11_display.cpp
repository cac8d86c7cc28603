// The one file of the platform that includes Xlib (through SDL's window-system
// header too): its global names (Window, Bool, Status, None ...) clash with
// the platform's own.
#include "platform/backends/sdl/x11_display.h"

#include <SDL2/SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <string_view>
#include <utility>

namespace platform::sdl {
namespace {

constexpr size_t kMostWakeFds = 4;

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

// Nothing can be shown or read any more. Xlib ends the process when this
// returns; it never does.
int onXConnectionLost(Display* display) {
  std::fprintf(stderr, "%s: the connection to the X server \"%s\" was lost (the server ended or closed it); ending\n",
               program_invocation_short_name, DisplayString(display));
  _exit(1);
}

// The value of "Xft.dpi:" in the resource manager's text: one resource a
// line, the name, a colon and the value after blanks.
int dpiIn(const char* resources) {
  constexpr std::string_view kName = "Xft.dpi:";
  std::string_view rest = resources ? resources : "";
  while (!rest.empty()) {
    std::string_view line = rest.substr(0, rest.find('\n'));
    rest.remove_prefix(std::min(rest.size(), line.size() + 1));
    if (!line.starts_with(kName)) continue;
    double dpi = std::strtod(std::string(line.substr(kName.size())).c_str(), nullptr);
    return dpi > 0 && dpi < 10000 ? static_cast<int>(std::lround(dpi)) : 0;
  }
  return 0;
}

}  // namespace

int x11ResourceDpi() {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return 0;
  int dpi = dpiIn(XResourceManagerString(display));
  XCloseDisplay(display);
  return dpi;
}

// A write to a connection the server closed raises SIGPIPE, which would end
// the process without a word: ignored, the write fails and Xlib calls the
// handler of a lost connection.
void handleX11Errors() {
  XSetErrorHandler(onXError);
  XSetIOErrorHandler(onXConnectionLost);
  std::signal(SIGPIPE, SIG_IGN);
}

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

bool waitOnX11(SDL_Window* window, std::span<const int> wakeFds, int milliseconds) {
  SDL_SysWMinfo info;
  if (!x11InfoOf(window, info)) return false;
  Display* display = info.info.x11.display;
  if (XEventsQueued(display, QueuedAlready)) return true;
  XFlush(display);
  pollfd watched[kMostWakeFds + 1] = {{ConnectionNumber(display), POLLIN, 0}};
  size_t count = 1;
  for (int fd : wakeFds.first(std::min(wakeFds.size(), kMostWakeFds))) watched[count++] = {fd, POLLIN, 0};
  poll(watched, count, milliseconds);
  return true;
}

bool x11RootHasProperty(SDL_Window* window, const char* name) {
  SDL_SysWMinfo info;
  if (!x11InfoOf(window, info)) return false;
  Display* display = info.info.x11.display;
  Atom property = XInternAtom(display, name, True);
  if (property == None) return false;
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  XGetWindowProperty(display, DefaultRootWindow(display), property, 0, 0, False, AnyPropertyType, &type, &format,
                     &count, &after, &data);
  if (data) XFree(data);
  return type != None;
}

bool x11InputWaiting(SDL_Window* window) {
  SDL_SysWMinfo info;
  if (!x11InfoOf(window, info)) return true;
  Display* display = info.info.x11.display;
  pollfd connection{ConnectionNumber(display), POLLIN, 0};
  return XEventsQueued(display, QueuedAlready) > 0 || poll(&connection, 1, 0) > 0;
}

}  // namespace platform::sdl
