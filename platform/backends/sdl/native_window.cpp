#include "platform/backends/sdl/native_window.h"

#include <sys/mman.h>

#include <algorithm>
#include <vector>

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

// The window's surface is about to be written whole: its pages are mapped
// in one go rather than at a fault each (see gdi/pixel_allocator.h). Where
// that cannot be done (memory not on page boundaries, an older kernel),
// they are mapped as they are written.
void mapWhole(SDL_Surface* target) {
  madvise(target->pixels, static_cast<size_t>(target->pitch) * target->h, MADV_POPULATE_WRITE);
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
  SetRectEmpty(&shownContent_);
  if (isPopup() && mapDirectly(native_, visible)) return;
  if (visible) SDL_ShowWindow(native_);
  else SDL_HideWindow(native_);
}

void NativeWindow::follow(const RECT& screenRect) {
  if (IsIconic(window_)) {
    SetRectEmpty(&shownContent_);
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
  if (widthOf(screenRect) != widthOf(rect_) || heightOf(screenRect) != heightOf(rect_)) {
    SDL_SetWindowSize(native_, std::max(widthOf(shown), 1), std::max(heightOf(shown), 1));
    SetRectEmpty(&shownContent_);
  }
  rect_ = screenRect;
}

void NativeWindow::moved(int x, int y) {
  OffsetRect(&rect_, scale_.toPlatform(x) - rect_.left, scale_.toPlatform(y) - rect_.top);
}

void NativeWindow::resized(int width, int height) {
  SetRectEmpty(&shownContent_);
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

// Each part goes out as its own rectangle, from the surface's device picture
// when it keeps one (gdi/surface.h), else from its pixels, one to one. A
// window whose surface SDL cannot give shows all of its content at the next
// present.
void NativeWindow::present(const gdi::Surface& surface, const RECT& content, const gdi::Region& changed) {
  SDL_Surface* target = SDL_GetWindowSurface(native_);
  if (!target) {
    SetRectEmpty(&shownContent_);
    return;
  }
  RECT shown{std::max<LONG>(content.left, 0), std::max<LONG>(content.top, 0),
             std::min<LONG>(content.right, surface.width()), std::min<LONG>(content.bottom, surface.height())};
  bool whole = !EqualRect(&shown, &shownContent_) || shownSize_.cx != target->w || shownSize_.cy != target->h;
  gdi::Region parts(shown);
  if (whole) mapWhole(target);
  else parts.intersect(changed);
  const gdi::Surface& picture = surface.device() ? *surface.device() : surface;
  std::vector<SDL_Rect> areas;
  int scale = surface.scale();
  for (const RECT& part : parts.rects()) {
    SDL_Rect area{(part.left - shown.left) * scale, (part.top - shown.top) * scale, widthOf(part) * scale,
                  heightOf(part) * scale};
    area.w = std::min(area.w, target->w - area.x);
    area.h = std::min(area.h, target->h - area.y);
    if (area.w <= 0 || area.h <= 0) continue;
    copyToScreen(picture, {part.left * scale, part.top * scale}, area, target);
    areas.push_back(area);
  }
  if (!areas.empty()) SDL_UpdateWindowSurfaceRects(native_, areas.data(), static_cast<int>(areas.size()));
  shownContent_ = shown;
  shownSize_ = {target->w, target->h};
}

void NativeWindow::copyToScreen(const gdi::Surface& picture, POINT from, const SDL_Rect& area, SDL_Surface* target) {
  auto* to = static_cast<Uint8*>(target->pixels) + area.y * target->pitch + area.x * target->format->BytesPerPixel;
  SDL_ConvertPixels(area.w, area.h, SDL_PIXELFORMAT_RGB888, picture.row(from.y) + from.x, picture.width() * 4,
                    target->format->format, to, target->pitch);
}

}  // namespace platform::sdl
