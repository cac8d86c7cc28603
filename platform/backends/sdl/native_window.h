// The SDL window that shows one top-level platform window: its content (menu
// bar and client area) at the content's place on the screen, its title and
// its class icon. Windows with a caption get the window manager's frame;
// captionless pop-ups (drop-down menus and the like) are borderless windows
// the manager leaves alone, which never take the keyboard focus.
#pragma once

#include <memory>
#include <string>

#include <SDL2/SDL_video.h>

#include "platform/gdi/surface.h"
#include "platform/win32.h"

namespace platform::sdl {

class NativeWindow {
 public:
  // A hidden native window for a top-level window, or nullptr when SDL
  // cannot make one.
  static std::unique_ptr<NativeWindow> open(HWND window);
  ~NativeWindow();
  NativeWindow(const NativeWindow&) = delete;
  NativeWindow& operator=(const NativeWindow&) = delete;

  HWND window() const { return window_; }
  Uint32 id() const { return SDL_GetWindowID(native_); }
  SDL_Window* sdlWindow() const { return native_; }
  // The native window's screen rectangle, as last placed or reported.
  const RECT& rect() const { return rect_; }
  // Drop-down menus and other captionless pop-ups never take the keyboard
  // focus or activation.
  bool isPopup() const { return (SDL_GetWindowFlags(native_) & SDL_WINDOW_POPUP_MENU) != 0; }

  void show(bool visible);
  // Moves and sizes the native window unless it is there already.
  void place(const RECT& screenRect);
  // The window manager moved or sized the window.
  void moved(int x, int y);
  void resized(int width, int height);
  void setTitle(const std::string& windowsText);
  // Raises the window and asks for the keyboard focus for it (a pop-up
  // only rises).
  void bringForward();
  // Copies the content part (surface coordinates) of the window's surface
  // to the screen.
  void present(const gdi::Surface& surface, const RECT& content);

 private:
  NativeWindow(HWND window, SDL_Window* native, const RECT& rect) : window_(window), native_(native), rect_(rect) {}

  HWND window_;
  SDL_Window* native_;
  RECT rect_;
};

}  // namespace platform::sdl
