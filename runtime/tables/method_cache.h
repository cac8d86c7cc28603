// A cache of method lookups, keyed by (class, selector).
//
// Dispatch searches the receiver's class and then each ancestor, scanning
// each class's own methods; with the framework's classes that is often a
// hundred comparisons or more for one send. The cache remembers the answer.
// Every entry carries the version it was made under; anything that changes
// what a lookup would find (building the tables anew, changing a class's
// methods) calls ovMethodCacheInvalidate, which bumps the version and so
// retires every entry at once.
#pragma once

#include <cstdint>

#include "runtime/methods/protocol.h"
#include "runtime/tables/records.h"

// The routine for selector on cls (nullptr: a value that is no instance),
// from the cache or, on a miss, from find, which the cache then keeps.
using ovMethodFinder = ovRoutine (*)(const RTClass* cls, uint32_t selector);
ovRoutine ovMethodCacheLookup(const RTClass* cls, uint32_t selector, ovMethodFinder find);

void ovMethodCacheInvalidate();

// Turns the cache off (every lookup searches) or on; for measuring.
void ovMethodCacheEnable(bool enabled);
