#include <algorithm>
#include <unordered_map>

#include "platform/backend.h"
#include "platform/handle_table.h"
#include "platform/user/message_trace.h"
#include "platform/user/window.h"

namespace platform::user {
namespace {

std::unordered_map<Window*, std::shared_ptr<Window>>& registry() {
  static auto* windows = new std::unordered_map<Window*, std::shared_ptr<Window>>;
  return *windows;
}

Window* makeDesktop() {
  auto window = std::make_shared<Window>();
  window->hwnd = handleToWin32<HWND>(handleCreate(HandleKind::Window, window.get()));
  window->style = WS_VISIBLE | WS_CLIPCHILDREN;
  SIZE screen = backend().screenSize();
  window->rect = window->client = {0, 0, screen.cx, screen.cy};
  registry().emplace(window.get(), window);
  return window.get();
}

}  // namespace

bool Window::isTopLevel() const { return parent == &desktop(); }

// The desktop window, once made. Making it asks for the backend, and the
// first request installs one, which fits the desktop to its screen: that
// fitting must find no desktop yet rather than start making a second.
static Window*& desktopSlot() {
  static Window* root = nullptr;
  return root;
}

Window& desktop() {
  if (!desktopSlot()) desktopSlot() = makeDesktop();
  return *desktopSlot();
}

void fitDesktopToScreen() {
  Window* root = desktopSlot();
  if (!root) return;
  SIZE screen = backend().screenSize();
  root->rect = root->client = {0, 0, screen.cx, screen.cy};
}

Window* windowFrom(HWND hwnd) {
  return static_cast<Window*>(handleObject(handleFromWin32(hwnd), HandleKind::Window));
}

Window* windowOrFail(HWND hwnd) {
  Window* window = windowFrom(hwnd);
  if (!window) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return window;
}

Window* newWindow(Window* parent) {
  auto window = std::make_shared<Window>();
  HandleValue h = handleCreate(HandleKind::Window, window.get());
  if (h == 0) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  window->hwnd = handleToWin32<HWND>(h);
  window->parent = parent;
  // A new top-level window comes to the front; a new child goes behind its
  // siblings, so the order of children (the tab order of a dialog) is the
  // order they were made in.
  if (parent == &desktop()) parent->children.insert(parent->children.begin(), window.get());
  else parent->children.push_back(window.get());
  registry().emplace(window.get(), window);
  return window.get();
}

void releaseWindow(Window* window) {
  if (window->parent) std::erase(window->parent->children, window);
  for (Window* other : allWindows())
    if (other->owner == window) other->owner = nullptr;
  handleRelease(handleFromWin32(window->hwnd), HandleKind::Window);
  registry().erase(window);
}

std::shared_ptr<Window> keepAlive(Window* window) {
  auto found = registry().find(window);
  return found == registry().end() ? nullptr : found->second;
}

std::vector<Window*> allWindows() {
  std::vector<Window*> out;
  for (auto& [window, owner] : registry())
    if (window != &desktop()) out.push_back(window);
  return out;
}

Window* topLevelOf(Window* window) {
  while (window && window->parent && !window->isTopLevel()) window = window->parent;
  return window;
}

bool isDescendant(Window* ancestor, Window* window) {
  for (Window* w = window ? window->parent : nullptr; w; w = w->parent)
    if (w == ancestor) return true;
  return false;
}

bool isShowing(const Window* window) {
  for (const Window* w = window; w; w = w->parent)
    if (!w->isVisible()) return false;
  return true;
}

namespace {

LRESULT deliver(Window* window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto alive = keepAlive(window);
  if (!alive || !window->proc) return 0;
  return window->proc(window->hwnd, message, wParam, lParam);
}

// Kept out of line, so that with the trace off a message pays one branch.
[[gnu::noinline]] LRESULT deliverTraced(MessageRoad road, Window* window, UINT message, WPARAM wParam,
                                        LPARAM lParam) {
  auto alive = keepAlive(window);
  if (!alive || !window->proc) return 0;
  return traceMessage(road, window, message, wParam, lParam, [&] { return deliver(window, message, wParam, lParam); });
}

}  // namespace

LRESULT callWindowProc(Window* window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (gTraceMessages) [[unlikely]]
    return deliverTraced(MessageRoad::kSent, window, message, wParam, lParam);
  return deliver(window, message, wParam, lParam);
}

LRESULT dispatchToWindowProc(Window* window, const MSG& msg) {
  if (gTraceMessages) [[unlikely]]
    return deliverTraced(MessageRoad::kDispatched, window, msg.message, msg.wParam, msg.lParam);
  return deliver(window, msg.message, msg.wParam, msg.lParam);
}

}  // namespace platform::user
