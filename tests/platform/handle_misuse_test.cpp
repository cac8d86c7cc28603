// Destroyed windows, deleted GDI objects, released DCs, freed memory and
// handles of the wrong kind: each call fails the way Win32 reports it, and
// nothing is followed (the sanitizer build checks the "nothing").
#include "canvas.h"

namespace {

class HandleMisuse : public CanvasTest {};

void expectError(DWORD code) { EXPECT_EQ(GetLastError(), code); }

TEST_F(HandleMisuse, DestroyedWindowsAreRefusedEverywhere) {
  HWND w = topLevel(10, 10, 100, 100, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  ASSERT_TRUE(DestroyWindow(w));
  EXPECT_FALSE(IsWindow(w));
  RECT r;
  POINT p{};
  char text[8];
  const struct {
    const char* call;
    bool failed;
  } calls[] = {
      {"SendMessageA", (SetLastError(0), SendMessageA(w, WM_USER, 0, 0) == 0)},
      {"PostMessageA", !PostMessageA(w, WM_USER, 0, 0)},
      {"GetWindowRect", !GetWindowRect(w, &r)},
      {"GetClientRect", !GetClientRect(w, &r)},
      {"ShowWindow", !ShowWindow(w, SW_SHOW)},
      {"MoveWindow", !MoveWindow(w, 0, 0, 10, 10, TRUE)},
      {"SetWindowTextA", !SetWindowTextA(w, "x")},
      {"GetWindowTextA", GetWindowTextA(w, text, 8) == 0},
      {"InvalidateRect", !InvalidateRect(w, nullptr, TRUE)},
      {"InvalidateRgn", !InvalidateRgn(w, nullptr, TRUE)},
      {"ValidateRect", !ValidateRect(w, nullptr)},
      {"GetUpdateRect", !GetUpdateRect(w, &r, FALSE)},
      {"RedrawWindow", !RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE)},
      {"UpdateWindow", !UpdateWindow(w)},
      {"GetDC", GetDC(w) == nullptr},
      {"SetFocus", SetFocus(w) == nullptr},
      {"SetActiveWindow", SetActiveWindow(w) == nullptr},
      {"SetForegroundWindow", !SetForegroundWindow(w)},
      {"SetCapture", SetCapture(w) == nullptr},
      {"EnableWindow", !EnableWindow(w, FALSE)},
      {"ScreenToClient", !ScreenToClient(w, &p)},
      {"DestroyWindow", !DestroyWindow(w)},
      {"GetParent", GetParent(w) == nullptr},
  };
  for (const auto& c : calls) EXPECT_TRUE(c.failed) << c.call;
  SetLastError(0);
  DestroyWindow(w);
  expectError(ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_NE(GetFocus(), w);
  EXPECT_NE(GetActiveWindow(), w);
}

TEST_F(HandleMisuse, HandlesOfOtherKindsAreNotWindows) {
  HPEN pen = CreatePen(PS_SOLID, 1, 0);
  auto asWindow = reinterpret_cast<HWND>(pen);
  SetLastError(0);
  EXPECT_FALSE(IsWindow(asWindow));
  EXPECT_EQ(SendMessageA(asWindow, WM_USER, 0, 0), 0);
  expectError(ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_FALSE(IsWindow(reinterpret_cast<HWND>(0x12345678)));
  EXPECT_FALSE(DestroyWindow(reinterpret_cast<HWND>(0x12345678)));
  EXPECT_EQ(SelectObject(dc_, reinterpret_cast<HGDIOBJ>(window_)), nullptr);
  expectError(ERROR_INVALID_HANDLE);
  EXPECT_FALSE(DeleteObject(reinterpret_cast<HGDIOBJ>(dc_)));
  RECT r{0, 0, 4, 4};
  EXPECT_EQ(FillRect(dc_, &r, reinterpret_cast<HBRUSH>(pen)), 0);
  EXPECT_EQ(LineTo(reinterpret_cast<HDC>(pen), 3, 3), FALSE);
  EXPECT_EQ(GetRgnBox(reinterpret_cast<HRGN>(pen), &r), ERROR);
  EXPECT_EQ(SetCursor(reinterpret_cast<HCURSOR>(pen)), nullptr);
  expectError(ERROR_INVALID_CURSOR_HANDLE);
  EXPECT_TRUE(DeleteObject(pen));
}

TEST_F(HandleMisuse, DeletedObjectsAreRefused) {
  HPEN pen = CreatePen(PS_SOLID, 1, 0);
  HBRUSH brush = CreateSolidBrush(0);
  HRGN region = CreateRectRgn(0, 0, 4, 4);
  for (HGDIOBJ h : {static_cast<HGDIOBJ>(pen), static_cast<HGDIOBJ>(brush), static_cast<HGDIOBJ>(region)})
    ASSERT_TRUE(DeleteObject(h));
  SetLastError(0);
  EXPECT_FALSE(DeleteObject(pen));
  expectError(ERROR_INVALID_HANDLE);
  EXPECT_EQ(SelectObject(dc_, pen), nullptr);
  RECT r{0, 0, 4, 4};
  EXPECT_EQ(FillRect(dc_, &r, brush), 0);
  EXPECT_EQ(GetRgnBox(region, &r), ERROR);
  EXPECT_EQ(CombineRgn(region, region, region, RGN_OR), ERROR);
  EXPECT_FALSE(PtInRegion(region, 1, 1));
  EXPECT_FALSE(FrameRgn(dc_, region, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)), 1, 1));
  EXPECT_EQ(GetObjectType(pen), 0u);
  EXPECT_TRUE(inked({0, 0, 64, 48}).empty());
}

// Stock objects survive DeleteObject; a pen deleted while selected still
// draws until it is replaced.
TEST_F(HandleMisuse, StockAndSelectedObjectsSurviveDeleteObject) {
  HGDIOBJ black = GetStockObject(BLACK_BRUSH);
  EXPECT_TRUE(DeleteObject(black));
  RECT r{0, 2, 2, 4};
  EXPECT_NE(FillRect(dc_, &r, static_cast<HBRUSH>(black)), 0);
  EXPECT_EQ(at(1, 3), kBlack);
  EXPECT_EQ(GetStockObject(99), nullptr);
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 255));
  SelectObject(dc_, pen);
  EXPECT_TRUE(DeleteObject(pen));
  MoveToEx(dc_, 0, 0, nullptr);
  EXPECT_TRUE(LineTo(dc_, 3, 0));
  EXPECT_EQ(at(1, 0), RGB(0, 0, 255));
  EXPECT_EQ(SelectObject(dc_, GetStockObject(BLACK_PEN)), pen);
}

