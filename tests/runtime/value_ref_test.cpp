#include "runtime/values/value_ref.h"

#include <gtest/gtest.h>

#include <utility>

#include "runtime/values/list.h"
#include "runtime/values/make.h"
#include "runtime_fixture.h"

using ValueRef = RuntimeTest;

TEST_F(ValueRef, AdoptTakesOverAndShareAddsAUse) {
  ovC_object* made = ovMakeReal(1.5);
  {
    ovRef owner = ovRef::adopt(made);
    EXPECT_EQ(made->useCount, 1u);
    ovRef second = ovRef::share(made);
    EXPECT_EQ(made->useCount, 2u);
    EXPECT_EQ(owner, second);
  }
  // Both uses were dropped: the real is gone (the fixture checks the heap).
}

TEST_F(ValueRef, CopyMoveAndSelfAssignmentKeepCountsBalanced) {
  ovC_object* v = ovMakeText("v");
  ovRef a = ovRef::adopt(v);
  ovRef b = a;
  EXPECT_EQ(v->useCount, 2u);
  ovRef c = std::move(b);
  EXPECT_FALSE(b);
  EXPECT_EQ(v->useCount, 2u);
  c = a;  // same value again
  EXPECT_EQ(v->useCount, 2u);
  c = ovRef::adopt(ovMakeText("w"));
  EXPECT_EQ(v->useCount, 1u);
  c.reset();
  EXPECT_FALSE(c);
  // Self-assignment, by copy and by move, keeps the value.
  ovRef& alias = a;
  a = alias;
  EXPECT_EQ(a.get(), v);
  EXPECT_EQ(v->useCount, 1u);
  a = std::move(alias);
  EXPECT_EQ(a.get(), v);
  EXPECT_EQ(v->useCount, 1u);
}

TEST_F(ValueRef, SwapExchangesWithoutTouchingCounts) {
  ovC_object* x = ovMakeText("x");
  ovC_object* y = ovMakeText("y");
  ovRef a = ovRef::adopt(x);
  ovRef b = ovRef::adopt(y);
  a.swap(b);
  EXPECT_EQ(a.get(), y);
  EXPECT_EQ(b.get(), x);
  EXPECT_EQ(x->useCount, 1u);
  EXPECT_EQ(y->useCount, 1u);
}

TEST_F(ValueRef, ReleaseHandsTheUseToAnOutputSlotOrAList) {
  ovC_object* slot = nullptr;
  {
    ovRef result = ovRef::adopt(ovMakeText("out"));
    result.releaseInto(&slot);
    EXPECT_FALSE(result);
  }
  ASSERT_NE(slot, nullptr);
  EXPECT_EQ(slot->useCount, 1u);
  // Releasing into a slot that holds a value drops the old one.
  ovRef replacement = ovRef::adopt(ovMakeInteger(77));
  replacement.releaseInto(&slot);
  EXPECT_EQ(ovAs<ovC_integer>(slot)->value, 77);
  // Release alone hands the use to whatever takes it over, here a list.
  ovRef list = ovRef::adopt(ovMakeList(0));
  ovListAppend(list.get(), ovRef::share(slot).release(), 0);
  EXPECT_EQ(slot->useCount, 2u);
  ovDecUse(slot);
}
