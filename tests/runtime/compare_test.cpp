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
  for (uint32_t i = 0; i < depth; ++i) v = RuntimeTest::List(v);
  return v;
}

ovRef adopt(ovC_object* v) { return ovRef::adopt(v); }

// Numbers across integer and real (an unordered pair counts as equal); NULL
// equal only to NULL; FALSE before TRUE; texts bytewise up to their first
// NUL, high bytes signed, the longer after; geometry, pointers and
// instances equal or unordered; externals equal with the same type, size
// and bytes; lists equal by elements and never ordered.
TEST_F(CompareTest, EachKindComparesByItsOwnRule) {
  int cell = 0;
  RTExternal type{nullptr, 4}, other{nullptr, 4};
  uint32_t word = 0x01020304, different = 0x01020305;
  RTClass cls{};
  ovRef instance = adopt(ovMakeEmptyInstance(&cls));
  auto external = [](RTExternal* t, uint32_t size, const uint32_t* bytes) {
    return adopt(ovMakeExternal(t, size, bytes));
  };
  constexpr int32_t no = ovCompareNotComparable, unordered = ovCompareUnordered;
  const struct {
    ovRef a, b;
    int32_t result;
  } cases[] = {
      {Int(2), Real(2.0), 0}, {Int(2), Real(2.5), -1}, {Real(-1.5), Int(-2), 1}, {Int(INT32_MIN), Int(INT32_MAX), -1},
      {Real(NAN), Int(1), 0}, {Int(2), Text("2"), no}, {nullptr, nullptr, 0}, {nullptr, Int(0), no},
      {Int(0), nullptr, no},
      {adopt(ovMakeBoolean(0)), adopt(ovMakeBoolean(1)), -1}, {adopt(ovMakeBoolean(1)), adopt(ovMakeBoolean(0)), 1},
      {adopt(ovCopyObject(gdDefaultTrue)), adopt(ovMakeBoolean(1)), 0}, {adopt(ovMakeBoolean(1)), Int(1), no},
      {Text("abc"), Text("abd"), -1}, {Text("abc"), Text("ab"), 1}, {Text("ab"), Text("abc"), -1},
      {Text("Abc"), Text("abc"), -1}, {Text("x\xE9"), Text("xa"), -1}, {Text(""), Text(""), 0},
      {Text(std::string("a\0b", 3)), Text(std::string("a\0c", 3)), 0},
      {adopt(ovMakeNone()), adopt(ovCopyObject(gdDefaultNone)), 0}, {adopt(ovMakeUndef()), adopt(ovMakeNone()), no},
      {adopt(ovMakePointWin(1, 2)), adopt(ovMakePointWin(1, 2)), 0},
      {adopt(ovMakePointWin(1, 2)), adopt(ovMakePointWin(2, 1)), unordered},
      {adopt(ovMakeRectMac(1, 2, 3, 4)), adopt(ovMakeRectMac(1, 2, 3, 4)), 0},
      {adopt(ovMakeRectMac(1, 2, 3, 4)), adopt(ovMakeRectMac(1, 2, 3, 5)), unordered},
      {adopt(ovMakeRGB(1, 2, 3)), adopt(ovMakeRGB(1, 2, 3)), 0},
      {adopt(ovMakeRGB(1, 2, 3)), adopt(ovMakeRGB(1, 2, 4)), unordered},
      {adopt(ovMakeRGB(2, 2, 3)), adopt(ovMakeRGB(1, 2, 3)), unordered},
      {adopt(ovMakeRGB(1, 3, 3)), adopt(ovMakeRGB(1, 2, 3)), unordered},
      {adopt(ovMakePointWin(1, 2)), adopt(ovMakePointWin(1, 3)), unordered},
      {adopt(ovMakeRectMac(2, 2, 3, 4)), adopt(ovMakeRectMac(1, 2, 3, 4)), unordered},
      {adopt(ovMakeRectMac(1, 3, 3, 4)), adopt(ovMakeRectMac(1, 2, 3, 4)), unordered},
      {adopt(ovMakeRectMac(1, 2, 4, 4)), adopt(ovMakeRectMac(1, 2, 3, 4)), unordered},
      {adopt(ovMakePtr(&type, &cell)), adopt(ovMakePtr(&type, &word)), unordered},
      {adopt(ovMakePointWin(1, 2)), adopt(ovMakeRectMac(1, 2, 3, 4)), no},
      {adopt(ovMakePtr(&type, &cell)), adopt(ovMakePtr(nullptr, &cell)), 0},  // the pointee type does not count
      {adopt(ovMakePtr(&type, &cell)), adopt(ovMakeHandle(&type, &cell)), unordered},
      {external(&type, 4, &word), external(&type, 4, &word), 0},
      {external(&type, 4, &word), external(&type, 4, &different), no},
      {external(&type, 4, &word), external(&other, 4, &word), no},
      {external(&type, 4, &word), external(&type, 3, &word), no},
      {instance, instance, 0}, {instance, adopt(ovMakeEmptyInstance(&cls)), unordered},
      {List(Int(1), List(Int(2), Int(3))), List(Int(1), List(Int(2), Real(3.0))), 0},
      {List(Int(1), Int(2)), List(Int(1), Int(3)), unordered}, {List(Int(1)), List(Int(1), Int(2)), unordered},
      {List(Int(1)), List(Text("1")), unordered}, {List(), List(), 0}, {List(), Int(0), no},
      {adopt(ovMakeList(2)), adopt(ovMakeList(2)), 0}, {adopt(ovMakeList(2)), List(ovRef(), Int(5)), unordered},
  };
  for (size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(ovCompare(cases[i].a.get(), cases[i].b.get()), cases[i].result) << "case " << i;
}

TEST(CompareStrings, LimitsNullsLengthRuleAndWindows1252CaseFolding) {
  EXPECT_EQ(ovCompareStrings(nullptr, nullptr, 1, 0, 0, 1), 0);
  EXPECT_EQ(ovCompareStrings(nullptr, "a", 1, 0, 0, 1), -1);
  EXPECT_EQ(ovCompareStrings("a", nullptr, 1, 0, 0, 1), 1);
  EXPECT_EQ(ovCompareStrings("abc", "abd", 1, 0, 2, 1), 0) << "only two characters compared";
  EXPECT_EQ(ovCompareStrings("abc", "abd", 1, 0, 3, 1), -1);
  EXPECT_EQ(ovCompareStrings("ab", "abc", 1, 0, 0, 0), 0) << "length does not count";
  EXPECT_EQ(ovCompareStrings("(x", "(", 1, 0, 1, 1), 0) << "a single delimiter test";
  // Without case, Windows-1252 letters fold.
  EXPECT_EQ(ovCompareStrings("abc", "ABC", 0, 0, 0, 1), 0);
  EXPECT_EQ(ovCompareStrings("\xE9t\xE9", "\xC9T\xC9", 0, 0, 0, 1), 0);
  EXPECT_EQ(ovCompareStrings("\x9A\x9C\x9E\xFF", "\x8A\x8C\x8E\x9F", 0, 0, 0, 1), 0);
  EXPECT_EQ(ovCharUpper1252('\xF7'), '\xF7') << "the division sign has no capital";
  EXPECT_EQ(ovCharUpper1252('\xDF'), '\xDF');
  EXPECT_NE(ovCompareStrings("abc", "ABC", 1, 0, 0, 1), 0);
}

// Self-containing lists terminate; the marks are cleared after them and after
// an early difference.
TEST_F(CompareTest, ComparisonsOfListsTerminateAndLeaveNoMarks) {
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
  ovRef inner = List(Int(1), Int(2));
  ovRef c = List(inner, Int(1));
  EXPECT_EQ(ovCompare(c.get(), List(List(Int(1), Int(3)), Int(1)).get()), ovCompareUnordered);
  EXPECT_EQ(inner->visitMark, 0u);
  EXPECT_EQ(c->visitMark, 0u);
  EXPECT_EQ(ovCompare(c.get(), List(List(Int(1), Int(2)), Int(1)).get()), 0);
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