TEST_F(HandleMisuse, ReleasedDeviceContextsAreRefused) {
  HDC dc = GetDC(window_);
  EXPECT_EQ(WindowFromDC(dc), window_);
  EXPECT_EQ(ReleaseDC(window_, dc), 1);
  RECT r{0, 0, 10, 10};
  SetLastError(0);
  EXPECT_FALSE(LineTo(dc, 5, 5));
  expectError(ERROR_INVALID_HANDLE);
  EXPECT_EQ(DrawTextA(dc, "x", 1, &r, 0), 0);
  EXPECT_EQ(SetTextColor(dc, 0), CLR_INVALID);
  EXPECT_EQ(ReleaseDC(window_, dc), 0);
  EXPECT_EQ(WindowFromDC(dc), nullptr);
  HDC other = GetDC(window_);
  HWND unrelated = topLevel(100, 100, 50, 50, WS_POPUP);
  EXPECT_EQ(ReleaseDC(unrelated, other), 0);
  EXPECT_EQ(ReleaseDC(window_, other), 1);
}

TEST_F(HandleMisuse, DrawingThroughADcWhoseWindowIsGoneIsHarmless) {
  HWND w = topLevel(100, 100, 50, 50, WS_POPUP | WS_VISIBLE);
  HDC dc = GetDC(w);
  DestroyWindow(w);
  RECT r{0, 0, 50, 50};
  EXPECT_NE(FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))), 0);
  EXPECT_EQ(WindowFromDC(dc), w);
  EXPECT_TRUE(DeleteDC(dc));
}

