#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "runtime/values/byte_search.h"
#include "runtime/values/instance.h"
#include "runtime/values/list.h"
#include "runtime/values/make.h"
#include "runtime/values/path_name.h"
#include "runtime/values/read.h"
#include "runtime/values/text.h"
#include "runtime_fixture.h"

namespace {

std::string str(ovC_object* t) {
  if (!t) return "<null>";
  return std::string(ovStringGetPtr(t), ovStringGetLength(t));
}

// The text and drops it.
std::string take(ovC_object* t) {
  std::string s = str(t);
  ovDecUse(t);
  return s;
}

ovC_list* listOf(std::initializer_list<ovC_object*> items) {
  auto* list = ovAs<ovC_list>(ovMakeList(0));
  for (ovC_object* v : items) ovListAppend(list, v, 0);
  return list;
}

}  // namespace

using Texts = RuntimeTest;
using Lists = RuntimeTest;

TEST_F(Texts, ExtractClampsAndSwapsItsBounds) {
  ovC_object* t = ovMakeText("abcdef");
  EXPECT_EQ(take(ovStringMakeSubString(t, 4, 1)), "bcd");
  EXPECT_EQ(take(ovStringMakeSubString(t, 2, 2)), "");
  EXPECT_EQ(take(ovStringMakeSubString(t, 3, 99)), "def");
  EXPECT_EQ(take(ovStringMakeSubString(t, 99, 7)), "");
  ovDecUse(t);
}

TEST_F(Texts, GrowingKeepsTheObjectAndItsTerminatingNul) {
  ovC_object* t = ovMakeText("ab");
  ovC_object* wall = ovMakeInteger(12345);  // forces the characters out of line
  ovC_object* same = t;
  ovStringJoin(t, t);
  EXPECT_EQ(str(t), "abab");
  ovAs<ovC_text>(t)->Stretch("-stretched-beyond-the-inline-reserve");
  ovStringPad(t, 3, '!');
  EXPECT_EQ(t, same);
  EXPECT_EQ(str(t), "abab-stretched-beyond-the-inline-reserve!!!");
  EXPECT_EQ(ovStringGetPtr(t)[ovStringGetLength(t)], '\0');
  ovStringJoin(t, nullptr);
  EXPECT_EQ(ovStringGetLength(t), 43u);
  ovDecUse(t);
  ovDecUse(wall);
}

TEST_F(Texts, AppendingACharacterAtATimeRarelyMovesTheCharacters) {
  ovC_object* t = ovMakeText("");
  std::vector<ovC_object*> walls;
  std::string expected;
  int moves = 0;
  for (int i = 0; i < 1000; ++i) {
    char* before = ovStringGetPtr(t);
    char added[2] = {static_cast<char>('a' + i % 26), '\0'};
    ovAs<ovC_text>(t)->Stretch(added);
    expected += added;
    if (ovStringGetPtr(t) != before) ++moves;
    walls.push_back(ovMakeInteger(i + 2));  // allocated right behind the characters
  }
  EXPECT_LT(moves, 30);
  EXPECT_EQ(str(t), expected);
  EXPECT_EQ(ovStringGetPtr(t)[ovStringGetLength(t)], '\0');
  ovDecUse(t);
  for (ovC_object* wall : walls) ovDecUse(wall);
}

TEST_F(Texts, CharacterAccessOutOfRangeReadsZeroAndWritesNothing) {
  ovC_object* t = ovMakeText("xyz");
  ovStringSetNthChar(t, 1, 'Y');
  ovStringSetNthChar(t, 3, 'Q');
  EXPECT_EQ(str(t), "xYz");
  EXPECT_EQ(ovStringGetNthChar(t, 2), 'z');
  EXPECT_EQ(ovStringGetNthChar(t, 3), '\0');
  EXPECT_EQ(ovStringGetLength(gdDefaultZero), 0u);
  EXPECT_EQ(ovStringGetLength(nullptr), 0u);
  ovDecUse(t);
}

TEST_F(Texts, MakersHandleNullSourcesAndEmbeddedNuls) {
  EXPECT_EQ(take(ovMakeText(nullptr)), "");
  EXPECT_EQ(take(ovMakeTextFromPString(nullptr)), "");
  const unsigned char pstring[] = {3, 'a', 'b', 'c', 'd'};
  EXPECT_EQ(take(ovMakeTextFromPString(pstring)), "abc");
  EXPECT_EQ(take(ovMakeTextFromString("a\0b", 3)), std::string("a\0b", 3));
  EXPECT_EQ(take(ovMakeTextFromString(nullptr, 2)), std::string(2, '\0'));
}

