#include "platform/user/frame_layout.h"

namespace platform::user {
namespace {

FrameKind frameKind(DWORD style, DWORD exStyle) {
  if (style & WS_THICKFRAME) return FrameKind::Sizing;
  if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) return FrameKind::Dialog;
  if (style & WS_BORDER) return FrameKind::Border;
  return FrameKind::None;
}

int thicknessOf(FrameKind kind) {
  switch (kind) {
    case FrameKind::Sizing: return GetSystemMetrics(SM_CXFRAME);
    case FrameKind::Dialog: return GetSystemMetrics(SM_CXDLGFRAME);
    case FrameKind::Border: return GetSystemMetrics(SM_CXBORDER);
    default: return 0;
  }
}

bool hasCaption(DWORD style) { return (style & WS_CAPTION) == WS_CAPTION; }

int captionHeight(DWORD style, DWORD exStyle) {
  if (!hasCaption(style)) return 0;
  return GetSystemMetrics((exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
}

int edgeWidthOf(DWORD exStyle) {
  return ((exStyle & WS_EX_CLIENTEDGE) ? GetSystemMetrics(SM_CXEDGE) : 0) + ((exStyle & WS_EX_STATICEDGE) ? 1 : 0);
}

void placeCaptionButtons(FrameLayout& f, DWORD style, DWORD exStyle) {
  if (!(style & WS_SYSMENU)) return;
  const RECT& c = f.caption;
  int height = c.bottom - c.top - 4;
  int width = (exStyle & WS_EX_TOOLWINDOW) ? height : GetSystemMetrics(SM_CXSIZE) - 2;
  f.closeButton = {c.right - 2 - width, c.top + 2, c.right - 2, c.top + 2 + height};
  if (exStyle & WS_EX_TOOLWINDOW) return;
  f.systemMenu = {c.left + 2, c.top + 1, c.left + 2 + GetSystemMetrics(SM_CXSMICON), c.bottom - 1};
  if (!(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))) return;
  f.maximizeButton = {f.closeButton.left - 2 - width, f.closeButton.top, f.closeButton.left - 2, f.closeButton.bottom};
  f.minimizeButton = {f.maximizeButton.left - width, f.closeButton.top, f.maximizeButton.left, f.closeButton.bottom};
}

// Each bar runs along the client area; with both, the box in the corner
// between them belongs to neither.
void placeScrollBars(FrameLayout& f, DWORD style) {
  RECT& c = f.client;
  if (style & WS_VSCROLL) c.right -= GetSystemMetrics(SM_CXVSCROLL);
  if (style & WS_HSCROLL) c.bottom -= GetSystemMetrics(SM_CYHSCROLL);
  if (style & WS_VSCROLL) f.verticalScroll = {c.right, c.top, c.right + GetSystemMetrics(SM_CXVSCROLL), c.bottom};
  if (style & WS_HSCROLL) f.horizontalScroll = {c.left, c.bottom, c.right, c.bottom + GetSystemMetrics(SM_CYHSCROLL)};
}

bool inside(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

int hitSizingFrame(const FrameLayout& f, int width, int height, POINT p) {
  int corner = GetSystemMetrics(SM_CXSIZE) + f.thickness;
  bool left = p.x < corner, right = p.x >= width - corner;
  bool top = p.y < corner, bottom = p.y >= height - corner;
  if (p.x < f.thickness) return top ? HTTOPLEFT : bottom ? HTBOTTOMLEFT : HTLEFT;
  if (p.x >= width - f.thickness) return top ? HTTOPRIGHT : bottom ? HTBOTTOMRIGHT : HTRIGHT;
  if (p.y < f.thickness) return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
  return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
}

int hitCaption(const FrameLayout& f, POINT p) {
  if (inside(f.closeButton, p)) return HTCLOSE;
  if (inside(f.maximizeButton, p)) return HTMAXBUTTON;
  if (inside(f.minimizeButton, p)) return HTMINBUTTON;
  if (inside(f.systemMenu, p)) return HTSYSMENU;
  return HTCAPTION;
}

}  // namespace

FrameLayout frameLayout(DWORD style, DWORD exStyle, bool menuBar, int width, int height) {
  FrameLayout f;
  f.kind = frameKind(style, exStyle);
  f.thickness = thicknessOf(f.kind);
  int t = f.thickness;
  int top = t;
  int captionH = captionHeight(style, exStyle);
  if (captionH) {
    f.caption = {t, t, width - t, t + captionH - 1};
    placeCaptionButtons(f, style, exStyle);
    top += captionH;
  }
  if (menuBar) {
    f.menuBar = {t, top, width - t, top + GetSystemMetrics(SM_CYMENU)};
    top = f.menuBar.bottom;
  }
  f.edge = {t, top, width - t, height - t};
  f.edgeWidth = edgeWidthOf(exStyle);
  int e = f.edgeWidth;
  f.client = {t + e, top + e, width - t - e, height - t - e};
  placeScrollBars(f, style);
  if (f.client.right < f.client.left) f.client.right = f.client.left;
  if (f.client.bottom < f.client.top) f.client.bottom = f.client.top;
  return f;
}

int hitTestFrame(const FrameLayout& f, int width, int height, POINT p) {
  if (p.x < 0 || p.y < 0 || p.x >= width || p.y >= height) return HTNOWHERE;
  if (inside(f.client, p)) return HTCLIENT;
  bool inFrame = p.x < f.thickness || p.y < f.thickness || p.x >= width - f.thickness || p.y >= height - f.thickness;
  if (inFrame) return f.kind == FrameKind::Sizing ? hitSizingFrame(f, width, height, p) : HTBORDER;
  if (p.y < f.caption.bottom + 1 && f.caption.bottom > f.caption.top) return hitCaption(f, p);
  if (inside(f.menuBar, p)) return HTMENU;
  if (inside(f.verticalScroll, p)) return HTVSCROLL;
  if (inside(f.horizontalScroll, p)) return HTHSCROLL;
  if (p.y >= f.client.bottom && p.x >= f.client.right && p.x < width - f.thickness - f.edgeWidth &&
      p.y < height - f.thickness - f.edgeWidth)
    return HTGROWBOX;
  return HTBORDER;
}

}  // namespace platform::user

BOOL WINAPI AdjustWindowRectEx(LPRECT lpRect, DWORD dwStyle, BOOL bMenu, DWORD dwExStyle) {
  if (!lpRect) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  // The frame around a 0 x 0 client area tells each side's extent.
  platform::user::FrameLayout f = platform::user::frameLayout(dwStyle & ~(WS_VSCROLL | WS_HSCROLL), dwExStyle,
                                                                bMenu && !(dwStyle & WS_CHILD), 1000, 1000);
  lpRect->left -= f.client.left;
  lpRect->top -= f.client.top;
  lpRect->right += 1000 - f.client.right;
  lpRect->bottom += 1000 - f.client.bottom;
  return TRUE;
}
