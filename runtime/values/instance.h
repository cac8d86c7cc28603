// The flat instance interface: slot access by 0-based index.
#pragma once

#include <cstdint>

#include "runtime/values/value.h"

// Slot i of an instance (nullptr for anything else or out of range).
ovC_object* ovInstanceGetSlot(ovC_object* x, uint32_t i, int use);
void ovInstanceSetSlot(ovC_object* x, uint32_t i, int dropOld, int useNew, ovC_object* v);
uint32_t ovInstanceGetLength(const ovC_object* x);
