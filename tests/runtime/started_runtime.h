// A test fixture that starts the run-time before each test and stops it
// after, failing the test when values made during it are still alive.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "runtime/memory/heap.h"
#include "runtime/startup/runtime_startup.h"
#include "runtime/values/list.h"
#include "runtime/values/make.h"
#include "runtime/values/value_ref.h"

class StartedRunTime : public ::testing::Test {
 protected:
  void SetUp() override {
    ovRunTimeStartup();
    liveAtStart_ = ovRunTimeHeap->LiveCount();
  }

  void TearDown() override {
    EXPECT_EQ(ovRunTimeHeap->LiveCount(), liveAtStart_) << "values leaked";
    ovRunTimeShutdown();
  }

  static ovRef Int(int32_t n) { return ovRef::adopt(ovMakeInteger(n)); }
  static ovRef Real(double d) { return ovRef::adopt(ovMakeReal(d)); }
  static ovRef Text(const std::string& s) {
    return ovRef::adopt(ovMakeTextFromString(s.data(), static_cast<uint32_t>(s.size())));
  }
  // A list holding the given values, each use raised.
  template <typename... Values>
  static ovRef List(const Values&... values) {
    ovRef list = ovRef::adopt(ovMakeList(0));
    (ovListAppend(list.get(), values.get(), 1), ...);
    return list;
  }

 private:
  uint32_t liveAtStart_ = 0;
};
