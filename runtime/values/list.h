// The flat list interface that compiled methods and primitives call. Indexes
// are 0-based; out-of-range reads give nullptr, writes and removals do
// nothing, extracts clamp.
#pragma once

#include <cstdint>

#include "runtime/values/value.h"

uint32_t ovListGetLength(const ovC_object* l);
void ovListAppend(ovC_object* l, ovC_object* v, int use);
void ovListDeleteItem(ovC_object* l, uint32_t i, int use);
ovC_object* ovListExtract(ovC_object* l, uint32_t from, uint32_t to, int use);
ovC_object* ovListGetSlot(ovC_object* l, uint32_t i, int use);
void ovListSetSlot(ovC_object* l, uint32_t i, int dropOld, int useNew, ovC_object* v);
void ovListJoin(ovC_object* l, ovC_object* other, int use);
// Find (v, start) into *index; 1 when found, else 0.
int ovListLinFind(ovC_object* l, ovC_object* v, uint32_t start, int32_t* index);
