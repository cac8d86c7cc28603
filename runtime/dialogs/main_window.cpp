// The main window is kept in the second word of Global.
#include "runtime/dialogs/runtime_dialogs.h"
#include "runtime/startup/runtime_startup.h"

namespace {

constexpr char kClassName[] = "Orvane Application";
constexpr char kTitle[] = "Orvane Default Window";

LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

// Registers the class once; a second registration fails harmlessly.
void registerClass() {
  WNDCLASSA wc{};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = WndProc;
  wc.hInstance = Global.instance;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = kClassName;
  RegisterClassA(&wc);
}

}  // namespace

int CreateMainWindow(int showCommand) {
  if (IsWindow(Global.outputWindow)) return 1;
  registerClass();
  HWND w = CreateWindowExA(0, kClassName, kTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, nullptr, nullptr, Global.instance, nullptr);
  if (!w) return 0;
  Global.outputWindow = w;
  ShowWindow(w, showCommand);
  UpdateWindow(w);
  return 1;
}

HWND ovioGetMainWindow() {
  if (!IsWindow(Global.outputWindow)) CreateMainWindow(SW_SHOWNORMAL);
  return IsWindow(Global.outputWindow) ? Global.outputWindow : nullptr;
}

void ovioSetMainWindow(HWND w) {
  if (IsWindow(w)) Global.outputWindow = w;
}
