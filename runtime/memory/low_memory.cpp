#include "runtime/memory/low_memory.h"

#include <cstdlib>
#include <cstring>

namespace {

// Each block starts with its size; the prefix keeps the caller's bytes on
// the C library's 16-byte alignment.
struct Prefix {
  size_t size;
  size_t unused;
};
static_assert(sizeof(Prefix) == 16);

Prefix* prefixOf(const void* p) { return reinterpret_cast<Prefix*>(const_cast<char*>(static_cast<const char*>(p))) - 1; }

}  // namespace

void* ovLowMemAlloc(size_t n) {
  auto* prefix = static_cast<Prefix*>(std::calloc(1, sizeof(Prefix) + n));
  if (!prefix) return nullptr;
  prefix->size = n;
  return prefix + 1;
}

void* ovLowMemReAlloc(void* p, size_t n) {
  if (!p) return ovLowMemAlloc(n);
  size_t old = prefixOf(p)->size;
  auto* prefix = static_cast<Prefix*>(std::realloc(prefixOf(p), sizeof(Prefix) + n));
  if (!prefix) return nullptr;
  if (n > old) std::memset(reinterpret_cast<char*>(prefix + 1) + old, 0, n - old);
  prefix->size = n;
  return prefix + 1;
}

void ovLowMemFree(void* p) {
  if (p) std::free(prefixOf(p));
}

size_t ovLowMemBlockSize(const void* p) { return p ? prefixOf(p)->size : 0; }

void* ovLowMemCopyBlock(void* dst, const void* src, long n) {
  auto* d = static_cast<char*>(dst);
  const auto* s = static_cast<const char*>(src);
  for (long i = 0; i < n; ++i) d[i] = s[i];
  return dst;
}

void ovLowMemZeroBlock(void* p, size_t n) { std::memset(p, 0, n); }

int ovLowMemCompareBlocks(const void* a, const void* b, size_t n) { return std::memcmp(a, b, n) == 0 ? 1 : 0; }

ovHandle ovHandle_New(size_t n) {
  auto h = static_cast<ovHandle>(ovLowMemAlloc(sizeof(void*)));
  if (!h) return nullptr;
  *h = ovLowMemAlloc(n);
  if (!*h) {
    ovLowMemFree(h);
    return nullptr;
  }
  return h;
}

void ovHandle_Dispose(ovHandle h) {
  if (!h) return;
  ovLowMemFree(*h);
  ovLowMemFree(h);
}

bool ovHandle_SetSize(ovHandle h, size_t n) {
  if (!h) return false;
  void* moved = ovLowMemReAlloc(*h, n);
  if (!moved) return false;
  *h = moved;
  return true;
}

size_t ovHandle_GetSize(ovHandle h) { return h ? ovLowMemBlockSize(*h) : 0; }
