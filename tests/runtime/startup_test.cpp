#include <gtest/gtest.h>

#include "platform/handle_table.h"
#include "runtime/memory/heap.h"
#include "runtime/startup/entry.h"
#include "runtime/startup/runtime_startup.h"
#include "runtime/values/visit_table.h"
#include "test_classes.h"

TEST(Startup, CreatesTheSharedObjectsInOrderWithOneUseEach) {
  ovRunTimeStartup();
  ovC_object* constants[] = {gdDefaultNone, gdDefaultUndefined, gdDefaultTrue, gdDefaultFalse,
                             gdDefaultZero, gdDefaultPOne,      gdDefaultMOne};
  for (size_t i = 0; i < std::size(constants); ++i) {
    ASSERT_NE(constants[i], nullptr);
    EXPECT_EQ(constants[i]->useCount, 1u);
    if (i > 0) {
      EXPECT_LT(constants[i - 1], constants[i]) << "made in order from one heap";
    }
  }
  EXPECT_EQ(gLocalThread->useQuotes, 1u);
  EXPECT_NE(gpVisitTable, nullptr);
  EXPECT_EQ(ovRunTimeHeap->LiveCount(), 7u);
  ovRunTimeShutdown();
}

TEST(Startup, ShutdownLeavesNoHeapMutexOrVisitTable) {
  unsigned mutexesBefore = platform::handleCount(platform::HandleKind::Mutex);
  for (int round = 0; round < 3; ++round) {
    ovRunTimeStartup();
    EXPECT_EQ(platform::handleCount(platform::HandleKind::Mutex), mutexesBefore + 1);
    ovRunTimeShutdown();
    EXPECT_EQ(ovRunTimeHeap, nullptr);
    EXPECT_EQ(ovRunTimeCache, nullptr);
    EXPECT_EQ(gpVisitTable, nullptr);
    EXPECT_EQ(gLocalThread, nullptr);
    EXPECT_EQ(gdDefaultNone, nullptr);
    EXPECT_EQ(platform::handleCount(platform::HandleKind::Mutex), mutexesBefore);
  }
}

TEST(Startup, TheEntryPointRunsTheApplicationOnceAndReturnsTheStatusItAskedFor) {
  HINSTANCE self = GetModuleHandleA(nullptr);
  gTestApplicationRuns = 0;
  gTestExitStatus = 7;
  EXPECT_EQ(WinMain(self, nullptr, nullptr, SW_SHOWDEFAULT), 7);
  gTestExitStatus = 0;
  EXPECT_EQ(WinMain(self, nullptr, nullptr, SW_SHOWDEFAULT), 0);
  EXPECT_EQ(gTestApplicationRuns, 2);
  EXPECT_EQ(ghDLLInstance, self);
  EXPECT_EQ(Global.instance, self);
  EXPECT_EQ(Global.mainWindow, nullptr);
  EXPECT_EQ(ovRunTimeHeap, nullptr);
}
