// When deferred commands fall due.
//
// The commander's deferred commands wait in a list ordered by "When", a tick
// of the platform's millisecond count. An idle pass of the run loop runs the
// first once its tick is reached; until then an idle loop waits
// (idle_wait.h), so nothing else needs to wake it.
#pragma once

#include <cstdint>

#include "platform/win32.h"

struct ovC_object;

namespace vorn {

// Whether a command due at tick when is due at tick now. Ticks are the
// platform's 32-bit millisecond count, compared as unsigned numbers so that
// the order holds for the first 49 days of the count, not only the first 24.
bool TickReached(int32_t when, int32_t now);

// Milliseconds from tick now until the first of the commander's deferred
// commands is due: 0 when it is, INFINITE when there is none.
DWORD TimeUntilFirstDue(ovC_object* commander, int32_t now);
// Whether the first of them is due at tick now.
bool FirstDue(ovC_object* commander, int32_t now);

}  // namespace vorn