TEST_F(Texts, FindingCharactersAndSubstrings) {
  ovC_object* t = ovMakeText("xxab");
  ovC_object* ab = ovMakeText("ab");
  ovC_object* empty = ovMakeText("");
  EXPECT_EQ(ovStringFindSubString(t, ab, 0), 2);
  EXPECT_EQ(ovStringFindSubString(t, ab, 3), -1);
  EXPECT_EQ(ovStringFindSubString(t, empty, 1), 1);
  EXPECT_EQ(ovStringFindSubString(t, empty, 4), -1);
  EXPECT_EQ(ovStringFindChar(t, 'a', 0), 2);
  EXPECT_EQ(ovStringFindChar(t, 'a', 3), -1);
  EXPECT_EQ(ovStringFindChar(t, 'x', 4), -1);
  EXPECT_EQ(ovSearchChar("ab\0ac", 5, 'c', 0), -1);  // a NUL ends the scan
  EXPECT_EQ(ovSearchString("aaab", 4, "ab", 2, 0), 2);
  for (ovC_object* v : {t, ab, empty}) ovDecUse(v);
}

TEST(NumToString, PadsAndNeverWritesPastItsBuffer) {
  char out[64];
  ovNumToString(255, 16, out, 8);
  EXPECT_STREQ(out, "000000FF");
  ovNumToString(0, 10, out, 0);
  EXPECT_STREQ(out, "0");
  ovNumToString(0xFFFFFFFF, 2, out, 0);
  EXPECT_STREQ(out, "11111111111111111111111111111111");
  ovNumToString(35, 36, out, 1);
  EXPECT_STREQ(out, "Z");
  std::memset(out, '#', sizeof out);
  ovNumToString(7, 10, out, 1000);
  EXPECT_EQ(std::strlen(out), ovNumToStringCapacity - 1);
  EXPECT_EQ(out[ovNumToStringCapacity - 2], '7');
  EXPECT_EQ(out[ovNumToStringCapacity], '#');
  ovNumToString(7, 1, out, 4);
  EXPECT_STREQ(out, "");
}

TEST(PStrings, EqualWhenLengthAndCharactersAgree) {
  const unsigned char a[] = {2, 'h', 'i'}, b[] = {2, 'h', 'i'}, c[] = {2, 'h', 'o'}, d[] = {1, 'h'};
  EXPECT_EQ(ovPStringsEqual(a, b), 1);
  EXPECT_EQ(ovPStringsEqual(a, c), 0);
  EXPECT_EQ(ovPStringsEqual(a, d), 0);
}

TEST_F(Texts, PathNamesSplitAtTheFirstSlash) {
  struct {
    const char* text;
    ovPath path;
    const char* cls;
    const char* name;
  } cases[] = {
      {"Window/Open", ovPathClass, "Window", "Open"},
      {"/Open", ovPathReceiver, nullptr, "Open"},
      {"//Open", ovPathCurrent, nullptr, "Open"},
      {"Open", ovPathPlain, nullptr, "Open"},
      {"Open/", ovPathPlain, nullptr, "Open/"},
      {"/", ovPathPlain, nullptr, "/"},
      {"//", ovPathPlain, nullptr, "//"},
      {"Window//Open", ovPathClass, "Window", "/Open"},
      {"///x", ovPathCurrent, nullptr, "/x"},
  };
  for (auto& c : cases) {
    ovC_object* text = ovMakeText(c.text);
    ovC_object* cls = nullptr;
    ovC_object* name = nullptr;
    EXPECT_EQ(ovScanNameAndParse(text, 1, &cls, &name), c.path) << c.text;
    EXPECT_EQ(take(cls), c.cls ? c.cls : "<null>") << c.text;
    EXPECT_EQ(take(name), c.name) << c.text;
    EXPECT_EQ(ovScanNameAndParse(text, 0, nullptr, nullptr), c.path);
    ovDecUse(text);
  }
  ovC_object* cls = gdDefaultTrue;
  ovC_object* name = gdDefaultTrue;
  EXPECT_EQ(ovScanNameAndParse(nullptr, 1, &cls, &name), ovPathPlain);
  EXPECT_EQ(cls, nullptr);
  EXPECT_EQ(name, nullptr);
}

