#include "platform/backend.h"
#include "platform/win32.h"
#include "runtime/startup/entry.h"

// A person runs the program: real windows, unless VELMARO_BACKEND says
// otherwise. Without a display it says so in one line and ends.
int main() {
  if (!platform::startBackend("sdl")) return 1;
  return WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWDEFAULT);
}
