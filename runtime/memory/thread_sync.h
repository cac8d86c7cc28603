// The system calls behind the heap and its lock: whether the process has a
// single thread, sleeping on a word until another thread wakes it, and a
// memory barrier passed by every running thread of the process.
// thread_sync_linux.cpp serves them with the C library's flag, futex and
// membarrier, thread_sync_windows.cpp with WaitOnAddress.
#pragma once

#include <atomic>

// True while the process has never had a second thread: nothing can then
// contend for the heap.
bool ovProcessIsSingleThreaded();

// Sleeps while *word holds value; may return early, so callers test again.
void ovWaitOnWord(std::atomic<int>* word, int value);

// Wakes one thread sleeping in ovWaitOnWord on word.
void ovWakeOneOnWord(std::atomic<int>* word);

// Whether ovBarrierOnEveryThread can be relied on; asked once, before the
// first barrier.
bool ovBarrierOnEveryThreadAvailable();

// Makes every running thread of the process pass a full memory barrier.
void ovBarrierOnEveryThread();
