// The window procedures of the classes every process has from the start
// (user/builtin_classes.cpp registers them).
#pragma once

#include "platform/win32.h"

namespace platform::controls {
LRESULT CALLBACK buttonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK editProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK staticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
}  // namespace platform::controls

namespace platform::dialogs {
LRESULT CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Bytes a dialog keeps past DLGWINDOWEXTRA: the address of its state.
constexpr int kDialogStateBytes = static_cast<int>(sizeof(void*));
}  // namespace platform::dialogs

namespace platform::menus {
LRESULT CALLBACK popupProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// The class of the windows that show open menus, and its atom.
constexpr const char* kPopupClassName = "#32768";
constexpr WORD kPopupClassAtom = 0x8000;
}  // namespace platform::menus
