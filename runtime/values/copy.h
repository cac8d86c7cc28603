// Copying values: shallow (ovCopyObject), by kind (ovDuplicateObject) and
// deep with shared structure kept (ovCloneObject). Each returns a made value.
#pragma once

#include "runtime/values/value.h"

// A new list or instance holding the same elements (each use raised); a copy
// of any other value.
ovC_object* ovCopyObject(ovC_object* v);
// ovCloneObject of a list or instance; a copy of any other value.
ovC_object* ovDuplicateObject(ovC_object* v);
// A deep copy of lists and instances. A sub-list or instance met twice is
// copied once and the copy shared, so cycles stay cycles; texts, numbers and
// every other kind are shared, not copied.
ovC_object* ovCloneObject(ovC_object* v);

// A single-block copy of v with one use and a clear visit mark; the values it
// holds are not touched. Booleans, none and undefined give their shared
// constant.
ovC_object* ovBlockCopy(ovC_object* v);
