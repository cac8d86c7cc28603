#include "platform/backends/sdl/sdl_backend.h"

#include <algorithm>
#include <climits>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include <SDL2/SDL.h>
#include <poll.h>
#include <unistd.h>

#include "platform/accessibility/bridge_loader.h"
#include "platform/backends/sdl/native_geometry.h"
#include "platform/backends/sdl/x11_display.h"
#include "platform/event_descriptor.h"
#include "platform/termination.h"
#include "platform/user/window.h"

namespace platform::sdl {
namespace {

const char* environment(const char* name) {
  const char* value = std::getenv(name);
  return value && *value ? value : nullptr;
}

// The list without the named driver; SDL matches names regardless of case.
std::string withoutDriver(std::string_view drivers, std::string_view name) {
  std::string kept;
  while (!drivers.empty()) {
    std::string_view driver = drivers.substr(0, drivers.find(','));
    drivers.remove_prefix(std::min(drivers.size(), driver.size() + 1));
    if (driver.size() == name.size() && SDL_strncasecmp(driver.data(), name.data(), name.size()) == 0) continue;
    kept += kept.empty() ? "" : ",";
    kept += driver;
  }
  return kept;
}

// The drivers SDL is to try, in order: those SDL_VIDEODRIVER names, else
// the X display the environment names (never a console's whole screen, and
// no attempt, with its own complaints on stderr, at one that is not there).
//
// Never SDL 2's Wayland driver: it opens a pop-up window (a menu) where the
// pointer is, beside whichever window the pointer is over, and crashes when
// that is none (a menu opened from the keyboard); it keeps no window surface
// in memory, only an OpenGL ES texture; and 2.26 crashes inside SDL_Init on
// a compositor without a seat. On Wayland the windows go through Xwayland.
std::string driversToTry() {
  if (const char* named = environment("SDL_VIDEODRIVER")) return withoutDriver(named, "wayland");
  return environment("DISPLAY") ? "x11" : "";
}

std::string whyNoDriver() {
  if (environment("SDL_VIDEODRIVER"))
    return "SDL_VIDEODRIVER names only SDL's Wayland driver, which cannot place its menus; on Wayland it runs "
           "through Xwayland (unset SDL_VIDEODRIVER, or set it to x11)";
  if (environment("WAYLAND_DISPLAY"))
    return "on Wayland it runs through Xwayland, and there is none (DISPLAY is not set)";
  return "there is no display (DISPLAY is not set)";
}

void setHints(const std::string& drivers) {
  // The window surface as a memory blit, not through OpenGL: with a software
  // GL stack, OpenGL takes several times the memory and start-up time.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // Over SDL_VIDEODRIVER too: the list started from it.
  SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, drivers.c_str(), SDL_HINT_OVERRIDE);
  // Ctrl+C and termination signals keep their usual effect.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // A desktop program, not a game: the screen saver and the compositor stay.
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  // The click that activates a window reaches it, as on Windows.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
}

std::string whyNoDisplay() {
  const char* x11 = environment("DISPLAY");
  if (!x11) return std::string("no display could be opened (") + SDL_GetError() + ")";
  return std::string("the display \"") + x11 + "\" cannot be opened (" + SDL_GetError() + ")";
}

SIZE desktopSize() {
  SDL_DisplayMode mode{};
  if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return {1024, 768};
  return {mode.w, mode.h};
}

DisplayScale displayScale(SIZE screen, bool onX11) {
  ScaleSettings settings{environment("VELMARO_SCALE"), environment("GDK_SCALE"),
                         [onX11] { return onX11 ? x11ResourceDpi() : 0; }, screen};
  std::string complaint;
  DisplayScale scale(chooseScale(settings, complaint));
  if (!complaint.empty()) std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, complaint.c_str());
  return scale;
}

RECT nativeRectFor(HWND window) {
  RECT windowRect{};
  GetWindowRect(window, &windowRect);
  return nativeRectOf(windowRect, contentRect(window));
}

}  // namespace

std::unique_ptr<Backend> SdlBackend::open(std::string& whyNot) {
  std::string drivers = driversToTry();
  if (drivers.empty()) {
    whyNot = whyNoDriver();
    return nullptr;
  }
  setHints(drivers);
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    whyNot = whyNoDisplay();
    SDL_Quit();
    return nullptr;
  }
  bool onX11 = std::string_view(SDL_GetCurrentVideoDriver()) == "x11";
  if (onX11) handleX11Errors();
  SIZE screen = desktopSize();
  return std::unique_ptr<Backend>(new SdlBackend(screen, displayScale(screen, onX11), SDL_RegisterEvents(1)));
}

SdlBackend::Session::~Session() { SDL_Quit(); }

SdlBackend::SdlBackend(SIZE screen, DisplayScale scale, Uint32 wakeEvent)
    : scale_(scale),
      screen_(scale.toPlatform(screen)),
      wakeEvent_(wakeEvent),
      wakeDescriptor_(makeEventDescriptor()),
      translator_([this](Uint32 id) { return byId(id); }) {}

SdlBackend::~SdlBackend() { close(wakeDescriptor_); }

void SdlBackend::windowDestroyed(HWND window) { windows_.erase(window); }

void SdlBackend::windowShown(HWND window, bool visible) {
  auto found = windows_.find(window);
  if (found == windows_.end()) {
    if (!visible) return;
    std::unique_ptr<NativeWindow> native = NativeWindow::open(window, scale_);
    if (!native) return;
    SDL_Window* shown = native->sdlWindow();
    accessibility::startBridgeIfBusReachable([shown] { return x11RootHasProperty(shown, "AT_SPI_BUS"); });
    found = windows_.emplace(window, std::move(native)).first;
  }
  // While hidden, the window's moves were not reported.
  if (visible) found->second->follow(nativeRectFor(window));
  found->second->show(visible);
}

