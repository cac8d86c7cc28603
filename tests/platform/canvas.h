// A device context over a frameless window, with its pixels at hand: the
// window's client area is its whole surface, so surface and logical
// coordinates agree until a test moves the window origin.
#pragma once

#include "platform/backends/headless/headless.h"
#include "platform_fixture.h"

class CanvasTest : public PlatformTest {
 protected:
  static constexpr COLORREF kWhite = RGB(255, 255, 255);
  static constexpr COLORREF kBlack = RGB(0, 0, 0);

  void SetUp() override {
    PlatformTest::SetUp();
    window_ = topLevel(0, 0, 64, 48, WS_POPUP | WS_VISIBLE);
    settle();
    dc_ = GetDC(window_);
    fill({0, 0, 64, 48}, kWhite);
  }

  void TearDown() override {
    ReleaseDC(window_, dc_);
    PlatformTest::TearDown();
  }

  void fill(RECT r, COLORREF color) { fillWith(dc_, r, color); }

  COLORREF at(int x, int y) const {
    uint32_t p = platform::headless::surfaceOf(window_)->pixel(x, y);
    return platform::gdi::colorRefFromPixel(p);
  }

  // The pixels of a rectangle that are not white, as "x,y" pairs in order.
  std::vector<POINT> inked(RECT r) const {
    std::vector<POINT> out;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        if (at(x, y) != kWhite) out.push_back({x, y});
    return out;
  }

  HWND window_ = nullptr;
  HDC dc_ = nullptr;
};

inline bool operator==(const POINT& a, const POINT& b) { return a.x == b.x && a.y == b.y; }
inline std::ostream& operator<<(std::ostream& out, const POINT& p) { return out << '(' << p.x << ',' << p.y << ')'; }