LRESULT CALLBACK selfDestroyingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_USER) {
    DestroyWindow(GetParent(hwnd) ? GetParent(hwnd) : hwnd);
    // The record is still there for the rest of this call.
    return SendMessageA(hwnd, WM_USER + 1, 0, 0) + 7;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(HandleMisuse, AWindowDestroyedInsideItsOwnProcedureIsFreedSafely) {
  ASSERT_NE(msglog::registerClass("SelfDestroying", selfDestroyingProc), 0);
  HWND parent = CreateWindowExA(0, "SelfDestroying", "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  HWND c = CreateWindowExA(0, "SelfDestroying", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, parent, nullptr, nullptr, nullptr);
  PostMessageA(c, WM_USER, 0, 0);
  platform::headless::runUntilIdle();
  EXPECT_FALSE(IsWindow(c));
  EXPECT_FALSE(IsWindow(parent));
  HWND alone = CreateWindowExA(0, "SelfDestroying", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(SendMessageA(alone, WM_USER, 0, 0), 7);
  EXPECT_FALSE(IsWindow(alone));
  EXPECT_TRUE(UnregisterClassA("SelfDestroying", nullptr));
}

TEST_F(HandleMisuse, ClassAndCreationErrors) {
  SetLastError(0);
  EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
  expectError(ERROR_CANNOT_FIND_WND_CLASS);
  EXPECT_EQ(CreateWindowExA(0, msglog::recorderClass(), "", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
  expectError(ERROR_TLW_WITH_WSCHILD);
  EXPECT_FALSE(UnregisterClassA(msglog::recorderClass(), nullptr));
  expectError(ERROR_CLASS_HAS_WINDOWS);
  EXPECT_EQ(msglog::registerClass("recorder", DefWindowProcA), 0);
  expectError(ERROR_CLASS_ALREADY_EXISTS);
  EXPECT_FALSE(UnregisterClassA("NoSuchClass", nullptr));
  expectError(ERROR_CLASS_DOES_NOT_EXIST);
  SetLastError(0);
  WNDCLASSA info;
  EXPECT_FALSE(GetClassInfoA(nullptr, "NoSuchClass", &info));
  expectError(ERROR_CLASS_DOES_NOT_EXIST);
}

TEST_F(HandleMisuse, FreedGlobalMemoryIsRefused) {
  HGLOBAL moveable = GlobalAlloc(GMEM_MOVEABLE, 16);
  HGLOBAL fixed = GlobalAlloc(GMEM_FIXED, 16);
  ASSERT_EQ(GlobalFree(moveable), nullptr);
  ASSERT_EQ(GlobalFree(fixed), nullptr);
  SetLastError(0);
  EXPECT_EQ(GlobalLock(moveable), nullptr);
  expectError(ERROR_INVALID_HANDLE);
  EXPECT_EQ(GlobalLock(fixed), nullptr);
  EXPECT_EQ(GlobalSize(moveable), 0u);
  EXPECT_EQ(GlobalFree(moveable), moveable);
  int local = 0;
  EXPECT_EQ(GlobalLock(&local), nullptr);
}

TEST_F(HandleMisuse, TimersAndCursorsOfNothing) {
  SetLastError(0);
  EXPECT_FALSE(KillTimer(window_, 42));
  expectError(ERROR_INVALID_PARAMETER);
  EXPECT_EQ(SetTimer(reinterpret_cast<HWND>(0x7777), 1, 10, nullptr), 0u);
  EXPECT_EQ(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(uintptr_t{123})), nullptr);
}

}  // namespace
