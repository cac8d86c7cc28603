// What a display backend does for the platform layer. The window manager
// calls these; a backend feeds input back through platform/input.h.
//
// Two backends exist: headless (surfaces in memory, injected input; the
// default, and what tests use) and sdl (real windows). The backend is chosen
// once, before the first window: by startBackend or useBackend, or else from
// the environment variable VELMARO_BACKEND, or else headless.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/gdi/surface.h"
#include "platform/win32.h"

namespace platform {

class Backend {
 public:
  virtual ~Backend() = default;

  virtual SIZE screenSize() const = 0;
  // How many device pixels, each way, one platform pixel takes on the
  // display. Above 1, each top-level window's surface keeps a device
  // picture at that scale (gdi/surface.h), and that is what present hands
  // over: text and lines drawn at the device's resolution, the program's
  // coordinates unchanged.
  virtual int scale() const { return 1; }

  // Top-level windows: created hidden, then shown, placed, titled. They
  // include modal dialogs (owned by the window they block) and the windows
  // of open menus: WS_POPUP with WS_EX_TOOLWINDOW | WS_EX_TOPMOST, owned by
  // the window whose menu is open, placed in screen coordinates and never
  // activated; a backend with real windows shows those as override or
  // pop-up-menu windows.
  virtual void windowCreated(HWND) {}
  virtual void windowDestroyed(HWND) {}
  virtual void windowShown(HWND, bool /*visible*/) {}
  virtual void windowPlaced(HWND, const RECT& /*screenRect*/) {}
  virtual void windowTitled(HWND, const std::string& /*title*/) {}
  // The program made a shown top-level window the foreground window
  // (SetForegroundWindow): a backend with real windows raises it and asks
  // for the keyboard focus for it.
  virtual void windowBroughtForward(HWND) {}
  // The window's surface (the whole window: frame, caption, menu bar and
  // client area) holds new pixels in the changed area. A backend that has
  // lost what it showed (the window was hidden, sized or covered) presents
  // all of it.
  virtual void present(HWND, const gdi::Surface&, const gdi::Region& /*changed*/) {}

  // Moves native events into the input queue without blocking.
  virtual void pollInput() {}
  // Blocks until input may be there, wake() is called, or the time is up.
  virtual void waitForInput(DWORD milliseconds) = 0;
  // Ends a waitForInput early; callable from any thread.
  virtual void wake() = 0;

  virtual void setCursorShape(int /*systemCursorId*/) {}
  virtual void setCursorVisible(bool /*visible*/) {}
  // SetCapture and ReleaseCapture: while captured, mouse input keeps coming
  // when the pointer leaves the program's windows.
  virtual void setMouseCapture(bool /*captured*/) {}

  // Whether typed characters arrive through input::text. TranslateMessage
  // then makes WM_CHAR only of keys that type control characters, so that
  // no character arrives twice.
  virtual bool typesCharacters() const { return false; }

  // The desktop's clipboard text, UTF-8 with lines ended by "\n"; empty
  // when it holds no text. The platform converts CF_TEXT to and from this.
  virtual std::string clipboardText() = 0;
  virtual void setClipboardText(const std::string& text) = 0;
};

// The part of a top-level window's surface that a backend drawing its own
// frame and caption shows: the menu bar and the client area, in surface
// coordinates (an empty rectangle for a handle that is not a window).
RECT contentRect(HWND window);

// The backend in use, chosen on first use if none was. A backend named by
// VELMARO_BACKEND that cannot start ends the process with the message of
// startBackend.
Backend& backend();
// A program's choice at start: the backend VELMARO_BACKEND names, or else
// defaultName. When it cannot start (sdl without a display) prints one line
// saying so and how to run the program instead, and answers false.
bool startBackend(std::string_view defaultName);
// Chooses the backend by name ("headless", "sdl"); false for an unknown name,
// a backend that cannot start, or once windows exist.
bool useBackend(std::string_view name);
// Installs a backend object (for backends built outside this library).
void installBackend(std::unique_ptr<Backend> backend);

}  // namespace platform
