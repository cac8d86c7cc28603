#include "platform/backends/sdl/native_geometry.h"

namespace platform::sdl {

RECT nativeRectOf(const RECT& windowRect, const RECT& content) {
  return {windowRect.left + content.left, windowRect.top + content.top, windowRect.left + content.right,
          windowRect.top + content.bottom};
}

RECT windowRectFor(const RECT& nativeRect, const RECT& windowRect, const RECT& content) {
  int rightPart = (windowRect.right - windowRect.left) - content.right;
  int bottomPart = (windowRect.bottom - windowRect.top) - content.bottom;
  return {nativeRect.left - content.left, nativeRect.top - content.top, nativeRect.right + rightPart,
          nativeRect.bottom + bottomPart};
}

}  // namespace platform::sdl