TEST_F(Texts, PathNamesAreRebuiltFromTheirParts) {
  ovC_object* cls = ovMakeText("Window");
  ovC_object* name = ovMakeText("Open");
  EXPECT_EQ(take(ovMakePathName(cls, name, ovPathPlain)), "Open");
  EXPECT_EQ(take(ovMakePathName(cls, name, ovPathClass)), "Window/Open");
  EXPECT_EQ(take(ovMakePathName(cls, name, ovPathReceiver)), "/Open");
  EXPECT_EQ(take(ovMakePathName(cls, name, ovPathCurrent)), "//Open");
  EXPECT_EQ(take(ovMakePathName(cls, name, 7)), "");
  EXPECT_EQ(take(ovMakePathName(nullptr, nullptr, ovPathCurrent)), "//");
  ovDecUse(cls);
  ovDecUse(name);
}

TEST_F(Lists, InsertBeyondTheEndAppendsAndRemoveBeyondItDoesNothing) {
  ovC_object* a = ovMakeText("a");
  ovC_object* b = ovMakeText("b");
  ovC_object* c = ovMakeText("c");
  ovC_list* list = listOf({a, b});
  list->Insert(c, 10, 0);
  EXPECT_EQ(list->length, 3u);
  EXPECT_EQ(list->GetNth(2, 0), c);
  list->Remove(3, 1);
  EXPECT_EQ(list->length, 3u);
  list->Insert(ovMakeInteger(9), 0, 0);
  EXPECT_EQ(ovGetInteger(list->GetNth(0, 0)), 9);
  EXPECT_EQ(list->GetNth(1, 0), a);
  list->Remove(0, 1);
  EXPECT_EQ(list->GetNth(0, 0), a);
  EXPECT_EQ(list->GetNth(3, 0), nullptr);
  ovDecUse(list);
}

TEST_F(Lists, ExtractClampsAndRaisesCountsWhenAsked) {
  ovC_object* a = ovMakeText("a");
  ovC_object* b = ovMakeText("b");
  ovC_object* c = ovMakeText("c");
  ovC_list* list = listOf({a, b, c});
  ovC_list* tail = list->Extract(1, 100, 1);
  ASSERT_EQ(tail->length, 2u);
  EXPECT_EQ(tail->GetNth(0, 0), b);
  EXPECT_EQ(tail->GetNth(1, 0), c);
  EXPECT_EQ(b->useCount, 2u);
  EXPECT_EQ(a->useCount, 1u);
  ovC_list* none1 = list->Extract(2, 1, 0);
  ovC_list* none2 = list->Extract(5, 9, 0);
  EXPECT_EQ(none1->length, 0u);
  EXPECT_EQ(none2->length, 0u);
  for (ovC_object* v : std::initializer_list<ovC_object*>{tail, none1, none2, list}) ovDecUse(v);
}

TEST_F(Lists, SetNthTakesOverAndDropsAsAsked) {
  ovC_object* a = ovMakeText("a");
  ovC_object* b = ovMakeText("b");
  ovC_list* list = listOf({a});
  ovListSetSlot(list, 0, 1, 1, b);  // b now has two uses, a is gone
  EXPECT_EQ(b->useCount, 2u);
  ovListSetSlot(list, 0, 1, 1, b);  // storing the same value again is safe
  EXPECT_EQ(b->useCount, 2u);
  ovListSetSlot(list, 5, 1, 1, b);  // beyond the end: nothing
  EXPECT_EQ(b->useCount, 2u);
  EXPECT_EQ(ovListGetSlot(list, 0, 1), b);
  EXPECT_EQ(b->useCount, 3u);
  ovDecUse(b);
  ovDecUse(b);
  ovDecUse(list);
}

TEST_F(Lists, JoinAppendsAnotherListOrItself) {
  ovC_object* x = ovMakeText("x");
  ovC_list* list = listOf({x});
  ovC_list* other = listOf({ovMakeInteger(5), ovMakeInteger(6)});
  ovListJoin(list, other, 1);
  ovListJoin(list, list, 1);
  ASSERT_EQ(list->length, 6u);
  EXPECT_EQ(list->GetNth(3, 0), x);
  EXPECT_EQ(ovGetInteger(list->GetNth(5, 0)), 6);
  EXPECT_EQ(x->useCount, 2u);
  ovDecUse(other);
  ovDecUse(list);
}

