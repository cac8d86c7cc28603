#include "platform_calculator_window.h"

#include "platform/backends/headless/headless.h"

namespace {

LRESULT CALLBACK lineProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcA(hwnd, message, wParam, lParam);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT r;
  GetClientRect(hwnd, &r);
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 128));
  HGDIOBJ old = SelectObject(dc, pen);
  MoveToEx(dc, 0, r.bottom / 2, nullptr);
  LineTo(dc, r.right, r.bottom / 2);
  SelectObject(dc, old);
  DeleteObject(pen);
  EndPaint(hwnd, &ps);
  return 0;
}

HFONT labelFont() {
  static HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
  return font;
}

LRESULT CALLBACK textProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcA(hwnd, message, wParam, lParam);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT r;
  GetClientRect(hwnd, &r);
  FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetBkColor(dc, RGB(255, 255, 255));
  SelectObject(dc, labelFont());
  char text[32];
  GetWindowTextA(hwnd, text, sizeof text);
  DrawTextA(dc, text, -1, &r, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
  EndPaint(hwnd, &ps);
  return 0;
}

void registerClass(const char* name, WNDPROC proc, int background) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = proc;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(background + 1));
  wc.lpszClassName = name;
  RegisterClassA(&wc);
}

}  // namespace

HWND BuildPlatformCalculatorWindow() {
  registerClass("RepaintMain", DefWindowProcA, COLOR_BTNFACE);
  registerClass("RepaintLine", lineProc, COLOR_BTNFACE);
  registerClass("RepaintText", textProc, COLOR_WINDOW);
  registerClass("RepaintBox", DefWindowProcA, COLOR_WINDOW);
  HWND main = CreateWindowExA(0, "RepaintMain", "Golden Section", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 455,
                              193, nullptr, reinterpret_cast<HMENU>(uintptr_t{1}), nullptr, nullptr);
  auto add = [main](const char* cls, const char* text, DWORD exStyle, DWORD style, int x, int y, int w, int h) {
    CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, main, nullptr, nullptr, nullptr);
  };
  for (int row = 0; row < 2; ++row) {
    int y = 10 + row * 70;
    add("RepaintBox", "", WS_EX_CLIENTEDGE, 0, 10, y, 100, 24);
    add("RepaintBox", "", 0, WS_BORDER, 350, y, 80, 24);
    add("RepaintText", "Larger part", 0, 0, 120, y, 100, 20);
    add("RepaintText", "1234.5678", 0, 0, 230, y, 110, 20);
    add("RepaintText", "Smaller part", 0, 0, 120, y + 30, 100, 20);
    add("RepaintLine", "", 0, 0, 10, y + 55, 420, 5);
    add("RepaintLine", "", 0, 0, 230, y + 30, 110, 20);
  }
  platform::headless::runUntilIdle();
  return main;
}

