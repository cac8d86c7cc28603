// Where the parts of a window's non-client area lie, from its styles and
// the classic metrics: frame, caption with its buttons, menu bar, client
// edge, scroll bars, and what is left for the client area. All rectangles
// are in window coordinates (0, 0 at the window's top-left corner).
#pragma once

#include "platform/win32.h"

namespace platform::user {

enum class FrameKind { None, Border, Dialog, Sizing };

struct FrameLayout {
  FrameKind kind = FrameKind::None;
  int thickness = 0;
  RECT caption{};  // without the line under it
  RECT systemMenu{};
  RECT minimizeButton{};
  RECT maximizeButton{};
  RECT closeButton{};
  RECT menuBar{};
  RECT edge{};     // the client edge's outer rectangle
  int edgeWidth = 0;
  RECT verticalScroll{};
  RECT horizontalScroll{};
  RECT client{};
};

FrameLayout frameLayout(DWORD style, DWORD exStyle, bool menuBar, int width, int height);

// Window-coordinate point to HT* answer.
int hitTestFrame(const FrameLayout& layout, int width, int height, POINT p);

}  // namespace platform::user
