#include "platform/user/termination_request.h"

#include <vector>

#include "platform/input.h"
#include "platform/termination.h"
#include "platform/user/window.h"

namespace platform::user {
namespace {

// What a window manager can close: a shown window in its frame.
bool closable(const Window* w) { return w->isVisible() && (w->style & WS_CAPTION) == WS_CAPTION; }

// A mode that holds the pointer, such as an open menu's loop, ends first,
// as when a window manager takes the pointer away to close a window.
void cancelModes() {
  if (HWND captured = GetCapture()) SendMessageA(captured, WM_CANCELMODE, 0, 0);
}

}  // namespace

void deliverTerminationRequest() {
  if (!termination::takeRequest()) return;
  cancelModes();
  std::vector<HWND> closing;
  for (const Window* top : desktop().children)
    if (closable(top)) closing.push_back(top->hwnd);
  for (HWND window : closing) input::closeRequest(window);
  if (closing.empty()) PostQuitMessage(0);
}

}  // namespace platform::user
