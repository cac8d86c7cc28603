#include <windows.h>

#include "runtime/memory/thread_sync.h"

// Windows tells no one whether a second thread ever ran, so the heap always
// takes its lock there.
bool ovProcessIsSingleThreaded() { return false; }

void ovWaitOnWord(std::atomic<int>* word, int value) { WaitOnAddress(word, &value, sizeof value, INFINITE); }

void ovWakeOneOnWord(std::atomic<int>* word) { WakeByAddressSingle(word); }

// FlushProcessWriteBuffers is the system's barrier on every thread, but Wine,
// which the Windows build is tested on, does nothing in it before version 9;
// so the heap lock is never biased on Windows.
bool ovBarrierOnEveryThreadAvailable() { return false; }

void ovBarrierOnEveryThread() {}
