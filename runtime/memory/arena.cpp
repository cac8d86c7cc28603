#include "runtime/memory/arena.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include "runtime/memory/address_space.h"

namespace {

constexpr size_t kPage = 4096;
constexpr size_t kLargestReservation = size_t{8} << 30;  // links reach 32 GiB
constexpr size_t kSmallestReservation = size_t{256} << 20;

struct Region {
  size_t offset;
  size_t bytes;
};

// Heaps serialise their own work; the arena, shared by all heaps, has a lock
// of its own for the rare commit and release.
struct Arena {
  std::mutex lock;
  size_t reserved = 0;
  size_t limit = 0;      // 0: no cap below the reservation
  size_t committed = 0;  // bytes in live regions
  size_t top = 0;        // regions are carved from [0, top)
  std::vector<Region> released;
};

Arena arena;

size_t roundToPage(size_t bytes) { return (bytes + kPage - 1) & ~(kPage - 1); }

// Reserves address space without committing memory, halving the request when
// the system refuses it (for example under a virtual-memory limit).
bool reserve() {
  for (size_t bytes = kLargestReservation; bytes >= kSmallestReservation; bytes /= 2) {
    if (void* p = ovReserveAddressSpace(bytes)) {
      ovMemArenaBase = static_cast<char*>(p);
      arena.reserved = bytes;
      return true;
    }
  }
  return false;
}

// Takes a released region that is large enough, first fit.
bool reuseReleased(size_t bytes, size_t& offset) {
  auto& released = arena.released;
  auto fit = std::find_if(released.begin(), released.end(), [&](const Region& r) { return r.bytes >= bytes; });
  if (fit == released.end()) return false;
  offset = fit->offset;
  if (fit->bytes == bytes) {
    released.erase(fit);
  } else {
    fit->offset += bytes;
    fit->bytes -= bytes;
  }
  return true;
}

}  // namespace

char* ovMemArenaBase = nullptr;

void* ovMemArenaCommit(size_t bytes) {
  std::lock_guard guard(arena.lock);
  if (!ovMemArenaBase && !reserve()) return nullptr;
  bytes = roundToPage(bytes);
  size_t cap = arena.limit ? std::min(arena.limit, arena.reserved) : arena.reserved;
  if (bytes > cap || arena.committed > cap - bytes) return nullptr;
  size_t offset = 0;
  if (!reuseReleased(bytes, offset)) {
    if (bytes > arena.reserved - arena.top) return nullptr;
    offset = arena.top;
    arena.top += bytes;
  }
  char* region = ovMemArenaBase + offset;
  if (!ovCommitPages(region, bytes)) return nullptr;
  arena.committed += bytes;
  return region;
}

void ovMemArenaRelease(void* region, size_t bytes) {
  if (!region) return;
  std::lock_guard guard(arena.lock);
  bytes = roundToPage(bytes);
  char* start = static_cast<char*>(region);
  ovDecommitPages(start, bytes);
  arena.committed -= bytes;
  arena.released.push_back({static_cast<size_t>(start - ovMemArenaBase), bytes});
  if (arena.committed == 0) {
    arena.released.clear();
    arena.top = 0;
  }
}

void ovMemArenaSetLimit(size_t bytes) {
  std::lock_guard guard(arena.lock);
  arena.limit = bytes;
}
