#include <sys/mman.h>

#include "runtime/memory/address_space.h"

void* ovReserveAddressSpace(size_t bytes) {
  void* p = mmap(nullptr, bytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  return p == MAP_FAILED ? nullptr : p;
}

bool ovCommitPages(void* start, size_t bytes) { return mprotect(start, bytes, PROT_READ | PROT_WRITE) == 0; }

// Dropping the pages gives them back and makes them read as zero next time.
void ovDecommitPages(void* start, size_t bytes) {
  madvise(start, bytes, MADV_DONTNEED);
  mprotect(start, bytes, PROT_NONE);
}
