// Makers of values. Each returns a new owned reference (the caller's use is
// already counted). None, undefined and booleans are always the shared
// constants; ovMakeInteger shares the objects for 0, 1 and -1.
// Heap exhaustion ends the process (allocate.h), so no maker answers nullptr
// except ovMakePtrFromSize, whose memory comes from elsewhere.
#pragma once

#include <cstdint>

#include "runtime/values/packing.h"
#include "runtime/values/value.h"

ovC_object* ovMakeNone();
ovC_object* ovMakeUndef();
ovC_object* ovMakeBoolean(int flag);
ovC_object* ovMakeInteger(int32_t n);
ovC_object* ovMakeReal(double d);

ovC_object* ovMakeText(const char* s);
// A text of length bytes copied from p, or NUL bytes when p is nullptr.
ovC_object* ovMakeTextFromString(const char* p, uint32_t length);
ovC_object* ovMakeTextFromPString(const unsigned char* p);

ovC_object* ovMakeList(uint32_t n);
ovC_object* ovMakeListOfNulls(uint32_t n);
// An instance of cls with every slot null.
ovC_object* ovMakeEmptyInstance(RTClass* cls);

ovC_object* ovMakePointWin(int32_t h, int32_t v);
ovC_object* ovMakePointFromPointer(const ovPoint* p);
// Note the argument order against the stored order (left, top, right, bottom).
ovC_object* ovMakeRectMac(int32_t top, int32_t left, int32_t bottom, int32_t right);
ovC_object* ovMakeRectFromPointer(const ovRect* r);
ovC_object* ovMakeRGB(uint16_t red, uint16_t green, uint16_t blue);
ovC_object* ovMakeRGBFromPointer(const ovRGB* c);

ovC_object* ovMakeExternal(RTExternal* type, uint32_t size, const void* data);

// A plain pointer (level 1) or a handle (level 2) wrapping address.
ovC_object* ovMakePtr(RTExternal* type, void* address);
ovC_object* ovMakeHandle(RTExternal* type, void* address);
// A pointer that owns size new bytes: platform local memory for level 1, a
// run-time handle for level 2 (level 0 is taken as 1). nullptr when that
// allocation fails.
ovC_object* ovMakePtrFromSize(RTExternal* type, uint32_t size, uint16_t level = 1);
// Releases what a pointer owns and marks it disposed; 1 when it did. 0 for
// anything that is not a pointer.
int ovDisposePointer(ovC_object* p);
