#include <windows.h>

#include "runtime/memory/address_space.h"

void* ovReserveAddressSpace(size_t bytes) { return VirtualAlloc(nullptr, bytes, MEM_RESERVE, PAGE_NOACCESS); }

bool ovCommitPages(void* start, size_t bytes) {
  return VirtualAlloc(start, bytes, MEM_COMMIT, PAGE_READWRITE) == start;
}

void ovDecommitPages(void* start, size_t bytes) { VirtualFree(start, bytes, MEM_DECOMMIT); }
