#include "platform/user/style_rules.h"

namespace platform::user {

DWORD createdStyle(DWORD style) {
  if ((style & (WS_CHILD | WS_POPUP)) == WS_CHILD) return style;
  style |= WS_CLIPSIBLINGS;
  return (style & WS_POPUP) ? style : style | WS_CAPTION;
}

DWORD createdExStyle(DWORD exStyle, DWORD style) {
  if (exStyle & WS_EX_DLGMODALFRAME) return exStyle | WS_EX_WINDOWEDGE;
  if (!(style & (WS_DLGFRAME | WS_THICKFRAME))) return exStyle & ~WS_EX_WINDOWEDGE;
  bool staticEdged = (exStyle & WS_EX_STATICEDGE) && (style & (WS_CHILD | WS_POPUP));
  return staticEdged ? exStyle : exStyle | WS_EX_WINDOWEDGE;
}

DWORD storedStyle(DWORD newStyle, bool topLevel) { return topLevel ? newStyle | WS_CLIPSIBLINGS : newStyle; }

DWORD storedExStyle(DWORD newExStyle, DWORD style) {
  if ((newExStyle & WS_EX_DLGMODALFRAME) || (style & WS_THICKFRAME)) return newExStyle | WS_EX_WINDOWEDGE;
  if (style & (WS_CHILD | WS_POPUP)) return newExStyle & ~WS_EX_WINDOWEDGE;
  return newExStyle;
}

}  // namespace platform::user
