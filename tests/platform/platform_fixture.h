// Shared set-up for tests of the window manager: the headless backend, a
// watchdog against hangs, and no windows left behind.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "message_log.h"
#include "platform/backends/headless/headless.h"
#include "platform/win32.h"
#include "watchdog.h"

// Handles as message parameters.
inline LPARAM handleParam(HANDLE h) { return reinterpret_cast<LPARAM>(h); }
inline WPARAM handleWParam(HANDLE h) { return reinterpret_cast<WPARAM>(h); }

// The colour a top-level window shows at a screen point.
inline COLORREF screenPixel(HWND top, POINT screen) {
  RECT frame;
  GetWindowRect(top, &frame);
  uint32_t pixel = platform::headless::surfaceOf(top)->pixel(screen.x - frame.left, screen.y - frame.top);
  return platform::gdi::colorRefFromPixel(pixel);
}

// The colours window w shows on the screen, row by row, as its top-level
// window top holds them (the client area only when client).
inline std::vector<COLORREF> shownPixels(HWND top, HWND w, bool client = false) {
  RECT r;
  if (client) {
    GetClientRect(w, &r);
    MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&r), 2);
  } else {
    GetWindowRect(w, &r);
  }
  std::vector<COLORREF> pixels;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) pixels.push_back(screenPixel(top, {x, y}));
  return pixels;
}

// Fills a rectangle of a device context with a colour.
inline void fillWith(HDC dc, RECT r, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

// Fills a rectangle of a window's client area with a colour.
inline void fillWindow(HWND w, RECT r, COLORREF color) {
  HDC dc = GetDC(w);
  fillWith(dc, r, color);
  ReleaseDC(w, dc);
}

// A key pressed while a modifier is held.
inline void pressWith(UINT modifier, UINT key) {
  platform::headless::keyDown(modifier);
  platform::headless::pressKey(key);
  platform::headless::keyUp(modifier);
}

class PlatformTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(platform::headless::start());
    msglog::clear();
    msglog::clearAnswers();
    msglog::keepAll();
  }

  void TearDown() override {
    for (HWND w : created_)
      if (IsWindow(w)) DestroyWindow(w);
    platform::headless::runUntilIdle();
    msglog::clearAnswers();
  }

  // A recording top-level window with a caption and sizing frame.
  HWND topLevel(int x, int y, int width, int height, DWORD style = WS_OVERLAPPEDWINDOW, HMENU menu = nullptr,
                msglog::Role role = msglog::Role::Main) {
    msglog::announce(role);
    HWND w = CreateWindowExA(0, msglog::recorderClass(doubleClicks_), "Test", style, x, y, width, height, nullptr,
                             menu, nullptr, nullptr);
    keep(w, role);
    return w;
  }

  HWND child(HWND parent, int id, int x, int y, int width, int height, DWORD style = WS_VISIBLE,
             msglog::Role role = msglog::Role::Child) {
    msglog::announce(role);
    HWND w = CreateWindowExA(0, msglog::recorderClass(doubleClicks_), "", WS_CHILD | style, x, y, width, height,
                             parent, reinterpret_cast<HMENU>(static_cast<uintptr_t>(id)), nullptr, nullptr);
    keep(w, role);
    return w;
  }

  // A shown, active and painted top-level window, with the log cleared.
  HWND shownTopLevel(int x = 10, int y = 20, int width = 455, int height = 193, DWORD style = WS_OVERLAPPEDWINDOW,
                     HMENU menu = nullptr) {
    HWND w = topLevel(x, y, width, height, style, menu);
    ShowWindow(w, SW_SHOW);
    UpdateWindow(w);
    settle();
    return w;
  }

  void settle() {
    msglog::pump();
    msglog::clear();
  }

  // Whether the last WM_NCPAINT was given the region for a window whose
  // whole frame needs drawing: the window less its client area, with the
  // invalid part of the client area (client coordinates) added, in screen
  // coordinates.
  static bool ncPaintWasTheFrame(HWND w, RECT invalidClient = {}) {
    RECT window, client;
    GetWindowRect(w, &window);
    GetClientRect(w, &client);
    MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&client), 2);
    MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&invalidClient), 2);
    HRGN region = CreateRectRgnIndirect(&window);
    HRGN part = CreateRectRgnIndirect(&client);
    CombineRgn(region, region, part, RGN_DIFF);
    SetRectRgn(part, invalidClient.left, invalidClient.top, invalidClient.right, invalidClient.bottom);
    CombineRgn(region, region, part, RGN_OR);
    bool same = EqualRgn(msglog::lastNcPaintRegion(), region);
    DeleteObject(part);
    DeleteObject(region);
    return same;
  }

  void keep(HWND w, msglog::Role role) {
    EXPECT_NE(w, nullptr);
    msglog::setRole(w, role);
    created_.push_back(w);
  }

  bool doubleClicks_ = false;
  Watchdog watchdog_;

 private:
  std::vector<HWND> created_;
};
