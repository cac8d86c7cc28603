// The low-level allocator over the C library's heap, for tables, visit tables
// and other run-time bookkeeping, and handles built on it. Memory is
// zero-filled when allocated and when grown.
#pragma once

#include <cstddef>
#include <cstdint>

void* ovLowMemAlloc(size_t n);
// Resizes p (nullptr allocates); the block may move; growth is zero-filled.
void* ovLowMemReAlloc(void* p, size_t n);
void ovLowMemFree(void* p);
size_t ovLowMemBlockSize(const void* p);
// Forward byte copy of n bytes (nothing when n <= 0); returns dst.
void* ovLowMemCopyBlock(void* dst, const void* src, long n);
void ovLowMemZeroBlock(void* p, size_t n);
// 1 when the n bytes at a and b are equal, else 0.
int ovLowMemCompareBlocks(const void* a, const void* b, size_t n);

// A handle is a cell holding the address of a low-level block; the block may
// be resized, and so move, while the handle stays.
using ovHandle = void**;

// nullptr when either allocation fails.
ovHandle ovHandle_New(size_t n);
void ovHandle_Dispose(ovHandle h);
// Resizes the block, zero-filling growth; false when that fails.
bool ovHandle_SetSize(ovHandle h, size_t n);
size_t ovHandle_GetSize(ovHandle h);
