// Waking the run loop for deferred commands.
//
// The loop runs deferred commands on idle passes, and an idle program sleeps
// in the platform's bounded wait between passes. So that commands already
// due run back to back, and one due later starts on time, the commander
// wakes the loop the Win32 way: a message posted to the thread when the
// first command of the list is due, a thread timer set for its tick when it
// is due later. Nothing pending, nothing wakes.
#pragma once

#include <cstdint>

struct ovC_object;

namespace vorn {

// Arranges the next wake-up for a deferred-commands list (ordered by
// "When") after a command was added to it.
void WakeForDeferredCommands(ovC_object* deferredCommands);
// The same on an idle pass: the queue ran empty, so a wake-up message sent
// earlier has arrived.
void WakeAfterIdlePass(ovC_object* deferredCommands);
// Forgets any wake-up: the commander closes.
void StopDeferredWake();

// Whether a command due at tick when is due at tick now. Ticks are the
// platform's 32-bit millisecond count, compared as unsigned numbers so that
// the order holds for the first 49 days of the count, not only the first 24.
bool TickReached(int32_t when, int32_t now);

}  // namespace vorn
