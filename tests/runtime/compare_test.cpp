#include <gtest/gtest.h>

#include <cmath>

#include "runtime/values/compare.h"
#include "runtime/values/compare_strings.h"
#include "runtime/values/copy.h"
#include "runtime/values/list.h"
#include "tests/runtime/runtime_fixture.h"

namespace {

class CompareTest : public RuntimeTest {};

// A list nested depth deep around a single integer.
ovRef nestedList(uint32_t depth, int32_t innermost) {
  ovRef v = ovRef::adopt(ovMakeInteger(innermost));
  for (uint32_t i = 0; i < depth; ++i) {
    ovRef outer = ovRef::adopt(ovMakeList(0));
    ovListAppend(outer.get(), v.release(), 0);
    v = std::move(outer);
  }
  return v;
}

TEST_F(CompareTest, NumbersCompareAcrossIntegerAndReal) {
  EXPECT_EQ(ovCompare(Int(2).get(), Real(2.0).get()), 0);
  EXPECT_EQ(ovCompare(Int(2).get(), Real(2.5).get()), -1);
  EXPECT_EQ(ovCompare(Real(-1.5).get(), Int(-2).get()), 1);
  EXPECT_EQ(ovCompare(Int(INT32_MIN).get(), Int(INT32_MAX).get()), -1);
  EXPECT_EQ(ovCompare(Real(NAN).get(), Int(1).get()), 0) << "an unordered pair counts as equal";
  EXPECT_EQ(ovCompare(Int(2).get(), Text("2").get()), ovCompareNotComparable);
}

TEST_F(CompareTest, NullIsOnlyEqualToNull) {
  EXPECT_EQ(ovCompare(nullptr, nullptr), 0);
  EXPECT_EQ(ovCompare(nullptr, Int(0).get()), ovCompareNotComparable);
  EXPECT_EQ(ovCompare(Int(0).get(), nullptr), ovCompareNotComparable);
}

TEST_F(CompareTest, BooleansOrderFalseBeforeTrue) {
  ovRef t = ovRef::adopt(ovMakeBoolean(1));
  ovRef f = ovRef::adopt(ovMakeBoolean(0));
  EXPECT_EQ(ovCompare(f.get(), t.get()), -1);
  EXPECT_EQ(ovCompare(t.get(), f.get()), 1);
  ovRef copy = ovRef::adopt(ovCopyObject(t.get()));
  EXPECT_EQ(ovCompare(copy.get(), t.get()), 0);
  EXPECT_EQ(ovCompare(t.get(), Int(1).get()), ovCompareNotComparable);
}

TEST_F(CompareTest, TextsOrderBytewiseWithSignedHighBytes) {
  EXPECT_EQ(ovCompare(Text("abc").get(), Text("abd").get()), -1);
  EXPECT_EQ(ovCompare(Text("abc").get(), Text("ab").get()), 1);
  EXPECT_EQ(ovCompare(Text("ab").get(), Text("abc").get()), -1);
  EXPECT_EQ(ovCompare(Text("Abc").get(), Text("abc").get()), -1);
  EXPECT_EQ(ovCompare(Text("x\xE9").get(), Text("xa").get()), -1);
  EXPECT_EQ(ovCompare(Text("").get(), Text("").get()), 0);
}

TEST_F(CompareTest, TextsCompareUpToTheirFirstNul) {
  EXPECT_EQ(ovCompare(Text(std::string("a\0b", 3)).get(), Text(std::string("a\0c", 3)).get()), 0);
}

TEST(CompareStrings, LimitsNullsAndLengthRule) {
  EXPECT_EQ(ovCompareStrings(nullptr, nullptr, 1, 0, 0, 1), 0);
  EXPECT_EQ(ovCompareStrings(nullptr, "a", 1, 0, 0, 1), -1);
  EXPECT_EQ(ovCompareStrings("a", nullptr, 1, 0, 0, 1), 1);
  EXPECT_EQ(ovCompareStrings("abc", "abd", 1, 0, 2, 1), 0) << "only two characters compared";
  EXPECT_EQ(ovCompareStrings("abc", "abd", 1, 0, 3, 1), -1);
  EXPECT_EQ(ovCompareStrings("ab", "abc", 1, 0, 0, 0), 0) << "length does not count";
  EXPECT_EQ(ovCompareStrings("(x", "(", 1, 0, 1, 1), 0) << "a single delimiter test";
}

TEST(CompareStrings, CaseInsensitiveFoldsWindows1252Letters) {
  EXPECT_EQ(ovCompareStrings("abc", "ABC", 0, 0, 0, 1), 0);
  EXPECT_EQ(ovCompareStrings("\xE9t\xE9", "\xC9T\xC9", 0, 0, 0, 1), 0);
  EXPECT_EQ(ovCompareStrings("\x9A\x9C\x9E\xFF", "\x8A\x8C\x8E\x9F", 0, 0, 0, 1), 0);
  EXPECT_EQ(ovCharUpper1252('\xF7'), '\xF7') << "the division sign has no capital";
  EXPECT_EQ(ovCharUpper1252('\xDF'), '\xDF');
  EXPECT_NE(ovCompareStrings("abc", "ABC", 1, 0, 0, 1), 0);
}

TEST_F(CompareTest, GeometryAndPointersAreEqualOrUnordered) {
  ovRef p = ovRef::adopt(ovMakePointWin(1, 2));
  EXPECT_EQ(ovCompare(p.get(), ovRef::adopt(ovMakePointWin(1, 2)).get()), 0);
  EXPECT_EQ(ovCompare(p.get(), ovRef::adopt(ovMakePointWin(2, 1)).get()), ovCompareUnordered);
  ovRef r = ovRef::adopt(ovMakeRectMac(1, 2, 3, 4));
  EXPECT_EQ(ovCompare(r.get(), ovRef::adopt(ovMakeRectMac(1, 2, 3, 4)).get()), 0);
  EXPECT_EQ(ovCompare(r.get(), ovRef::adopt(ovMakeRectMac(1, 2, 3, 5)).get()), ovCompareUnordered);
  ovRef c = ovRef::adopt(ovMakeRGB(1, 2, 3));
  EXPECT_EQ(ovCompare(c.get(), ovRef::adopt(ovMakeRGB(1, 2, 3)).get()), 0);
  EXPECT_EQ(ovCompare(c.get(), ovRef::adopt(ovMakeRGB(1, 2, 4)).get()), ovCompareUnordered);
  EXPECT_EQ(ovCompare(p.get(), r.get()), ovCompareNotComparable);

  int cell = 0;
  RTExternal type{nullptr, 4};
  ovRef a = ovRef::adopt(ovMakePtr(&type, &cell));
  EXPECT_EQ(ovCompare(a.get(), ovRef::adopt(ovMakePtr(nullptr, &cell)).get()), 0) << "pointee type ignored";
  EXPECT_EQ(ovCompare(a.get(), ovRef::adopt(ovMakeHandle(&type, &cell)).get()), ovCompareUnordered);
}

TEST_F(CompareTest, ExternalsNeedSameTypeSizeAndBytes) {
  RTExternal type{nullptr, 4};
  RTExternal other{nullptr, 4};
  uint32_t word = 0x01020304;
  uint32_t different = 0x01020305;
  ovRef e = ovRef::adopt(ovMakeExternal(&type, 4, &word));
  EXPECT_EQ(ovCompare(e.get(), ovRef::adopt(ovMakeExternal(&type, 4, &word)).get()), 0);
  EXPECT_EQ(ovCompare(e.get(), ovRef::adopt(ovMakeExternal(&type, 4, &different)).get()), ovCompareNotComparable);
  EXPECT_EQ(ovCompare(e.get(), ovRef::adopt(ovMakeExternal(&other, 4, &word)).get()), ovCompareNotComparable);
  EXPECT_EQ(ovCompare(e.get(), ovRef::adopt(ovMakeExternal(&type, 3, &word)).get()), ovCompareNotComparable);
}

TEST_F(CompareTest, NoneAndUndefinedEqualThemselvesAndCopies) {
  ovRef none = ovRef::adopt(ovMakeNone());
  EXPECT_EQ(ovCompare(none.get(), ovRef::adopt(ovCopyObject(none.get())).get()), 0);
  ovRef undefined = ovRef::adopt(ovMakeUndef());
  EXPECT_EQ(ovCompare(undefined.get(), none.get()), ovCompareNotComparable);
}

TEST_F(CompareTest, InstancesAreEqualOnlyToThemselves) {
  RTClass cls{};
  ovRef a = ovRef::adopt(ovMakeEmptyInstance(&cls));
  ovRef b = ovRef::adopt(ovMakeEmptyInstance(&cls));
  EXPECT_EQ(ovCompare(a.get(), a.get()), 0);
  EXPECT_EQ(ovCompare(a.get(), b.get()), ovCompareUnordered);
}

TEST_F(CompareTest, ListsAreEqualByElementsAndNeverOrdered) {
  EXPECT_EQ(ovCompare(List(Int(1), List(Int(2), Int(3))).get(), List(Int(1), List(Int(2), Real(3.0))).get()), 0);
  EXPECT_EQ(ovCompare(List(Int(1), Int(2)).get(), List(Int(1), Int(3)).get()), ovCompareUnordered);
  EXPECT_EQ(ovCompare(List(Int(1)).get(), List(Int(1), Int(2)).get()), ovCompareUnordered);
  EXPECT_EQ(ovCompare(List(Int(1)).get(), List(Text("1")).get()), ovCompareUnordered);
  EXPECT_EQ(ovCompare(List().get(), List().get()), 0);
  EXPECT_EQ(ovCompare(List().get(), Int(0).get()), ovCompareNotComparable);
}

TEST_F(CompareTest, ListsHoldingNullsCompareElementwise) {
  ovRef a = ovRef::adopt(ovMakeList(2));
  ovRef b = ovRef::adopt(ovMakeList(2));
  EXPECT_EQ(ovCompare(a.get(), b.get()), 0);
  ovListSetSlot(b.get(), 1, 1, 1, Int(5).get());
  EXPECT_EQ(ovCompare(a.get(), b.get()), ovCompareUnordered);
}

TEST_F(CompareTest, SelfContainingListsTerminateAndLeaveNoMarks) {
  ovRef a = List(Int(1));
  ovRef b = List(Int(1));
  ovListAppend(a.get(), a.get(), 1);
  ovListAppend(b.get(), b.get(), 1);
  EXPECT_EQ(ovCompare(a.get(), a.get()), 0);
  EXPECT_EQ(ovCompare(a.get(), b.get()), ovCompareUnordered);
  EXPECT_EQ(a->visitMark, 0u);
  EXPECT_EQ(b->visitMark, 0u);
  ovListDeleteItem(a.get(), 1, 1);
  ovListDeleteItem(b.get(), 1, 1);
}

TEST_F(CompareTest, MarksAreClearedAfterAnEarlyDifference) {
  ovRef inner = List(Int(1), Int(2));
  ovRef a = List(inner, Int(1));
  ovRef b = List(List(Int(1), Int(3)), Int(1));
  EXPECT_EQ(ovCompare(a.get(), b.get()), ovCompareUnordered);
  EXPECT_EQ(inner->visitMark, 0u);
  EXPECT_EQ(a->visitMark, 0u);
  EXPECT_EQ(ovCompare(a.get(), List(List(Int(1), Int(2)), Int(1)).get()), 0);
}

TEST_F(CompareTest, DeeplyNestedListsCompareWithoutRecursion) {
  constexpr uint32_t depth = 300000;
  EXPECT_EQ(ovCompare(nestedList(depth, 7).get(), nestedList(depth, 7).get()), 0);
  EXPECT_EQ(ovCompare(nestedList(depth, 7).get(), nestedList(depth, 8).get()), ovCompareUnordered);
}

TEST_F(CompareTest, FindUsesEqualityFromStart) {
  ovRef list = List(Int(1), Real(2.0), Text("x"), Int(2));
  int32_t index = 99;
  EXPECT_TRUE(ovListLinFind(list.get(), Int(2).get(), 0, &index));
  EXPECT_EQ(index, 1);
  EXPECT_TRUE(ovListLinFind(list.get(), Int(2).get(), 2, &index));
  EXPECT_EQ(index, 3);
  EXPECT_FALSE(ovListLinFind(list.get(), Text("y").get(), 0, &index));
  EXPECT_EQ(index, -1);
  EXPECT_EQ(ovAs<ovC_list>(list.get())->Find(Int(1).get(), 9), -1);
  EXPECT_TRUE(ovEqual(list.get(), List(Int(1), Int(2), Text("x"), Real(2.0)).get()));
}

}  // namespace