TEST_F(Lists, RemovingTheLastUseOfAListFromItselfIsSafe) {
  auto* outer = ovAs<ovC_list>(ovMakeList(0));
  auto* inner = ovAs<ovC_list>(ovMakeList(0));
  ovListAppend(inner, outer, 1);   // inner -> outer
  ovListAppend(outer, inner, 0);   // outer owns inner: a cycle
  ovDecUse(outer);                 // outer now lives only through inner
  // Removing outer from inner drops outer's last use, which destroys outer
  // and with it inner's last use; neither is touched afterwards.
  ovListDeleteItem(inner, 0, 1);
}

TEST_F(Lists, ShrinkAfterRemovalsKeepsTheElementsAndTheHeader) {
  auto* list = ovAs<ovC_list>(ovMakeList(0));
  ovC_object* wall = nullptr;
  for (int i = 0; i < 40; ++i) {
    ovListAppend(list, ovMakeInteger(1000 + i), 0);
    if (i == 2) wall = ovMakeReal(0.5);
  }
  for (int i = 0; i < 35; ++i) ovListDeleteItem(list, 0, 1);
  list->ShrinkToLength();
  ASSERT_EQ(list->length, 5u);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(ovGetInteger(list->GetNth(i, 0)), 1035 + i);
  ovDecUse(list);
  ovDecUse(wall);
}

TEST_F(Lists, AppendingAnElementAtATimeRarelyMovesTheElements) {
  auto* list = ovAs<ovC_list>(ovMakeList(0));
  int moves = 0;
  for (int i = 0; i < 1000; ++i) {
    ovC_object** before = list->Elements();
    ovListAppend(list, ovMakeInteger(1000 + i), 0);  // each allocated right behind the elements
    if (list->Elements() != before) ++moves;
  }
  EXPECT_LT(moves, 30);
  ASSERT_EQ(list->length, 1000u);
  EXPECT_GE(list->Capacity(), 1000u);
  for (uint32_t i = 0; i < 1000; ++i) ASSERT_EQ(ovGetInteger(list->GetNth(i, 0)), 1000 + static_cast<int32_t>(i));
  ovDecUse(list);
}

TEST_F(Lists, RemovalsAndShrinkToLengthGiveTheRoomBack) {
  auto* list = ovAs<ovC_list>(ovMakeList(0));
  for (int i = 0; i < 100; ++i) ovListAppend(list, ovMakeInteger(1000 + i), 0);
  ASSERT_GT(list->Capacity(), 100u) << "growth one at a time leaves room";
  while (list->length > 10) {
    ovListDeleteItem(list, 0, 1);
    ASSERT_LT(list->Capacity(), 4 * (list->length + 1)) << "at length " << list->length;
  }
  list->Reserve(50);
  EXPECT_EQ(list->Capacity(), 50u);
  list->ShrinkToLength();
  EXPECT_EQ(list->Capacity(), 10u);
  for (uint32_t i = 0; i < 10; ++i) EXPECT_EQ(ovGetInteger(list->GetNth(i, 0)), 1090 + static_cast<int32_t>(i));
  ovDecUse(list);
}

TEST_F(Lists, DeeplyNestedListsAreDestroyedWithoutRecursion) {
  ovC_object* chain = ovMakeList(0);
  for (int i = 0; i < 1000000; ++i) {
    ovC_object* outer = ovMakeList(0);
    ovListAppend(outer, chain, 0);
    chain = outer;
  }
  ovDecUse(chain);
}

TEST_F(Lists, InstancesHoldOneSlotPerAttributeAndCheckTheirBounds) {
  RTClass cls{};
  cls.slotCount = 3;
  ovC_object* x = ovMakeEmptyInstance(&cls);
  EXPECT_EQ(ovInstanceGetLength(x), 3u);
  for (uint32_t i = 0; i < 3; ++i) EXPECT_EQ(ovInstanceGetSlot(x, i, 0), nullptr);
  ovC_object* t = ovMakeText("slot");
  ovInstanceSetSlot(x, 2, 1, 0, t);
  ovInstanceSetSlot(x, 3, 1, 1, t);  // beyond the class's slots: nothing
  EXPECT_EQ(ovInstanceGetSlot(x, 2, 0), t);
  EXPECT_EQ(ovInstanceGetSlot(x, 3, 0), nullptr);
  EXPECT_EQ(ovInstanceGetSlot(t, 0, 0), nullptr);  // not an instance
  EXPECT_EQ(t->useCount, 1u);
  ovDecUse(x);
}
