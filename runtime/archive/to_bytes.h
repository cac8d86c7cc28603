// The archive encoder: a value graph into an archive block (format.h) that
// DBFromBytes decodes to a graph of the same shape, with the same sharing and
// the same cycles.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/values/value.h"

enum DBEncodeStatus : int {
  DBEncoded = 0,
  // A value the format cannot hold: a plain pointer or a handle the run-time
  // did not allocate, a point or rect coordinate beyond 16 bits, an instance
  // or external whose class or type is not in the tables.
  DBNotArchivable = 1,
};

// Writes the graph under root into *block (nullptr gives a block without
// items). Objects are numbered depth first from the root, each slot's value
// and what it reaches before the next slot's; an object reached twice is one
// item referenced twice. The shared integers 0, 1 and -1 get an item for each
// slot that holds them: they belong to the run-time, not to the graph, and
// decode to the same shared objects. On DBNotArchivable *block is empty.
int DBToBytes(ovC_object* root, uint32_t stamp, std::vector<unsigned char>* block);
