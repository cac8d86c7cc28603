#include "runtime/tables/method_cache.h"

#include <cstddef>

namespace {

struct Entry {
  const RTClass* cls;
  uint32_t selector;
  uint32_t version;  // 0 never matches: the first version is 1
  ovRoutine routine;
};

constexpr size_t kEntries = 1024;  // a power of two
Entry entries[kEntries];
uint32_t currentVersion = 1;
bool enabled = true;

size_t slotOf(const RTClass* cls, uint32_t selector) {
  auto key = reinterpret_cast<uintptr_t>(cls) >> 4;
  return (key ^ (selector * 0x9E3779B1u)) & (kEntries - 1);
}

}  // namespace

ovRoutine ovMethodCacheLookup(const RTClass* cls, uint32_t selector, ovMethodFinder find) {
  if (!enabled) return find(cls, selector);
  Entry& e = entries[slotOf(cls, selector)];
  if (e.version == currentVersion && e.cls == cls && e.selector == selector) return e.routine;
  ovRoutine routine = find(cls, selector);
  e = {cls, selector, currentVersion, routine};
  return routine;
}

void ovMethodCacheInvalidate() { ++currentVersion; }

void ovMethodCacheEnable(bool on) { enabled = on; }
