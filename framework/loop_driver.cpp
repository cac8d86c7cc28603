#include "framework/loop_driver.h"

#include "framework/idle_wait.h"
#include "platform/win32.h"
#include "runtime/methods/kit.h"

namespace vorn {
namespace {

bool loopWouldWait(ovC_object* application) { return LoopWouldWait(ov::get("Commander"_attr, application).get()); }

}  // namespace

LoopOutcome RunUntilIdle(ovC_object* application, int maxPasses) {
  if (loopWouldWait(application)) PostMessageA(nullptr, WM_NULL, 0, 0);
  for (int passes = 0; passes < maxPasses; ++passes) {
    if (ov::send<0>("Run"_sel, application).status != ovSuccess) return LoopOutcome::Stopped;
    if (loopWouldWait(application)) return LoopOutcome::Idle;
  }
  return LoopOutcome::Unsettled;
}

}  // namespace vorn
