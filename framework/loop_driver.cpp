#include "framework/loop_driver.h"

#include "platform/win32.h"
#include "runtime/methods/kit.h"

namespace vorn {
namespace {

const ovMethodSelector kRun("Run");

bool queueHoldsSomething() { return HIWORD(GetQueueStatus(QS_ALLINPUT)) != 0; }

}  // namespace

LoopOutcome RunUntilIdle(ovC_object* application, int maxPasses) {
  if (!queueHoldsSomething()) PostMessageA(nullptr, WM_NULL, 0, 0);
  for (int passes = 0; passes < maxPasses; ++passes) {
    bool idlePass = !queueHoldsSomething();
    if (ov::send<0>(kRun, application).status != ovSuccess) return LoopOutcome::Stopped;
    if (idlePass && !queueHoldsSomething()) return LoopOutcome::Idle;
  }
  return LoopOutcome::Unsettled;
}

}  // namespace vorn
