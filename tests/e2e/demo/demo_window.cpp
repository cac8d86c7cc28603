#include "demo_window.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace demo {
namespace {

constexpr char kClassName[] = "VelmaroDemo";
constexpr double kGoldenFactor = 0.6180499;
constexpr int kFieldId = 10;
constexpr int kGoId = 11;
constexpr int kExitId = 100;
constexpr RECT kFieldRect{12, 12, 112, 36};
constexpr RECT kGoRect{124, 12, 184, 36};
constexpr RECT kValueRect{12, 48, 272, 80};

// The window's own state: the font of its controls and text, and the value
// shown ("" before the first Go).
struct DemoState {
  HFONT font = nullptr;
  HWND field = nullptr;
  HWND go = nullptr;
  std::string shown;
};

DemoState& state() {
  static DemoState s;
  return s;
}

HWND child(HWND parent, const char* className, const char* text, DWORD style, DWORD exStyle, const RECT& r, int id) {
  HWND w = CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, parent,
                           reinterpret_cast<HMENU>(static_cast<uintptr_t>(id)), nullptr, nullptr);
  SendMessageA(w, WM_SETFONT, reinterpret_cast<WPARAM>(state().font), FALSE);
  return w;
}

LRESULT create(HWND window) {
  state().font = CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "MS Sans Serif");
  state().field = child(window, "Edit", "100", ES_NUMBER | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, kFieldRect, kFieldId);
  state().go = child(window, "Button", "Go", BS_DEFPUSHBUTTON, 0, kGoRect, kGoId);
  SetFocus(state().field);
  return 0;
}

void go(HWND window) {
  char digits[64] = "";
  GetWindowTextA(state().field, digits, sizeof digits);
  state().shown = std::to_string(smallerPart(digits));
  std::printf("%s\n", state().shown.c_str());
  std::fflush(stdout);
  InvalidateRect(window, &kValueRect, TRUE);
}

LRESULT command(HWND window, WPARAM wParam) {
  switch (LOWORD(wParam)) {
    case kGoId: go(window); break;
    case kExitId: DestroyWindow(window); break;
    default: break;
  }
  return 0;
}

LRESULT paint(HWND window) {
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(window, &ps);
  HGDIOBJ previous = SelectObject(hdc, state().font);
  SetBkMode(hdc, TRANSPARENT);
  RECT area = kValueRect;
  DrawTextA(hdc, state().shown.c_str(), -1, &area, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  SelectObject(hdc, previous);
  EndPaint(window, &ps);
  return 0;
}

LRESULT destroy() {
  DeleteObject(state().font);
  state() = {};
  PostQuitMessage(0);
  return 0;
}

LRESULT CALLBACK demoProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: return create(window);
    case WM_COMMAND: return command(window, wParam);
    case WM_PAINT: return paint(window);
    case WM_DESTROY: return destroy();
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}

HMENU fileMenu() {
  HMENU file = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, kExitId, "E&xit");
  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
  return bar;
}

}  // namespace

const std::string& shownValue() { return state().shown; }

long long smallerPart(std::string_view digits) {
  double x = std::strtod(std::string(digits).c_str(), nullptr);
  return std::llround(x * kGoldenFactor);
}

DemoWindow openDemoWindow() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = demoProc;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hIcon = LoadIconA(GetModuleHandleA(nullptr), "OVApplicationICO");
  wc.hbrBackground = GetSysColorBrush(COLOR_3DFACE);
  wc.lpszClassName = kClassName;
  static const bool registered = RegisterClassA(&wc) != 0;
  if (!registered) return {};
  HWND window = CreateWindowExA(0, kClassName, "Velmaro demo", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                CW_USEDEFAULT, CW_USEDEFAULT, 300, 140, nullptr, fileMenu(), nullptr, nullptr);
  if (!window) return {};
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  return {window, state().field, state().go};
}

}  // namespace demo
