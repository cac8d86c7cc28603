// Memory for a surface's pixels. A large picture is written whole as soon as
// it is made (filled, or magnified from its pixels), so its pages are mapped
// in one go as it is allocated, rather than one page fault at a time as the
// first write reaches each: on a virtual machine, about half the time.
#pragma once

#include <sys/mman.h>

#include <cstddef>
#include <new>

namespace platform::gdi {

template <typename T>
struct PixelAllocator {
  using value_type = T;
  // Below this, the C library's heap is quicker and its pages often mapped.
  static constexpr size_t kMappedFrom = 256 * 1024;

  PixelAllocator() = default;
  template <typename U>
  PixelAllocator(const PixelAllocator<U>&) {}

  T* allocate(size_t count) {
    size_t bytes = count * sizeof(T);
    if (bytes < kMappedFrom) return static_cast<T*>(::operator new(bytes));
    void* memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (memory == MAP_FAILED) throw std::bad_alloc();
    return static_cast<T*>(memory);
  }

  void deallocate(T* memory, size_t count) {
    size_t bytes = count * sizeof(T);
    if (bytes < kMappedFrom) ::operator delete(memory);
    else munmap(memory, bytes);
  }

  template <typename U>
  bool operator==(const PixelAllocator<U>&) const {
    return true;
  }
};

}  // namespace platform::gdi
