// The system calls behind the arena: a range of addresses reserved without
// memory behind it, whose pages are committed and given back in place.
// address_space_linux.cpp serves them with mmap, address_space_windows.cpp
// with VirtualAlloc; nothing else in the run-time asks the system for pages.
#pragma once

#include <cstddef>

// Reserves bytes of address space, committing nothing; nullptr when the
// system refuses.
void* ovReserveAddressSpace(size_t bytes);

// Makes whole pages of a reserved range readable and writable; they read as
// zero the first time. False when the system has no memory for them.
bool ovCommitPages(void* start, size_t bytes);

// Gives committed pages back: they cost nothing until committed again, and
// then read as zero.
void ovDecommitPages(void* start, size_t bytes);
