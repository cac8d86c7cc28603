// Routines compiled bodies call before a direct call of a platform function:
// each turns a value into one argument. An argument slot is a machine word
// of the body's argument area, which the body then passes, cast to the
// parameter's type, to the function; temporaries and buffers are the
// body's too and must live until the call returns.
#pragma once

#include <cstdint>

#include "platform/win32.h"
#include "runtime/values/value.h"

using ovArgWord = uintptr_t;

// slot := the value as a 32-bit integer, widened with its sign.
void UCExtPushInt4(const ovC_object* value, ovArgWord* slot);
// The slot's first byte := the low byte of that integer; the rest stays.
void UCExtPushInt1(const ovC_object* value, ovArgWord* slot);
// slot := the value as an address.
void UCExtPushPointer(const ovC_object* value, ovArgWord* slot);
// NULL: slot := 0; else temporary := the value as an address and
// slot := the temporary's address.
void UCExtPushVarPointer(const ovC_object* value, void** temporary, ovArgWord* slot);
// NULL: slot := 0; a plain pointer: its address; a text: at most
// bufferSize - 1 of its characters and a zero byte into buffer, and
// slot := buffer. Anything else passes the empty string.
void UCExtPushVarCString(const ovC_object* text, char* buffer, ovArgWord* slot, uint32_t bufferSize);
// The point's POINT form, for a point passed by value.
void UCExtPushPoint(ovC_object* value, POINT* area);
// NULL: slot := 0; a plain pointer: its address; else the C form goes into
// the temporary and slot := its address.
void UCExtPushVarPoint(ovC_object* value, POINT* temporary, ovArgWord* slot);
void UCExtPushVarRect(ovC_object* value, RECT* temporary, ovArgWord* slot);
void UCExtPushVarStruct(ovC_object* value, void* temporary, ovArgWord* slot, uint32_t size);