void SdlBackend::windowPlaced(HWND window, const RECT& screenRect) {
  if (NativeWindow* native = nativeWindowOf(window)) native->follow(nativeRectOf(screenRect, contentRect(window)));
}

void SdlBackend::windowTitled(HWND window, const std::string& title) {
  if (NativeWindow* native = nativeWindowOf(window)) native->setTitle(title);
}

void SdlBackend::windowBroughtForward(HWND window) {
  if (NativeWindow* native = nativeWindowOf(window)) native->bringForward();
}

// The content can change size without the window doing so (a menu bar
// added), so the native window follows at each present. A minimised
// window shows nothing.
void SdlBackend::present(HWND window, const gdi::Surface& surface, const gdi::Region& changed) {
  NativeWindow* native = nativeWindowOf(window);
  if (!native) return;
  native->follow(nativeRectFor(window));
  if (!IsIconic(window)) native->present(surface, contentRect(window), changed);
}

// SDL reads the display at least once after each wait (it also runs its own
// timed work then); more often only when there is something to read.
void SdlBackend::pollInput() {
  clearWake();
  if (pumpedSinceWait_ && !SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT) && !windows_.empty() &&
      !x11InputWaiting(windows_.begin()->second->sdlWindow()))
    return;
  pumpedSinceWait_ = true;
  SDL_Event event;
  while (SDL_PollEvent(&event)) handle(event);
  translator_.endBatch(SDL_GetKeyboardFocus() != nullptr);
}

// Events SDL already holds end the wait at once; the display's own wait
// needs a window to find the connection by. A termination signal ends any
// wait, and so does work for the accessibility bridge when it is loaded.
void SdlBackend::waitForInput(DWORD milliseconds) {
  int timeout = milliseconds == INFINITE ? -1 : static_cast<int>(std::min<DWORD>(milliseconds, INT_MAX));
  pumpedSinceWait_ = false;
  if (SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT)) return;
  const int wakeFds[] = {wakeDescriptor_, termination::wakeDescriptor(), accessibility::bridgeDescriptor()};
  std::span<const int> watchedFds(wakeFds, wakeFds[2] >= 0 ? 3 : 2);
  if (windows_.empty()) {
    pollfd watched[] = {{wakeFds[0], POLLIN, 0}, {wakeFds[1], POLLIN, 0}, {wakeFds[2], POLLIN, 0}};
    poll(watched, static_cast<nfds_t>(watchedFds.size()), timeout);
  } else if (!waitOnX11(windows_.begin()->second->sdlWindow(), watchedFds, timeout)) {
    waitInSdl(timeout);
  }
  termination::drainWake();
}

// SDL's own wait cannot watch the signal descriptor: it returns at least
// once a second so that a termination signal is seen.
void SdlBackend::waitInSdl(int milliseconds) {
  constexpr int kLongestSdlWait = 1000;
  if (milliseconds < 0 || milliseconds > kLongestSdlWait) milliseconds = kLongestSdlWait;
  SDL_Event event;
  if (SDL_WaitEventTimeout(&event, milliseconds)) handle(event);
}

// Callable from any thread. The descriptor ends the display's wait; a pushed
// event (one at a time is enough) ends SDL's. The flag is set after the
// write, so clearWake never leaves a written descriptor unread for long.
void SdlBackend::wake() {
  signalEventDescriptor(wakeDescriptor_);
  wakeWritten_ = true;
  if (wakeQueued_.exchange(true)) return;
  SDL_Event event{};
  event.type = wakeEvent_;
  if (SDL_PushEvent(&event) != 1) wakeQueued_ = false;
}

void SdlBackend::clearWake() {
  if (wakeWritten_.exchange(false)) drainEventDescriptor(wakeDescriptor_);
}

// SDL captures only while one of its windows has the keyboard focus; a
// capture asked for without it is made when the focus comes.
void SdlBackend::setMouseCapture(bool captured) {
  captureWanted_ = captured;
  SDL_CaptureMouse(captured ? SDL_TRUE : SDL_FALSE);
}

std::string SdlBackend::clipboardText() {
  char* text = SDL_GetClipboardText();
  std::string result = text ? text : "";
  SDL_free(text);
  return result;
}

void SdlBackend::setClipboardText(const std::string& text) { SDL_SetClipboardText(text.c_str()); }

NativeWindow* SdlBackend::nativeWindowOf(HWND window) const {
  auto found = windows_.find(window);
  return found == windows_.end() ? nullptr : found->second.get();
}

void SdlBackend::handle(const SDL_Event& event) {
  if (event.type == wakeEvent_) {
    wakeQueued_ = false;
    return;
  }
  if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED) {
    if (NativeWindow* native = byId(event.window.windowID)) showAgain(*native);
  }
  if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED && captureWanted_)
    SDL_CaptureMouse(SDL_TRUE);
  translator_.translate(event);
}

// The system lost what the window showed: the surface goes out again at the
// next present.
void SdlBackend::showAgain(NativeWindow& native) {
  user::Window* w = user::windowFrom(native.window());
  if (w && w->surface) w->surface->markAllChanged();
}

NativeWindow* SdlBackend::byId(Uint32 windowId) const {
  for (const auto& [window, native] : windows_)
    if (native->id() == windowId) return native.get();
  return nullptr;
}

}  // namespace platform::sdl
