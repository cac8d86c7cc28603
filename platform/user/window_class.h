// Registered window classes. Names compare without regard to case; a class
// may also be named by the atom RegisterClassA answered.
#pragma once

#include <list>
#include <string>

#include "platform/win32.h"

namespace platform::user {

struct WindowClass {
  std::string name;
  WORD atom = 0;
  WNDCLASSA info{};
  unsigned windows = 0;  // live windows of the class
};

// The class a name (or atom) refers to, or nullptr.
WindowClass* findClass(LPCSTR name);

// Adds the classes every process starts with (builtin_classes.cpp).
void addBuiltInClasses(std::list<WindowClass>& classes, WORD (*nextAtom)());

}  // namespace platform::user
