#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "platform/win32.h"

TEST(Mutex, IsRecursiveForItsOwner) {
  HANDLE m = CreateMutexA(nullptr, FALSE, nullptr);
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(WaitForSingleObject(m, INFINITE), WAIT_OBJECT_0);
  EXPECT_EQ(WaitForSingleObject(m, INFINITE), WAIT_OBJECT_0);
  EXPECT_TRUE(ReleaseMutex(m));
  EXPECT_TRUE(ReleaseMutex(m));
  // A third release has no ownership left to give back.
  EXPECT_FALSE(ReleaseMutex(m));
  EXPECT_EQ(GetLastError(), ERROR_NOT_OWNER);
  EXPECT_TRUE(CloseHandle(m));
}

// While a thread owns the mutex another can neither take it nor give it
// back; once the owner releases it, the other takes it.
TEST(Mutex, AnotherThreadNeitherTakesNorReleasesItWhileItIsOwned) {
  HANDLE m = CreateMutexA(nullptr, TRUE, nullptr);
  std::thread other([&] {
    EXPECT_EQ(WaitForSingleObject(m, 20), WAIT_TIMEOUT);
    EXPECT_FALSE(ReleaseMutex(m));
    EXPECT_EQ(GetLastError(), ERROR_NOT_OWNER);
  });
  other.join();
  EXPECT_TRUE(ReleaseMutex(m));
  std::thread again([&] {
    EXPECT_EQ(WaitForSingleObject(m, 1000), WAIT_OBJECT_0);
    EXPECT_TRUE(ReleaseMutex(m));
  });
  again.join();
  CloseHandle(m);
}

TEST(Mutex, SameNameOpensTheSameMutex) {
  HANDLE a = CreateMutexA(nullptr, FALSE, "velmaro test mutex");
  EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
  HANDLE b = CreateMutexA(nullptr, FALSE, "velmaro test mutex");
  EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
  ASSERT_NE(a, b);
  ASSERT_EQ(WaitForSingleObject(a, INFINITE), WAIT_OBJECT_0);
  std::thread other([&] { EXPECT_EQ(WaitForSingleObject(b, 20), WAIT_TIMEOUT); });
  other.join();
  ReleaseMutex(a);
  // The mutex lives while any handle is open.
  EXPECT_TRUE(CloseHandle(a));
  EXPECT_EQ(WaitForSingleObject(b, 0), WAIT_OBJECT_0);
  EXPECT_TRUE(ReleaseMutex(b));
  EXPECT_TRUE(CloseHandle(b));
  HANDLE fresh = CreateMutexA(nullptr, FALSE, "velmaro test mutex");
  EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
  CloseHandle(fresh);
}

TEST(Mutex, ClosedOrForeignHandlesFail) {
  HANDLE m = CreateMutexA(nullptr, FALSE, nullptr);
  ASSERT_TRUE(CloseHandle(m));
  EXPECT_EQ(WaitForSingleObject(m, 0), WAIT_FAILED);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_FALSE(ReleaseMutex(m));
  EXPECT_FALSE(CloseHandle(m));
  EXPECT_EQ(WaitForSingleObject(nullptr, 0), WAIT_FAILED);
  EXPECT_EQ(WaitForSingleObject(GetModuleHandleA(nullptr), 0), WAIT_FAILED);
}

// Many threads incrementing a plain counter under the mutex lose no update,
// also when the first lock was taken while the process had one thread.
TEST(Mutex, SerialisesThreads) {
  HANDLE m = CreateMutexA(nullptr, FALSE, nullptr);
  ASSERT_EQ(WaitForSingleObject(m, INFINITE), WAIT_OBJECT_0);
  long counter = 0;
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&] {
      for (int i = 0; i < 20000; ++i) {
        WaitForSingleObject(m, INFINITE);
        ++counter;
        ReleaseMutex(m);
      }
    });
  }
  ReleaseMutex(m);
  for (auto& t : threads) t.join();
  EXPECT_EQ(counter, 80000);
  CloseHandle(m);
}
