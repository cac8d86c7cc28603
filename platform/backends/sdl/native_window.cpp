#include "platform/backends/sdl/native_window.h"

#include <algorithm>

#include "platform/backend.h"
#include "platform/backends/sdl/native_geometry.h"
#include "platform/backends/sdl/x11_display.h"
#include "platform/resources/icon_image.h"
#include "platform/text/utf8.h"
#include "platform/user/window.h"
#include "platform/user/window_class.h"

namespace platform::sdl {
namespace {

constexpr int kIconSize = 32;

Uint32 flagsFor(HWND window) {
  auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
  Uint32 flags = SDL_WINDOW_HIDDEN;
  if ((style & WS_CAPTION) != WS_CAPTION) {
    flags |= SDL_WINDOW_BORDERLESS;
    if (style & WS_POPUP) flags |= SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR;
  } else if (style & WS_THICKFRAME) {
    flags |= SDL_WINDOW_RESIZABLE;
  }
  return flags;
}

RECT screenRectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return nativeRectOf(rect, contentRect(window));
}

std::string titleOf(HWND window) {
  char text[512];
  int length = GetWindowTextA(window, text, sizeof text);
  return text::utf8FromWindows1252({text, static_cast<size_t>(std::max(length, 0))});
}

void setIcon(SDL_Window* native, HWND window) {
  user::Window* w = user::windowFrom(window);
  HICON icon = w && w->windowClass ? w->windowClass->info.hIcon : nullptr;
  const resources::IconImage* image = icon ? resources::iconImage(icon, kIconSize) : nullptr;
  if (!image) return;
  auto* pixels = const_cast<uint32_t*>(image->pixels.data());
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(pixels, image->width, image->height, 32,
                                                            image->width * 4, SDL_PIXELFORMAT_ARGB8888);
  if (!surface) return;
  SDL_SetWindowIcon(native, surface);
  SDL_FreeSurface(surface);
}

int widthOf(const RECT& r) { return r.right - r.left; }
int heightOf(const RECT& r) { return r.bottom - r.top; }

}  // namespace

std::unique_ptr<NativeWindow> NativeWindow::open(HWND window, DisplayScale scale) {
  RECT rect = screenRectOf(window);
  RECT shown = scale.toScreen(rect);
  SDL_Window* native = SDL_CreateWindow(titleOf(window).c_str(), shown.left, shown.top, std::max(widthOf(shown), 1),
                                        std::max(heightOf(shown), 1), flagsFor(window));
  if (!native) return nullptr;
  setIcon(native, window);
  return std::unique_ptr<NativeWindow>(new NativeWindow(window, native, rect, scale));
}

NativeWindow::~NativeWindow() { SDL_DestroyWindow(native_); }

void NativeWindow::show(bool visible) {
  if (isPopup() && mapDirectly(native_, visible)) return;
  if (visible) SDL_ShowWindow(native_);
  else SDL_HideWindow(native_);
}

void NativeWindow::follow(const RECT& screenRect) {
  if (IsIconic(window_)) {
    if (!minimized()) SDL_MinimizeWindow(native_);
    return;
  }
  if (IsZoomed(window_)) {
    if (!maximized()) SDL_MaximizeWindow(native_);
    return;
  }
  if (minimized() || maximized()) SDL_RestoreWindow(native_);
  place(screenRect);
}

void NativeWindow::place(const RECT& screenRect) {
  if (EqualRect(&screenRect, &rect_)) return;
  RECT shown = scale_.toScreen(screenRect);
  if (screenRect.left != rect_.left || screenRect.top != rect_.top)
    SDL_SetWindowPosition(native_, shown.left, shown.top);
  if (widthOf(screenRect) != widthOf(rect_) || heightOf(screenRect) != heightOf(rect_))
    SDL_SetWindowSize(native_, std::max(widthOf(shown), 1), std::max(heightOf(shown), 1));
  rect_ = screenRect;
}

void NativeWindow::moved(int x, int y) {
  OffsetRect(&rect_, scale_.toPlatform(x) - rect_.left, scale_.toPlatform(y) - rect_.top);
}

void NativeWindow::resized(int width, int height) {
  rect_.right = rect_.left + scale_.toPlatform(width);
  rect_.bottom = rect_.top + scale_.toPlatform(height);
}

void NativeWindow::bringForward() {
  SDL_RaiseWindow(native_);
  if (!isPopup()) focusWithoutWindowManager(native_);
}

void NativeWindow::setTitle(const std::string& windowsText) {
  SDL_SetWindowTitle(native_, text::utf8FromWindows1252(windowsText).c_str());
}

// The surface's device picture when it keeps one (gdi/surface.h), else its
// pixels, converted into the window one to one.
void NativeWindow::present(const gdi::Surface& surface, const RECT& content) {
  SDL_Surface* target = SDL_GetWindowSurface(native_);
  if (!target) return;
  const gdi::Surface& shown = surface.device() ? *surface.device() : surface;
  RECT source = gdi::toDevice(RECT{std::max<LONG>(content.left, 0), std::max<LONG>(content.top, 0),
                                   std::min<LONG>(content.right, surface.width()),
                                   std::min<LONG>(content.bottom, surface.height())},
                              surface.scale());
  int width = std::min<int>(widthOf(source), target->w);
  int height = std::min<int>(heightOf(source), target->h);
  if (width <= 0 || height <= 0) return;
  SDL_ConvertPixels(width, height, SDL_PIXELFORMAT_RGB888, shown.row(source.top) + source.left, shown.width() * 4,
                    target->format->format, target->pixels, target->pitch);
  SDL_UpdateWindowSurface(native_);
}

}  // namespace platform::sdl
