#include "runtime/primitives/main_window.h"

#include "runtime/startup/runtime_startup.h"

namespace {

constexpr char kClassName[] = "Orvane Application";
constexpr char kTitle[] = "Orvane Default Window";

// Quits the message loop when the window goes; everything else is the
// default handling.
LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY)
    PostQuitMessage(0);
  else
    return DefWindowProcA(hwnd, message, wParam, lParam);
  return 0;
}

bool hasLiveMainWindow() { return Global.mainWindow && IsWindow(Global.mainWindow); }

void registerMainWindowClass() {
  WNDCLASSA windowClass{};
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = WndProc;
  windowClass.hInstance = Global.instance;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(COLOR_WINDOW + 1));
  windowClass.lpszClassName = kClassName;
  RegisterClassA(&windowClass);
}

}  // namespace

int ovioSetMainWindow(HWND w) {
  if (!IsWindow(w)) return 0;
  Global.mainWindow = w;
  return 1;
}

HWND ovioGetMainWindow() {
  if (hasLiveMainWindow() || CreateMainWindow(SW_SHOWNORMAL)) return Global.mainWindow;
  return nullptr;
}

int CreateMainWindow(int showCommand) {
  if (hasLiveMainWindow()) return 1;
  registerMainWindowClass();
  HWND w = CreateWindowExA(0, kClassName, kTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, nullptr, nullptr, Global.instance, nullptr);
  if (!w) return 0;
  Global.mainWindow = w;
  ShowWindow(w, showCommand);
  UpdateWindow(w);
  return 1;
}
