// Xlib lives in this file only (with SDL's window-system header, which
// brings it in too).
#include "x11_peer.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <SDL2/SDL_syswm.h>
#include <poll.h>

#include <algorithm>
#include <chrono>

namespace x11 {
namespace {

Atom atom(Display* display, const char* name) { return XInternAtom(display, name, False); }

bool waitForEvent(Display* display, int milliseconds) {
  if (XPending(display)) return true;
  pollfd watch{ConnectionNumber(display), POLLIN, 0};
  return poll(&watch, 1, milliseconds) > 0 && XPending(display);
}

std::string propertyText(Display* display, Window window, Atom property) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, window, property, 0, 1 << 16, False, AnyPropertyType, &type, &format, &count,
                         &after, &data) != Success || !data)
    return "<none>";
  std::string text(reinterpret_cast<char*>(data), count);
  XFree(data);
  return text;
}

Window findTitled(Display* display, Window top, const std::string& title) {
  if (propertyText(display, top, atom(display, "_NET_WM_NAME")) == title) return top;
  Window root = 0, parent = 0, *children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(display, top, &root, &parent, &children, &count)) return 0;
  Window found = 0;
  for (unsigned i = 0; i < count && !found; ++i) found = findTitled(display, children[i], title);
  if (children) XFree(children);
  return found;
}

void answer(Display* display, const XSelectionRequestEvent& request, const std::string& utf8) {
  XSelectionEvent reply{};
  reply.type = SelectionNotify;
  reply.requestor = request.requestor;
  reply.selection = request.selection;
  reply.target = request.target;
  reply.time = request.time;
  reply.property = request.property;
  if (request.target == atom(display, "TARGETS")) {
    Atom targets[] = {atom(display, "UTF8_STRING"), XA_STRING};
    XChangeProperty(display, request.requestor, request.property, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(targets), 2);
  } else if (request.target == atom(display, "UTF8_STRING") || request.target == XA_STRING) {
    XChangeProperty(display, request.requestor, request.property, request.target, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(utf8.data()), static_cast<int>(utf8.size()));
  } else {
    reply.property = None;
  }
  XSendEvent(display, request.requestor, False, 0, reinterpret_cast<XEvent*>(&reply));
  XFlush(display);
}

// Reads a drawable's pixels; nullptr when the server refuses (BadMatch for
// a root window without a picture of its own), which Xlib's default
// handler would make fatal.
XImage* readRefusable(Display* display, Drawable drawable, const Box& box) {
  static bool refused;
  refused = false;
  XSync(display, False);
  auto previous = XSetErrorHandler([](Display*, XErrorEvent*) {
    refused = true;
    return 0;
  });
  XImage* image = XGetImage(display, drawable, box.x, box.y, static_cast<unsigned>(box.width),
                            static_cast<unsigned>(box.height), AllPlanes, ZPixmap);
  XSync(display, False);
  XSetErrorHandler(previous);
  if (refused && image) XDestroyImage(image);
  return refused ? nullptr : image;
}

}  // namespace

Peer::Peer() : display_(XOpenDisplay(nullptr)) {}

Peer::~Peer() {
  if (display_) XCloseDisplay(display_);
}

unsigned long Peer::windowOf(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return 0;
  return info.info.x11.window;
}

void Peer::moveTo(int x, int y) {
  XTestFakeMotionEvent(display_, DefaultScreen(display_), x, y, CurrentTime);
  XSync(display_, False);
}

void Peer::button(int button, bool down) {
  XTestFakeButtonEvent(display_, static_cast<unsigned>(button), down, CurrentTime);
  XSync(display_, False);
}

void Peer::click(int x, int y) {
  moveTo(x, y);
  button(1, true);
  button(1, false);
}

void Peer::key(const char* keysym, bool down) {
  KeyCode code = XKeysymToKeycode(display_, XStringToKeysym(keysym));
  XTestFakeKeyEvent(display_, code, down, CurrentTime);
  XSync(display_, False);
}

void Peer::tap(const char* keysym) {
  key(keysym, true);
  key(keysym, false);
}

void Peer::askToClose(unsigned long window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = atom(display_, "WM_PROTOCOLS");
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(atom(display_, "WM_DELETE_WINDOW"));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display_, window, False, NoEventMask, &event);
  XSync(display_, False);
}

void Peer::moveResize(unsigned long window, const Box& box) {
  XMoveResizeWindow(display_, window, box.x, box.y, static_cast<unsigned>(box.width),
                    static_cast<unsigned>(box.height));
  XSync(display_, False);
}

void Peer::setStates(unsigned long window, const std::vector<const char*>& states) {
  std::vector<Atom> atoms;
  for (const char* state : states) atoms.push_back(atom(display_, state));
  XChangeProperty(display_, window, atom(display_, "_NET_WM_STATE"), XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(atoms.data()), static_cast<int>(atoms.size()));
  XSync(display_, False);
}

void Peer::focus(unsigned long window) {
  XSetInputFocus(display_, window, RevertToParent, CurrentTime);
  XSync(display_, False);
}

void Peer::focusOwnWindow() {
  if (!ownWindow_) {
    ownWindow_ = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 900, 700, 40, 40, 0, 0, 0);
    XMapWindow(display_, ownWindow_);
    XSync(display_, False);
  }
  focus(ownWindow_);
}

