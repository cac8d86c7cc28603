#include "platform/user/window_class.h"

#include <strings.h>

namespace platform::user {
namespace {

bool isAtom(LPCSTR name) { return reinterpret_cast<uintptr_t>(name) <= 0xFFFF; }

WORD nextAtom() {
  static WORD atom = 0xC000;
  return atom++;
}

std::list<WindowClass>& classes() {
  static auto* all = [] {
    auto* list = new std::list<WindowClass>;
    addBuiltInClasses(*list, nextAtom);
    return list;
  }();
  return *all;
}

}  // namespace

WindowClass* findClass(LPCSTR name) {
  if (!name) return nullptr;
  for (WindowClass& c : classes()) {
    bool match = isAtom(name) ? c.atom == reinterpret_cast<uintptr_t>(name) : strcasecmp(c.name.c_str(), name) == 0;
    if (match) return &c;
  }
  return nullptr;
}

}  // namespace platform::user

using namespace platform::user;

WORD WINAPI RegisterClassA(const WNDCLASSA* lpWndClass) {
  if (!lpWndClass || !lpWndClass->lpszClassName || !lpWndClass->lpfnWndProc ||
      reinterpret_cast<uintptr_t>(lpWndClass->lpszClassName) <= 0xFFFF || lpWndClass->cbWndExtra < 0 ||
      lpWndClass->cbClsExtra < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (findClass(lpWndClass->lpszClassName)) {
    SetLastError(ERROR_CLASS_ALREADY_EXISTS);
    return 0;
  }
  WindowClass c;
  c.name = lpWndClass->lpszClassName;
  c.atom = nextAtom();
  c.info = *lpWndClass;
  c.info.lpszClassName = nullptr;
  c.info.lpszMenuName = nullptr;
  classes().push_back(std::move(c));
  WindowClass& stored = classes().back();
  stored.info.lpszClassName = stored.name.c_str();
  return stored.atom;
}

BOOL WINAPI UnregisterClassA(LPCSTR lpClassName, HINSTANCE) {
  WindowClass* c = findClass(lpClassName);
  if (!c) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  if (c->windows != 0) {
    SetLastError(ERROR_CLASS_HAS_WINDOWS);
    return FALSE;
  }
  classes().remove_if([c](const WindowClass& each) { return &each == c; });
  return TRUE;
}

BOOL WINAPI GetClassInfoA(HINSTANCE, LPCSTR lpClassName, LPWNDCLASSA lpWndClass) {
  WindowClass* c = findClass(lpClassName);
  if (!c || !lpWndClass) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  *lpWndClass = c->info;
  return TRUE;
}
