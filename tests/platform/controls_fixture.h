// Set-up for tests of the built-in controls: a shown recording window that
// controls are made in, and where to click them.
#pragma once

#include "box_font.h"
#include "platform_fixture.h"

class ControlsTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    main_ = shownTopLevel();
  }

  void TearDown() override {
    PlatformTest::TearDown();
    DeleteObject(boxFont_);
  }

  // A control of a built-in class in the main window, with the box font
  // (6 pixels a character) when boxFont.
  HWND control(const char* className, const char* text, DWORD style, int id, RECT r, DWORD exStyle = 0,
               bool boxFont = false) {
    HWND c = CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                             r.bottom - r.top, main_, reinterpret_cast<HMENU>(static_cast<uintptr_t>(id)), nullptr,
                             nullptr);
    EXPECT_NE(c, nullptr);
    if (boxFont) SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(boxFont_), TRUE);
    return c;
  }

  static POINT centreOf(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }

  static void clickAt(POINT p) { platform::headless::click(p.x, p.y); }

  // The WM_COMMAND notification codes the main window heard from a control.
  std::vector<WORD> notifications(HWND from) const {
    std::vector<WORD> codes;
    for (const msglog::Recorded& r : msglog::recorded())
      if (r.message == WM_COMMAND && r.lParam == reinterpret_cast<LPARAM>(from)) codes.push_back(HIWORD(r.wParam));
    return codes;
  }

  // The colour at a screen point of the main window.
  COLORREF pixelAt(POINT screen) const { return screenPixel(main_, screen); }

  static std::string textOf(HWND w) {
    char buffer[512];
    GetWindowTextA(w, buffer, sizeof buffer);
    return buffer;
  }

  HWND main_ = nullptr;
  HFONT boxFont_ = BoxFont::handle();
};