unsigned long Peer::focused() {
  Window window = 0;
  int revert = 0;
  XGetInputFocus(display_, &window, &revert);
  return window;
}

bool Peer::stackedAbove(unsigned long upper, unsigned long lower) {
  Window root = 0, parent = 0, *children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count)) return false;
  int upperAt = -1, lowerAt = -1;
  for (unsigned i = 0; i < count; ++i) {
    if (children[i] == upper) upperAt = static_cast<int>(i);
    if (children[i] == lower) lowerAt = static_cast<int>(i);
  }
  if (children) XFree(children);
  return upperAt > lowerAt && lowerAt >= 0;
}

std::string Peer::title(unsigned long window) {
  return propertyText(display_, window, atom(display_, "_NET_WM_NAME"));
}

unsigned long Peer::windowTitled(const std::string& wanted) { return findTitled(display_, DefaultRootWindow(display_), wanted); }

Box Peer::screen() {
  int number = DefaultScreen(display_);
  return {0, 0, DisplayWidth(display_, number), DisplayHeight(display_, number)};
}

Box Peer::placeOf(unsigned long window) {
  XWindowAttributes attributes{};
  XGetWindowAttributes(display_, window, &attributes);
  Window child = 0;
  int x = 0, y = 0;
  XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
  return {x, y, attributes.width, attributes.height};
}

std::vector<uint32_t> Peer::pixels(const Box& area) {
  std::vector<uint32_t> out(static_cast<size_t>(area.width) * area.height, 0);
  if (copyInto(out, area, DefaultRootWindow(display_), screen())) return out;
  return composedScreen(area);
}

// A rootless server (Xwayland on a Wayland desktop) has no picture of its
// screen: its root window cannot be read, and each top-level window keeps
// its own contents. The screen is then those windows, bottom to top.
std::vector<uint32_t> Peer::composedScreen(const Box& area) {
  std::vector<uint32_t> out(static_cast<size_t>(area.width) * area.height, 0);
  Window root = 0, parent = 0, *children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count)) return {};
  for (unsigned i = 0; i < count; ++i) {
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display_, children[i], &attributes) || attributes.map_state != IsViewable) continue;
    Box place{attributes.x + attributes.border_width, attributes.y + attributes.border_width, attributes.width,
              attributes.height};
    copyInto(out, area, children[i], place);
  }
  if (children) XFree(children);
  return out;
}

// Copies what a drawable shows at place (in the screen's coordinates) into
// the part of area it covers. False when the server refuses to read it.
bool Peer::copyInto(std::vector<uint32_t>& out, const Box& area, unsigned long drawable, const Box& place) {
  int left = std::max(area.x, place.x), top = std::max(area.y, place.y);
  int right = std::min(area.x + area.width, place.x + place.width);
  int bottom = std::min(area.y + area.height, place.y + place.height);
  if (left >= right || top >= bottom) return true;
  XImage* image = readRefusable(display_, drawable, {left - place.x, top - place.y, right - left, bottom - top});
  if (!image) return false;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x)
      out[static_cast<size_t>(y - area.y) * area.width + (x - area.x)] =
          static_cast<uint32_t>(XGetPixel(image, x - left, y - top)) & 0xFFFFFF;
  XDestroyImage(image);
  return true;
}

std::string Peer::readClipboard(int timeoutMilliseconds) {
  Window requestor = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 1, 1, 0, 0, 0);
  Atom property = atom(display_, "VELMARO_TEST_CLIP");
  XConvertSelection(display_, atom(display_, "CLIPBOARD"), atom(display_, "UTF8_STRING"), property, requestor,
                    CurrentTime);
  XFlush(display_);
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMilliseconds);
  std::string text = "<none>";
  while (std::chrono::steady_clock::now() < deadline) {
    if (!waitForEvent(display_, 20)) continue;
    XEvent event;
    XNextEvent(display_, &event);
    if (event.type != SelectionNotify) continue;
    if (event.xselection.property != None) text = propertyText(display_, requestor, property);
    break;
  }
  XDestroyWindow(display_, requestor);
  return text;
}

void Peer::askForClipboardAndLeave() {
  Window requestor = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 1, 1, 0, 0, 0);
  XConvertSelection(display_, atom(display_, "CLIPBOARD"), atom(display_, "UTF8_STRING"),
                    atom(display_, "VELMARO_TEST_CLIP"), requestor, CurrentTime);
  XCloseDisplay(display_);
  display_ = nullptr;
}

void Peer::offerClipboard(const std::string& utf8, const std::atomic<bool>& stop) {
  Window owner = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 1, 1, 0, 0, 0);
  XSetSelectionOwner(display_, atom(display_, "CLIPBOARD"), owner, CurrentTime);
  XSync(display_, False);
  while (!stop) {
    if (!waitForEvent(display_, 20)) continue;
    XEvent event;
    XNextEvent(display_, &event);
    if (event.type == SelectionRequest) answer(display_, event.xselectionrequest, utf8);
  }
  XDestroyWindow(display_, owner);
  XSync(display_, False);
}

}  // namespace x11
