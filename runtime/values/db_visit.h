// The visit table's operations on the process-wide table gpVisitTable, as
// the archive decoder calls them.
#pragma once

#include <cstdint>

#include "runtime/values/value.h"

void DBVisitInit();
// Appends object, nullptr included, so numbers stay aligned with items.
void DBVisitAdd(ovC_object* object);
// The number of objects listed.
uint32_t DBVisitGetNum();
// The n-th object (1-based), nullptr for 0 or beyond the count.
ovC_object* DBVisitGetNth(uint32_t n);
// Empties the table; with resetMarks set, clears every listed object's
// visit mark first.
void DBVisitClear(int resetMarks);
