#include "framework/deferred_wake.h"

#include "platform/win32.h"
#include "runtime/methods/kit.h"

namespace vorn {
namespace {

const ovAttributeSelector kWhen("When");

// The thread timer that wakes the loop for a command due later (0: none),
// and whether a wake-up message is on its way for one due now.
UINT_PTR gWakeTimer = 0;
bool gWakePosted = false;

void cancelTimer() {
  if (gWakeTimer) KillTimer(nullptr, gWakeTimer);
  gWakeTimer = 0;
}

}  // namespace

bool TickReached(int32_t when, int32_t now) { return static_cast<uint32_t>(when) <= static_cast<uint32_t>(now); }

void WakeForDeferredCommands(ovC_object* deferredCommands) {
  ovC_object* first = ov::element(deferredCommands, 0);
  if (!first) {
    cancelTimer();
    return;
  }
  int32_t when = ov::toInt(ov::get(kWhen, first));
  auto now = static_cast<int32_t>(GetTickCount());
  if (TickReached(when, now)) {
    cancelTimer();
    if (!gWakePosted) gWakePosted = PostMessageA(nullptr, WM_NULL, 0, 0);
    return;
  }
  gWakeTimer = SetTimer(nullptr, gWakeTimer, static_cast<UINT>(static_cast<uint32_t>(when) - static_cast<uint32_t>(now)),
                        nullptr);
}

void WakeAfterIdlePass(ovC_object* deferredCommands) {
  gWakePosted = false;
  WakeForDeferredCommands(deferredCommands);
}

void StopDeferredWake() {
  cancelTimer();
  gWakePosted = false;
}

}  // namespace vorn
