// The flat text interface that compiled methods and primitives call. Indexes
// are 0-based; out-of-range reads give 0 and writes do nothing.
#pragma once

#include <cstdint>

#include "runtime/values/value.h"

// Length if t is a text, else 0.
uint32_t ovStringGetLength(const ovC_object* t);
char* ovStringGetPtr(ovC_object* t);
char ovStringGetNthChar(ovC_object* t, uint32_t i);
void ovStringSetNthChar(ovC_object* t, uint32_t i, char ch);
int32_t ovStringFindChar(ovC_object* t, char ch, uint32_t start);
int32_t ovStringFindSubString(ovC_object* t, ovC_object* sub, uint32_t start);
ovC_object* ovStringMakeSubString(ovC_object* t, uint32_t a, uint32_t b);
void ovStringJoin(ovC_object* t, ovC_object* other);
void ovStringPad(ovC_object* t, uint32_t count, char ch);

// 1 when two length-prefixed strings are equal, else 0.
int ovPStringsEqual(const unsigned char* p1, const unsigned char* p2);
