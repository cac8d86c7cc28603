// Application primitives: the instance handle, the main window, and
// callbacks into methods.
#include "runtime/externals/callback.h"
#include "runtime/dialogs/runtime_dialogs.h"
#include "runtime/methods/platform_values.h"
#include "runtime/primitives/primitive_kit.h"
#include "runtime/startup/runtime_startup.h"
#include "runtime/values/read.h"

namespace {

// Both outputs are the application's instance handle: an integer, or a
// pointer where the handle does not fit in one (platform_values.h).
ovStatus GetApplicationInstances(const ov::Args& a) {
  a.put(0, ov::addressHandleValue(Global.instance));
  a.put(1, ov::addressHandleValue(Global.instance));
  return ovSuccess;
}

// The integer window handle becomes the main window when it is a window;
// NULL asks for window 0, which is refused.
ovStatus SetApplicationMainWindow(const ov::Args& a) {
  auto handle = static_cast<uint32_t>(ovGetInteger(a[0]));
  ovioSetMainWindow(reinterpret_cast<HWND>(static_cast<uintptr_t>(handle)));
  return ovSuccess;
}

// method name, callback type name -> a pointer to an entry the platform can
// call (callback.h). Every entry takes the four window-procedure arguments,
// so the type name is not examined.
ovStatus Callback(const ov::Args& a) {
  ovC_object* entry = nullptr;
  CallBack(a[0], &entry);
  a.put(0, ovRef::adopt(entry));
  return ovSuccess;
}

// Entries are never given back.
ovStatus DisposeCallback(const ov::Args&) { return ovSuccess; }

const ovPrimitiveDeclaration kGetApplicationInstances("get-application-instances",
                                                      ov::routine<GetApplicationInstances>);
const ovPrimitiveDeclaration kSetApplicationMainWindow("set-application-main-window",
                                                       ov::routine<SetApplicationMainWindow>);
const ovPrimitiveDeclaration kCallback("callback", ov::routine<Callback>);
const ovPrimitiveDeclaration kDisposeCallback("dispose-callback", ov::routine<DisposeCallback>);

}  // namespace
