// The lock that serialises the run-time heap once the process has threads.
//
// In the real program one thread uses the heap while others exist (the
// display library starts some), and an uncontended atomic read-modify-write
// costs about 6 ns on the machines we measure: four of them made a small
// allocation and release 1.8 times as slow as malloc and free. So the lock is
// biased: the thread that made the heap takes and releases it with plain
// stores, and the first other thread that takes it removes the bias, once
// and for good. From then on every thread uses the shared lock, a futex word
// (0 free, 1 held, 2 held with waiters) with an owner.
//
// Removing the bias is an asymmetric handshake. The biased thread stores
// busy, then loads revoked, with only a compiler barrier between them; the
// other thread stores revoked, makes every running thread of the process
// pass a full memory barrier (membarrier), then loads busy. So either the
// biased thread sees revoked and takes the shared lock, or the other thread
// sees busy and waits until the biased thread has left. Where the system
// offers no such barrier the lock is never biased (thread_sync.h has the
// system's side: the futex word's waits and the barrier).
//
// Both ways are recursive: a thread that holds the lock may take it again.
// A thread that ends leaves nothing behind, since it holds no lock outside
// a heap call; a later thread given the same thread-local address takes its
// place as the biased thread.
#pragma once

#include <atomic>
#include <cstdint>

class ovMemHeapLock {
 public:
  // A lock biased to the calling thread, where the system allows it.
  ovMemHeapLock();
  ovMemHeapLock(const ovMemHeapLock&) = delete;
  ovMemHeapLock& operator=(const ovMemHeapLock&) = delete;

  void Lock() {
    if (IsBiasedThread()) {
      if (biasedDepth_ != 0 || TryBiased()) {
        ++biasedDepth_;
        return;
      }
    }
    LockShared();
  }

  // Releases a hold of the calling thread; does nothing for a thread that
  // holds none.
  void Unlock() {
    if (IsBiasedThread() && biasedDepth_ != 0) {
      if (--biasedDepth_ == 0) busy_.store(false, std::memory_order_release);
      return;
    }
    UnlockShared();
  }

 private:
  using ThreadId = const void*;
  // A thread is named by the address of a thread-local byte: constant
  // initialised, so asking costs one instruction.
  static inline thread_local const char threadMarker_ = 0;
  static ThreadId ThisThread() { return &threadMarker_; }

  bool IsBiasedThread() const { return biasedThread_ == ThisThread(); }

  bool TryBiased() {
    busy_.store(true, std::memory_order_relaxed);
    std::atomic_signal_fence(std::memory_order_seq_cst);
    if (!revoked_.load(std::memory_order_relaxed)) return true;
    busy_.store(false, std::memory_order_release);
    return false;
  }

  void LockShared();
  void UnlockShared();
  [[gnu::noinline, gnu::cold]] void WaitForShared();
  [[gnu::noinline, gnu::cold]] void RevokeBias();

  const ThreadId biasedThread_;
  uint32_t biasedDepth_ = 0;           // touched by the biased thread only
  std::atomic<bool> busy_{false};      // the biased thread holds the lock
  std::atomic<bool> revoked_{false};
  std::atomic<int> state_{0};          // the shared lock's futex word
  std::atomic<ThreadId> owner_{nullptr};
  uint32_t depth_ = 0;                 // touched by the owner only
};
