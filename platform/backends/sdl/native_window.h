// The SDL window that shows one top-level platform window: its content (menu
// bar and client area) at the content's place on the screen, its title and
// its class icon. Its place is kept in the platform's pixels; SDL gets and
// reports the screen's (display_scale.h). Windows with a caption get the window manager's frame;
// captionless pop-ups (drop-down menus and the like) are borderless windows
// the manager leaves alone, which never take the keyboard focus.
#pragma once

#include <memory>
#include <string>

#include <SDL2/SDL_surface.h>
#include <SDL2/SDL_video.h>

#include "platform/backends/sdl/display_scale.h"
#include "platform/gdi/surface.h"
#include "platform/win32.h"

namespace platform::sdl {

class NativeWindow {
 public:
  // A hidden native window for a top-level window, or nullptr when SDL
  // cannot make one.
  static std::unique_ptr<NativeWindow> open(HWND window, DisplayScale scale);
  ~NativeWindow();
  NativeWindow(const NativeWindow&) = delete;
  NativeWindow& operator=(const NativeWindow&) = delete;

  HWND window() const { return window_; }
  Uint32 id() const { return SDL_GetWindowID(native_); }
  SDL_Window* sdlWindow() const { return native_; }
  // The native window's screen rectangle in the platform's pixels, as last
  // placed or reported.
  const RECT& rect() const { return rect_; }
  // A point in the native window, in the screen's pixels, on the platform's
  // screen.
  POINT screenPoint(int x, int y) const { return {rect_.left + scale_.toPlatform(x), rect_.top + scale_.toPlatform(y)}; }
  // Drop-down menus and other captionless pop-ups never take the keyboard
  // focus or activation.
  bool isPopup() const { return (SDL_GetWindowFlags(native_) & SDL_WINDOW_POPUP_MENU) != 0; }

  // Whether the window manager shows the window minimised or maximised.
  bool minimized() const { return (SDL_GetWindowFlags(native_) & SDL_WINDOW_MINIMIZED) != 0; }
  bool maximized() const { return (SDL_GetWindowFlags(native_) & SDL_WINDOW_MAXIMIZED) != 0; }

  void show(bool visible);
  // Follows the platform window: a minimised or maximised one is asked of
  // the window manager in that state, which then places it and reports
  // where; any other is restored if need be and placed at screenRect.
  void follow(const RECT& screenRect);
  // Moves and sizes the native window unless it is there already.
  void place(const RECT& screenRect);
  // The window manager moved or sized the window (in the screen's pixels).
  void moved(int x, int y);
  void resized(int width, int height);
  void setTitle(const std::string& windowsText);
  // Raises the window and asks for the keyboard focus for it (a pop-up
  // only rises).
  void bringForward();
  // Copies the changed part of the content (surface coordinates) of the
  // window's surface to the screen, its device picture at a scale above 1;
  // all of the content when the window has not shown it since being shown,
  // sized or given other content.
  void present(const gdi::Surface& surface, const RECT& content, const gdi::Region& changed);

 private:
  NativeWindow(HWND window, SDL_Window* native, const RECT& rect, DisplayScale scale)
      : window_(window), native_(native), rect_(rect), scale_(scale) {}

  // The picture's pixels from the point from, converted into the window's
  // surface at area.
  void copyToScreen(const gdi::Surface& picture, POINT from, const SDL_Rect& area, SDL_Surface* target);

  HWND window_;
  SDL_Window* native_;
  RECT rect_;
  DisplayScale scale_;
  // What the last present showed; none yet, or lost, when empty.
  RECT shownContent_{};
  SIZE shownSize_{};
};

}  // namespace platform::sdl
