#include "platform/backends/headless/headless.h"

#include <algorithm>
#include <cstdlib>

#include "platform/backends/headless/headless_backend.h"
#include "platform/backends/headless/png_writer.h"
#include "platform/backends/sdl/display_scale.h"
#include "platform/user/message_queue.h"
#include "platform/user/painting.h"
#include "platform/user/window.h"

namespace platform::headless {
namespace {

HeadlessBackend* headlessBackend() { return dynamic_cast<HeadlessBackend*>(&backend()); }

void drawWindow(gdi::Surface& target, const user::Window* w) {
  const gdi::Surface& source = *w->surface;
  for (int y = 0; y < source.height(); ++y) {
    int sy = w->rect.top + y;
    if (sy < 0 || sy >= target.height()) continue;
    for (int x = 0; x < source.width(); ++x) {
      int sx = w->rect.left + x;
      if (sx >= 0 && sx < target.width()) target.row(sy)[sx] = source.pixel(x, y);
    }
  }
}

// The picture a window shows: its device picture when it keeps one.
const gdi::Surface& shownPicture(const gdi::Surface& surface) {
  return surface.device() ? *surface.device() : surface;
}

// VELMARO_SCALE as the sdl backend reads it; an unreadable one is 1.
int scaleFromEnvironment() {
  std::string complaint;
  return sdl::chooseScale({std::getenv("VELMARO_SCALE"), nullptr, [] { return 0; }, {}}, complaint);
}

}  // namespace

HeadlessBackend::HeadlessBackend(SIZE screen) : screen_(screen), scale_(scaleFromEnvironment()) {}

// The hook runs before the wait; input it gives wakes the wait at once. A
// hook that waits itself (through a call that reads the queue) does not
// run the hook again.
void HeadlessBackend::waitForInput(DWORD milliseconds) {
  if (idleHook_ && !inIdleHook_) {
    inIdleHook_ = true;
    idleHook_();
    inIdleHook_ = false;
  }
  signal_.wait(milliseconds);
}

bool start(int screenWidth, int screenHeight) {
  HeadlessBackend* current = headlessBackend();
  if (current && current->screenSize().cx == screenWidth && current->screenSize().cy == screenHeight) return true;
  installBackend(std::make_unique<HeadlessBackend>(SIZE{screenWidth, screenHeight}));
  return headlessBackend() != nullptr && backend().screenSize().cx == screenWidth &&
         backend().screenSize().cy == screenHeight;
}

void presentAtScale(int factor) {
  if (HeadlessBackend* b = headlessBackend()) b->setScale(std::clamp(factor, 1, sdl::kLargestScale));
}

void onIdle(std::function<void()> hook) {
  if (HeadlessBackend* b = headlessBackend()) b->setIdleHook(std::move(hook));
}

void moveMouse(int x, int y) { input::mouseMove({x, y}); }

void pressButton(int x, int y, input::Button button) {
  input::mouseMove({x, y});
  input::mouseButton(button, true, {x, y});
}

void releaseButton(int x, int y, input::Button button) { input::mouseButton(button, false, {x, y}); }

void click(int x, int y, input::Button button) {
  pressButton(x, y, button);
  releaseButton(x, y, button);
}

void doubleClick(int x, int y) {
  click(x, y);
  click(x, y);
}

void keyDown(UINT virtualKey) { input::key(virtualKey, true); }
void keyUp(UINT virtualKey) { input::key(virtualKey, false); }

void pressKey(UINT virtualKey) {
  keyDown(virtualKey);
  keyUp(virtualKey);
}

void typeText(std::string_view text) { input::text(text); }
void requestClose(HWND window) { input::closeRequest(window); }
void switchAway() { input::activation(nullptr, false); }
void switchBack(HWND window) { input::activation(window, true); }

RunResult runUntilIdle(int maxMessages) {
  RunResult result;
  MSG msg;
  for (;;) {
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      result.idle = true;
      return result;
    }
    if (msg.message == WM_QUIT) {
      result.quit = true;
      result.exitCode = static_cast<int>(msg.wParam);
      return result;
    }
    if (result.dispatched++ >= maxMessages) return result;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

const gdi::Surface* surfaceOf(HWND window) {
  user::Window* w = user::windowFrom(window);
  return w && w->surface ? w->surface.get() : nullptr;
}

gdi::Surface screen() {
  SIZE size = backend().screenSize();
  gdi::Surface out(size.cx, size.cy, gdi::pixelFromColorRef(GetSysColor(COLOR_BACKGROUND)));
  const auto& tops = user::desktop().children;
  for (auto it = tops.rbegin(); it != tops.rend(); ++it)
    if ((*it)->isVisible() && (*it)->surface) drawWindow(out, *it);
  return out;
}

bool saveWindowPng(HWND window, const std::string& path) {
  const gdi::Surface* surface = surfaceOf(window);
  return surface && writePng(shownPicture(*surface), path);
}

bool saveClientPng(HWND window, const std::string& path) {
  const gdi::Surface* surface = surfaceOf(window);
  RECT client{}, frame{};
  if (!surface || !GetClientRect(window, &client) || !GetWindowRect(window, &frame)) return false;
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  int scale = surface->scale();
  const gdi::Surface& shown = shownPicture(*surface);
  int left = (origin.x - frame.left) * scale, top = (origin.y - frame.top) * scale;
  gdi::Surface area(client.right * scale, client.bottom * scale);
  for (int y = 0; y < area.height(); ++y)
    for (int x = 0; x < area.width(); ++x)
      if (shown.contains(left + x, top + y)) area.row(y)[x] = shown.pixel(left + x, top + y);
  return writePng(area, path);
}

bool saveScreenPng(const std::string& path) { return writePng(screen(), path); }

unsigned presentCount() {
  HeadlessBackend* b = headlessBackend();
  return b ? b->presents() : 0;
}

gdi::Region lastPresentedArea() {
  HeadlessBackend* b = headlessBackend();
  return b ? b->lastPresented() : gdi::Region();
}

}  // namespace platform::headless
