// Callbacks: real function pointers the platform can call with its four
// window-procedure arguments (HWND, UINT, WPARAM, LPARAM) that lead into a
// method.
//
// Entries come from a fixed pool of compiled functions, one per slot, each
// reading its slot's method. Nothing is generated at run time, so no page is
// ever both writable and executable. An entry is never given back (callbacks
// are never freed); asking again for the same method answers the same entry,
// so the pool holds one entry per method that has a callback.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/win32.h"
#include "runtime/methods/protocol.h"
#include "runtime/values/value.h"

inline constexpr size_t ovCallbackPoolSize = 64;

// The entry that leads to code, or nullptr when the pool is used up.
WNDPROC ovCallbackEntryFor(ovRoutine code);

// Stores in *out a plain "ABlock" pointer whose address is the entry of the
// universal or primitive named name (a text), or NULL when no such method is
// known or no entry is left. Returns 0.
ovStatus CallBack(const ovC_object* name, ovC_object** out);

// Calls code with nin 4, nout 1: the four platform arguments as values
// (ovMakePlatformWord), and one output. The status is ignored; the output
// converted to the platform's result (NULL gives 0) is the answer.
LRESULT UCDoCallback(ovRoutine code, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// A platform word as a value: an integer when it fits in 32 bits (handles,
// message numbers, packed coordinates), else an "ABlock" pointer holding
// the whole word (an address the platform passes, such as a record's).
ovC_object* ovMakePlatformWord(uintptr_t word);

// A method's output as the platform's result: a pointer's full address,
// else the value as a 32-bit integer widened with its sign.
LRESULT ovToPlatformResult(const ovC_object* v);
