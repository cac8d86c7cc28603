#include "framework/loop_driver.h"

#include "framework/idle_wait.h"
#include "platform/win32.h"
#include "runtime/methods/kit.h"

namespace vorn {
namespace {

const ovMethodSelector kRun("Run");
const ovAttributeSelector kCommander("Commander");

bool loopWouldWait(ovC_object* application) { return LoopWouldWait(ov::get(kCommander, application).get()); }

}  // namespace

LoopOutcome RunUntilIdle(ovC_object* application, int maxPasses) {
  if (loopWouldWait(application)) PostMessageA(nullptr, WM_NULL, 0, 0);
  for (int passes = 0; passes < maxPasses; ++passes) {
    if (ov::send<0>(kRun, application).status != ovSuccess) return LoopOutcome::Stopped;
    if (loopWouldWait(application)) return LoopOutcome::Idle;
  }
  return LoopOutcome::Unsettled;
}

}  // namespace vorn
