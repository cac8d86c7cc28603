#include <gtest/gtest.h>

#include <vector>

#include "runtime/values/compare.h"
#include "runtime/values/copy.h"
#include "runtime/values/read.h"
#include "runtime/values/db_visit.h"
#include "runtime/values/instance.h"
#include "runtime/values/text.h"
#include "tests/runtime/runtime_fixture.h"

namespace {

class CopyTest : public RuntimeTest {
 protected:
  static ovC_object* Nth(const ovRef& list, uint32_t i) { return ovListGetSlot(list.get(), i, 0); }
};

TEST_F(CopyTest, CopySharesElementsOfANewList) {
  ovRef a = Text("a");
  ovRef b = Text("b");
  ovRef list = List(a, b);
  ovRef copy = ovRef::adopt(ovCopyObject(list.get()));
  EXPECT_NE(copy.get(), list.get());
  EXPECT_EQ(Nth(copy, 0), a.get());
  EXPECT_EQ(Nth(copy, 1), b.get());
  EXPECT_EQ(a->useCount, 3u);
  EXPECT_EQ(copy->useCount, 1u);
}

TEST_F(CopyTest, CopyBringsAGrownListOrTextBackIntoOneBlock) {
  ovRef list = List();
  std::vector<ovRef> neighbours;  // made between growths, so neither can grow in place
  for (int i = 0; i < 50; ++i) {
    ovListAppend(list.get(), Int(i + 2).get(), 1);
    neighbours.push_back(Int(i + 2));
  }
  ASSERT_NE(ovMemBlock::Of(list.get())->flags & ovMemFlagListOutOfLine, 0);
  ovRef copy = ovRef::adopt(ovCopyObject(list.get()));
  EXPECT_EQ(ovMemBlock::Of(copy.get())->flags & ovMemFlagsOutOfLine, 0);
  EXPECT_EQ(ovCompare(copy.get(), list.get()), 0);
  ovRef text = Text("golden");
  neighbours.push_back(Int(5));
  text.as<ovC_text>()->Stretch(" section calculator");
  ASSERT_NE(ovMemBlock::Of(text.get())->flags & ovMemFlagTextOutOfLine, 0);
  ovRef textCopy = ovRef::adopt(ovCopyObject(text.get()));
  EXPECT_EQ(ovMemBlock::Of(textCopy.get())->flags & ovMemFlagsOutOfLine, 0);
  EXPECT_STREQ(textCopy.as<ovC_text>()->inlineChars, "golden section calculator");
}

TEST_F(CopyTest, CopiesOfScalarsAreNewObjectsExceptSharedConstantKinds) {
  ovRef n = Int(42);
  ovRef nCopy = ovRef::adopt(ovCopyObject(n.get()));
  EXPECT_NE(nCopy.get(), n.get());
  EXPECT_EQ(ovCompare(nCopy.get(), n.get()), 0);
  ovRef zeroCopy = ovRef::adopt(ovDuplicateObject(gdDefaultZero));
  EXPECT_NE(zeroCopy.get(), gdDefaultZero) << "a copy of a shared integer is its own object";

  uint32_t liveBefore = ovRunTimeHeap->LiveCount();
  for (ovC_object* constant : {gdDefaultTrue, gdDefaultFalse, gdDefaultNone, gdDefaultUndefined}) {
    ovRef copy = ovRef::adopt(ovCopyObject(constant));
    ovRef duplicate = ovRef::adopt(ovDuplicateObject(constant));
    EXPECT_EQ(copy.get(), constant);
    EXPECT_EQ(duplicate.get(), constant);
  }
  EXPECT_EQ(ovRunTimeHeap->LiveCount(), liveBefore) << "copies of constants must not pile up";
  EXPECT_EQ(ovCopyObject(nullptr), nullptr);
  EXPECT_EQ(ovDuplicateObject(nullptr), nullptr);
  EXPECT_EQ(ovCloneObject(nullptr), nullptr);
  ovRef clone = ovRef::adopt(ovCloneObject(n.get()));
  EXPECT_EQ(clone.get(), n.get()) << "a clone of a scalar is the scalar";
  EXPECT_EQ(n->useCount, 2u);
}

TEST_F(CopyTest, CloneSharesLeavesCopiesSharedSubListsOnceAndCyclesAsCycles) {
  ovRef text = Text("t");
  ovRef sub = List(Int(2), text);
  ovRef list = List(sub, sub, Int(1));
  ovRef clone = ovRef::adopt(ovCloneObject(list.get()));
  ovC_object* first = Nth(clone, 0);
  EXPECT_NE(first, sub.get());
  EXPECT_EQ(first, Nth(clone, 1)) << "one new sub-list for both places";
  EXPECT_EQ(first->useCount, 2u);
  EXPECT_EQ(ovListGetSlot(first, 1, 0), text.get()) << "texts are shared";
  EXPECT_EQ(ovCompare(clone.get(), list.get()), 0);
  EXPECT_EQ(sub->visitMark, 0u);
  EXPECT_EQ(list->visitMark, 0u);
  EXPECT_EQ(DBVisitGetNum(), 0u) << "the visit table is emptied";
  // A cycle is copied as a cycle.
  ovRef a = List(Int(5));
  ovListAppend(a.get(), a.get(), 1);
  ovRef cycle = ovRef::adopt(ovCloneObject(a.get()));
  EXPECT_NE(cycle.get(), a.get());
  EXPECT_EQ(Nth(cycle, 1), cycle.get());
  EXPECT_EQ(a->visitMark, 0u);
  ovListDeleteItem(a.get(), 1, 1);
  ovListDeleteItem(cycle.get(), 1, 1);
}

TEST_F(CopyTest, CloneAndDuplicateDeepCopyInstances) {
  RTClass cls{};
  cls.slotCount = 2;
  ovRef instance = ovRef::adopt(ovMakeEmptyInstance(&cls));
  ovRef sub = List(Int(3));
  ovInstanceSetSlot(instance.get(), 0, 1, 1, sub.get());
  ovInstanceSetSlot(instance.get(), 1, 1, 1, instance.get());
  ovRef clone = ovRef::adopt(ovDuplicateObject(instance.get()));
  EXPECT_NE(clone.get(), instance.get());
  ovC_object* clonedSub = ovInstanceGetSlot(clone.get(), 0, 0);
  EXPECT_NE(clonedSub, sub.get());
  EXPECT_EQ(ovCompare(clonedSub, sub.get()), 0);
  EXPECT_EQ(ovInstanceGetSlot(clone.get(), 1, 0), clone.get());
  ovInstanceSetSlot(instance.get(), 1, 1, 0, nullptr);
  ovInstanceSetSlot(clone.get(), 1, 1, 0, nullptr);
}

TEST_F(CopyTest, CloneOfDeeplyNestedListsUsesNoRecursion) {
  constexpr uint32_t depth = 300000;
  ovRef v = List(Int(9));
  for (uint32_t i = 0; i < depth; ++i) v = List(v);
  ovRef clone = ovRef::adopt(ovCloneObject(v.get()));
  EXPECT_EQ(ovCompare(clone.get(), v.get()), 0);
}

TEST_F(CopyTest, VisitTableWrappersNumberObjectsFromOne) {
  ovRef a = Int(7);
  DBVisitInit();
  DBVisitAdd(a.get());
  DBVisitAdd(nullptr);
  EXPECT_EQ(DBVisitGetNum(), 2u);
  EXPECT_EQ(DBVisitGetNth(1), a.get());
  EXPECT_EQ(DBVisitGetNth(2), nullptr);
  EXPECT_EQ(DBVisitGetNth(0), nullptr);
  EXPECT_EQ(DBVisitGetNth(3), nullptr);
  a->visitMark = 5;
  DBVisitClear(0);
  EXPECT_EQ(a->visitMark, 5u) << "clear without reset leaves the marks";
  EXPECT_EQ(DBVisitGetNum(), 0u);
  DBVisitAdd(a.get());
  DBVisitClear(1);
  EXPECT_EQ(a->visitMark, 0u);
}

}  // namespace

TEST_F(CopyTest, ACopyOfAnOwningPointerDoesNotOwnItsMemory) {
  ovRef owner = ovRef::adopt(ovMakePtrFromSize(nullptr, 32));
  ovRef copy = ovRef::adopt(ovCopyObject(owner.get()));
  ASSERT_NE(copy.get(), owner.get());
  EXPECT_EQ(ovPtrGetValue(copy.get()), ovPtrGetValue(owner.get()));
  EXPECT_EQ(ovDisposePointer(copy.get()), 0);  // not the copy's to release
  EXPECT_EQ(ovDisposePointer(owner.get()), 1);
}
