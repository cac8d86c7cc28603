// Calling a method named at run time with a list of inputs: how behaviours
// reach methods such as the application's own universals.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/methods/protocol.h"
#include "runtime/tables/records.h"
#include "runtime/values/value.h"

// One word of a laid-out call: a count, an input, the address of an output
// word, or an output word itself.
union ovCallWord {
  uintptr_t count;
  ovC_object* value;
  ovC_object** slot;
};

// Lays out a protocol call in area (n + 2m + 2 words): word 0 := n, word 1 :=
// m, words 2 to n + 1 := the list's elements (borrowed; the shared undefined
// for each when inputs is not a list), words n + 2 to n + m + 1 := the
// addresses of the m output words at outputArea, which are set to NULL.
void UCSetUpCallParameters(ovCallWord* area, uint32_t n, uint32_t m, ovC_object* inputs, ovCallWord* outputArea);

// Calls the routine with a laid-out call and returns its status.
ovStatus ovCallLaidOut(ovRoutine routine, const ovCallWord* area);

// The most outputs a call by name may ask for; more fails without a call.
inline constexpr uint32_t ovMaxCallOutputs = 0xFFFF;

// in[0] the method name (a plain name, "/name", "Class/name" or "//name",
// the last relative to caller), in[1] the list of inputs, in[2] the number
// of outputs (an integer, or a list whose length it is). The receiver is the
// first input. On status 0, 3 or 4 the outputs, gathered in a list, go to
// out[0] when the caller asked for one; outputs not handed on are released
// whatever the status. Returns the called routine's status (UCDoNothing's
// for a name nothing defines).
ovStatus call_prim_internal(const RTClass* caller, uint32_t nin, uint32_t nout, ovC_object* const* in,
                            ovC_object** const* out);
