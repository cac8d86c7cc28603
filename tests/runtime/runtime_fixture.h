// Test fixtures that start and stop the run-time around each test.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "runtime/memory/heap.h"
#include "runtime/memory/heap_check.h"
#include "runtime/startup/runtime_startup.h"
#include "runtime/tables/header.h"
#include "runtime/values/list.h"
#include "runtime/values/make.h"
#include "runtime/values/unparse.h"
#include "runtime/values/value.h"
#include "runtime/values/value_ref.h"

// Starts the run-time; at the end checks that every value the test made is
// gone and that the heap is consistent, then shuts the run-time down.
class RuntimeTest : public ::testing::Test {
 public:
  // Value makers for tests, public so that helpers outside a test use them.
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
  // The value in the value text form.
  static std::string Printed(const ovC_object* v) {
    std::string text;
    ovUnparseAppend(const_cast<ovC_object*>(v), text);
    return text;
  }
  static std::string Printed(const ovRef& v) { return Printed(v.get()); }

 protected:
  void SetUp() override {
    ovRunTimeStartup();
    baseline_ = ovRunTimeHeap->LiveCount();
  }
  void TearDown() override {
    EXPECT_EQ(ovRunTimeHeap->LiveCount(), baseline_) << "values outlived the test";
    EXPECT_EQ(ovMemHeapCheck(*ovRunTimeHeap), "");
    ovRunTimeShutdown();
  }

 private:
  uint32_t baseline_ = 0;
};

// The run-time with its tables built from every declaration linked in.
class TablesTest : public RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    RTHeader::Initialize();
  }
  void TearDown() override {
    DropTableData();
    RuntimeTest::TearDown();
  }

  // Releases what the tables hold (default instances, class attribute and
  // persistent values), so that the heap check at the end sees only leaks.
  static void DropTableData() {
    RTHeader* h = RTHeader::gRTHeader;
    for (RTClass* cls : h->classTable.classes) Drop(cls->defaultInstance);
    for (ovC_object*& v : h->classAttrValues) Drop(v);
    for (RTPersistent& p : h->persistentTable.records) Drop(*p.slot);
  }

  static void Drop(ovC_object*& v) {
    ovDecUse(v);
    v = nullptr;
  }
};

// Tables whose classes have empty default instances, as an archive of
// defaults would install them, so that instances can be made.
class InstancesTest : public TablesTest {
 protected:
  void SetUp() override {
    TablesTest::SetUp();
    for (RTClass* cls : RTHeader::GetClassTable()->classes)
      if (!cls->defaultInstance) cls->defaultInstance = ovMakeEmptyInstance(cls);
  }
};
