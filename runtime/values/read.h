// Readers of values. None checks the kind unless said: a wrong kind gives 0,
// 0.0, an empty text or nullptr.
#pragma once

#include <cstdint>

#include "runtime/values/value.h"

uint32_t ovGetBoolean(const ovC_object* v);
// Integers as they are; reals truncated toward zero (-2147483648 when out of
// range); everything else 0.
int32_t ovGetInteger(const ovC_object* v);
double ovGetReal(const ovC_object* v);
int ovIsNumber(const ovC_object* v);
// Stores a number's value and returns 1; 0 for anything else.
int ovToReal(const ovC_object* v, double* out);
// An integer when d is integral and fits 32 bits, else a real.
ovC_object* ovReduceResult(double d);
// For nullptr, true exactly when tag is 1 (the null kind).
int ovIsType(const ovC_object* v, uint16_t tag);
// The kind's name as a new text; an instance's class name.
ovC_object* ovGetTypeName(const ovC_object* v);

int32_t ovGetPointHorizontal(const ovC_object* v);
int32_t ovGetPointVertical(const ovC_object* v);
int32_t ovGetRectTop(const ovC_object* v);
int32_t ovGetRectLeft(const ovC_object* v);
int32_t ovGetRectBottom(const ovC_object* v);
int32_t ovGetRectRight(const ovC_object* v);
uint16_t ovGetRGBRed(const ovC_object* v);
uint16_t ovGetRGBGreen(const ovC_object* v);
uint16_t ovGetRGBBlue(const ovC_object* v);

// An external's type; for a pointer its pointee type; nullptr otherwise.
RTExternal* ovGetExternalType(const ovC_object* v);
uint32_t ovGetExternalTypeSize(const RTExternal* type);
// Size of the C form: external its type's, point 8, rect 16, RGB 12,
// pointer its pointee type's, everything else 0.
uint32_t ovExternalTypeSize(const ovC_object* v);
// The external type name as a new text: a pointer adds one "@" per level.
ovC_object* ovUnparseExternalName(const ovC_object* v);
// The same without the "@" characters.
ovC_object* ovGetRawExternalName(const ovC_object* v);
void* ovPtrGetValue(const ovC_object* v);
int ovLock();
