#include "platform/handle_table.h"
#include "platform/win32.h"

// The executable is the only module: every name, and NULL, gives its handle.
HMODULE WINAPI GetModuleHandleA(LPCSTR) {
  static platform::HandleValue self = platform::handleCreate(platform::HandleKind::Module, nullptr);
  return platform::handleToWin32<HMODULE>(self);
}
