// The support routines compiled method bodies call for their frames, case
// matching, constants, loops over list inputs and list building. A slot
// argument is the address of a frame slot; a stored value carries one use.
#pragma once

#include <cstdint>

#include "runtime/methods/protocol.h"

struct ovC_object;

// Frames.
void UCEnterMethod(uint32_t n, ovC_object** frame);
void UCExitCase(uint32_t n, ovC_object** frame);
void UCExitMethod(uint32_t n, ovC_object** frame);
void UCIncUse(ovC_object* v);
void UCDecUse(ovC_object* v);

// Matching: 0 when the value matches, 1 when not (NULL never matches), so
// that a match is tested like a call status.
ovStatus UCMatchNone(const ovC_object* v);
ovStatus UCMatchTrue(const ovC_object* v);
ovStatus UCMatchFalse(const ovC_object* v);
ovStatus UCMatchEmptyList(const ovC_object* v);
ovStatus UCMatchEmptyString(const ovC_object* v);
ovStatus UCMatchString(uint32_t length, const char* chars, const ovC_object* v);
ovStatus UCMatchInteger(int32_t n, const ovC_object* v);

// Constants.
void UCConstantTrue(ovC_object** slot);
void UCConstantFalse(ovC_object** slot);
void UCConstantInteger(int32_t n, ovC_object** slot);
void UCConstantReal(const double* value, ovC_object** slot);
void UCConstantString(const char* chars, ovC_object** slot);
void UCConstantEmptyList(ovC_object** slot);
// Arguments in the order of ovMakePointWin and ovMakeRectMac.
void UCConstantPoint(int32_t a, int32_t b, ovC_object** slot);
void UCConstantRect(int32_t a, int32_t b, int32_t c, int32_t d, ovC_object** slot);
// A list of count elements, each stored with one added use.
void UCConstantList(ovC_object** slot, uint32_t count, ovC_object* const* elements);

// Loops over list inputs.
void UCMaxCounter(const ovC_object* list, int32_t* bound);
void UCNextList(int32_t index, ovC_object* list, ovC_object** slot);
void UCNewRootList(int32_t n, ovC_object** slot);
void UCAddList(ovC_object* list, ovC_object** slot);
void UCPackList(ovC_object* list);
void UCPartition(ovC_object** itemSlot, ovC_object** booleanSlot, ovC_object* trueList, ovC_object* falseList);
void UCSimple(ovC_object** source, ovC_object** destination);
void UCLoop(ovC_object** source, ovC_object** destination);
void UCCopyLoop(ovC_object* value, ovC_object** destination);
void UCSetListLength(ovC_object* list, uint32_t n);
void UCShrinkListToLength(ovC_object* list);
