// The calling protocol every method, universal and primitive follows.
//
// A routine gets the number of inputs and outputs, the inputs (borrowed: the
// callee adds a use only where it stores one) and the addresses of the
// caller's output slots (NULL at the call; a written output carries one use
// that the caller then owns), and returns a status.
#pragma once

#include <cstdint>

struct ovC_object;

using ovStatus = uint32_t;

// Statuses. A caller tests only two things: whether a single call's status
// is ovFailure, and inside loops whether bit 0 is set (stop now) and then
// whether it is ovFinish (stop after this iteration). Every other value
// counts as success.
inline constexpr ovStatus ovSuccess = 0;
inline constexpr ovStatus ovFailure = 1;
inline constexpr ovStatus ovTerminate = 3;
inline constexpr ovStatus ovFinish = 4;
// What UCDoNothing answers: success to every test above, yet distinguishable
// from 0, 3 and 4 by a caller that needs to know that nothing ran.
inline constexpr ovStatus ovNothingRan = 2;

using ovRoutine = ovStatus (*)(uint32_t nin, uint32_t nout, ovC_object* const* in, ovC_object** const* out);

// The routine dispatch answers for a name that nothing defines.
ovStatus UCDoNothing(uint32_t nin, uint32_t nout, ovC_object* const* in, ovC_object** const* out);
