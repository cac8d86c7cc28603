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

std::string str(ovC_object* t) { return t ? std::string(ovStringGetPtr(t), ovStringGetLength(t)) : "<null>"; }

// The text and drops it.
std::string take(ovC_object* t) {
  std::string s = str(t);
  ovDecUse(t);
  return s;
}

}  // namespace

using Texts = RuntimeTest;
using Lists = RuntimeTest;

TEST_F(Texts, ExtractClampsAndSwapsItsBounds) {
  const struct {
    uint32_t a, b;
    const char* part;
  } cases[] = {{4, 1, "bcd"}, {2, 2, ""}, {3, 99, "def"}, {99, 7, ""}};
  ovRef t = Text("abcdef");
  for (const auto& c : cases) EXPECT_EQ(take(ovStringMakeSubString(t.get(), c.a, c.b)), c.part) << c.a << " " << c.b;
}

TEST_F(Texts, GrowingKeepsTheObjectAndItsTerminatingNul) {
  ovRef t = Text("ab");
  ovRef wall = Int(12345);  // forces the characters out of line
  ovC_object* same = t.get();
  ovStringJoin(t.get(), t.get());
  EXPECT_EQ(str(t.get()), "abab");
  t.as<ovC_text>()->Stretch("-stretched-beyond-the-inline-reserve");
  ovStringPad(t.get(), 3, '!');
  EXPECT_EQ(t.get(), same);
  EXPECT_EQ(str(t.get()), "abab-stretched-beyond-the-inline-reserve!!!");
  EXPECT_EQ(ovStringGetPtr(t.get())[ovStringGetLength(t.get())], '\0');
  ovStringJoin(t.get(), nullptr);
  EXPECT_EQ(ovStringGetLength(t.get()), 43u);
}

// Texts and lists grown one item at a time, each followed by a new value
// allocated right behind their storage, move it only now and then.
TEST_F(Lists, TextsAndListsAppendedOneAtATimeRarelyMoveTheirStorage) {
  ovRef t = Text("");
  ovRef list = List();
  std::vector<ovRef> walls;
  std::string expected;
  int textMoves = 0, listMoves = 0;
  for (int i = 0; i < 1000; ++i) {
    char* chars = ovStringGetPtr(t.get());
    char added[2] = {static_cast<char>('a' + i % 26), '\0'};
    t.as<ovC_text>()->Stretch(added);
    expected += added;
    textMoves += ovStringGetPtr(t.get()) != chars;
    walls.push_back(Int(i + 2));
    ovC_object** elements = list.as<ovC_list>()->Elements();
    ovListAppend(list.get(), ovMakeInteger(1000 + i), 0);
    listMoves += list.as<ovC_list>()->Elements() != elements;
  }
  EXPECT_LT(textMoves, 30);
  EXPECT_LT(listMoves, 30);
  EXPECT_EQ(str(t.get()), expected);
  EXPECT_EQ(ovStringGetPtr(t.get())[ovStringGetLength(t.get())], '\0');
  ASSERT_EQ(ovListGetLength(list.get()), 1000u);
  EXPECT_GE(list.as<ovC_list>()->Capacity(), 1000u);
  for (uint32_t i = 0; i < 1000; ++i)
    ASSERT_EQ(ovGetInteger(ovListGetSlot(list.get(), i, 0)), 1000 + static_cast<int32_t>(i));
}

TEST_F(Texts, CharacterAccessOutOfRangeReadsZeroAndWritesNothing) {
  ovRef t = Text("xyz");
  ovStringSetNthChar(t.get(), 1, 'Y');
  ovStringSetNthChar(t.get(), 3, 'Q');
  EXPECT_EQ(str(t.get()), "xYz");
  EXPECT_EQ(ovStringGetNthChar(t.get(), 2), 'z');
  EXPECT_EQ(ovStringGetNthChar(t.get(), 3), '\0');
  EXPECT_EQ(ovStringGetLength(gdDefaultZero), 0u);
  EXPECT_EQ(ovStringGetLength(nullptr), 0u);
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
  ovRef t = Text("xxab"), ab = Text("ab"), empty = Text("");
  EXPECT_EQ(ovStringFindSubString(t.get(), ab.get(), 0), 2);
  EXPECT_EQ(ovStringFindSubString(t.get(), ab.get(), 3), -1);
  EXPECT_EQ(ovStringFindSubString(t.get(), empty.get(), 1), 1);
  EXPECT_EQ(ovStringFindSubString(t.get(), empty.get(), 4), -1);
  EXPECT_EQ(ovStringFindChar(t.get(), 'a', 0), 2);
  EXPECT_EQ(ovStringFindChar(t.get(), 'a', 3), -1);
  EXPECT_EQ(ovStringFindChar(t.get(), 'x', 4), -1);
  EXPECT_EQ(ovSearchChar("ab\0ac", 5, 'c', 0), -1);  // a NUL ends the scan
  EXPECT_EQ(ovSearchString("aaab", 4, "ab", 2, 0), 2);
}

TEST(NumToString, PadsAndNeverWritesPastItsBuffer) {
  const struct {
    uint32_t n, radix, width;
    const char* text;
  } cases[] = {{255, 16, 8, "000000FF"}, {0, 10, 0, "0"}, {0xFFFFFFFF, 2, 0, "11111111111111111111111111111111"},
               {35, 36, 1, "Z"}, {7, 1, 4, ""}, {7, 37, 4, ""}};
  char out[64];
  for (const auto& c : cases) {
    ovNumToString(c.n, c.radix, out, c.width);
    EXPECT_STREQ(out, c.text) << c.n << " in radix " << c.radix;
  }
  std::memset(out, '#', sizeof out);
  ovNumToString(7, 10, out, 1000);
  EXPECT_EQ(std::strlen(out), ovNumToStringCapacity - 1);
  EXPECT_EQ(out[ovNumToStringCapacity - 2], '7');
  EXPECT_EQ(out[ovNumToStringCapacity], '#');
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
    ovRef text = Text(c.text);
    ovC_object* cls = nullptr;
    ovC_object* name = nullptr;
    EXPECT_EQ(ovScanNameAndParse(text.get(), 1, &cls, &name), c.path) << c.text;
    EXPECT_EQ(take(cls), c.cls ? c.cls : "<null>") << c.text;
    EXPECT_EQ(take(name), c.name) << c.text;
    EXPECT_EQ(ovScanNameAndParse(text.get(), 0, nullptr, nullptr), c.path);
  }
  ovC_object* cls = gdDefaultTrue;
  ovC_object* name = gdDefaultTrue;
  EXPECT_EQ(ovScanNameAndParse(nullptr, 1, &cls, &name), ovPathPlain);
  EXPECT_EQ(cls, nullptr);
  EXPECT_EQ(name, nullptr);
}

TEST_F(Texts, PathNamesAreRebuiltFromTheirParts) {
  const std::pair<uint32_t, const char*> cases[] = {
      {ovPathPlain, "Open"},      {ovPathClass, "Window/Open"}, {ovPathReceiver, "/Open"},
      {ovPathCurrent, "//Open"}, {7, ""}};
  ovRef cls = Text("Window"), name = Text("Open");
  for (const auto& [path, text] : cases) EXPECT_EQ(take(ovMakePathName(cls.get(), name.get(), path)), text) << path;
  EXPECT_EQ(take(ovMakePathName(nullptr, nullptr, ovPathCurrent)), "//");
}

TEST_F(Lists, InsertBeyondTheEndAppendsAndRemoveBeyondItDoesNothing) {
  ovRef a = Text("a"), b = Text("b"), c = Text("c");
  ovRef list = List(a, b);
  auto* l = list.as<ovC_list>();
  l->Insert(c.get(), 10, 1);
  EXPECT_EQ(l->length, 3u);
  EXPECT_EQ(l->GetNth(2, 0), c.get());
  l->Remove(3, 1);
  EXPECT_EQ(l->length, 3u);
  l->Insert(ovMakeInteger(9), 0, 0);
  EXPECT_EQ(ovGetInteger(l->GetNth(0, 0)), 9);
  EXPECT_EQ(l->GetNth(1, 0), a.get());
  l->Remove(0, 1);
  EXPECT_EQ(l->GetNth(0, 0), a.get());
  EXPECT_EQ(l->GetNth(3, 0), nullptr);
}

TEST_F(Lists, ExtractClampsAndRaisesCountsWhenAsked) {
  ovRef a = Text("a"), b = Text("b"), c = Text("c");
  ovRef list = List(a, b, c);
  ovRef tail = ovRef::adopt(list.as<ovC_list>()->Extract(1, 100, 1));
  ASSERT_EQ(ovListGetLength(tail.get()), 2u);
  EXPECT_EQ(ovListGetSlot(tail.get(), 0, 0), b.get());
  EXPECT_EQ(ovListGetSlot(tail.get(), 1, 0), c.get());
  EXPECT_EQ(b->useCount, 3u);
  EXPECT_EQ(a->useCount, 2u);
  for (auto [from, to] : {std::pair{2u, 1u}, std::pair{5u, 9u}})
    EXPECT_EQ(ovListGetLength(ovRef::adopt(list.as<ovC_list>()->Extract(from, to, 0)).get()), 0u);
  EXPECT_EQ(ovListGetLength(ovRef::adopt(List().as<ovC_list>()->Extract(0, 0, 0)).get()), 0u);
}

TEST_F(Lists, SetNthTakesOverAndDropsAsAsked) {
  ovC_object* b = ovMakeText("b");
  ovRef list = List(Text("a"));
  ovListSetSlot(list.get(), 0, 1, 1, b);  // b now has two uses, a is gone
  EXPECT_EQ(b->useCount, 2u);
  ovListSetSlot(list.get(), 0, 1, 1, b);  // storing the same value again is safe
  EXPECT_EQ(b->useCount, 2u);
  ovListSetSlot(list.get(), 5, 1, 1, b);  // beyond the end: nothing
  EXPECT_EQ(b->useCount, 2u);
  EXPECT_EQ(ovListGetSlot(list.get(), 0, 1), b);
  EXPECT_EQ(b->useCount, 3u);
  ovDecUse(b);
  ovDecUse(b);
}

TEST_F(Lists, JoinAppendsAnotherListOrItself) {
  ovRef x = Text("x");
  ovRef list = List(x);
  ovListJoin(list.get(), List(Int(5), Int(6)).get(), 1);
  ovListJoin(list.get(), list.get(), 1);
  ovListJoin(list.get(), nullptr, 1);
  ASSERT_EQ(ovListGetLength(list.get()), 6u);
  EXPECT_EQ(ovListGetSlot(list.get(), 3, 0), x.get());
  EXPECT_EQ(ovGetInteger(ovListGetSlot(list.get(), 5, 0)), 6);
  EXPECT_EQ(x->useCount, 3u);
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

// With the list's own block grown in place, and with its elements moved out
// of line by a value made right behind it.
TEST_F(Lists, RemovalsAndShrinkToLengthGiveTheRoomBackAndKeepTheElements) {
  for (bool wall : {false, true}) {
    ovRef list = List();
    ovRef neighbour;
    for (int i = 0; i < 100; ++i) {
      ovListAppend(list.get(), ovMakeInteger(1000 + i), 0);
      if (wall && i == 2) neighbour = Real(0.5);
    }
    auto* l = list.as<ovC_list>();
    ASSERT_GT(l->Capacity(), 100u) << "growth one at a time leaves room";
    while (l->length > 10) {
      ovListDeleteItem(list.get(), 0, 1);
      ASSERT_LT(l->Capacity(), 4 * (l->length + 1)) << "at length " << l->length;
    }
    l->Reserve(50);
    EXPECT_EQ(l->Capacity(), 50u);
    l->ShrinkToLength();
    EXPECT_EQ(l->Capacity(), 10u);
    for (uint32_t i = 0; i < 10; ++i) EXPECT_EQ(ovGetInteger(l->GetNth(i, 0)), 1090 + static_cast<int32_t>(i)) << wall;
  }
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
  ovRef x = ovRef::adopt(ovMakeEmptyInstance(&cls));
  EXPECT_EQ(ovInstanceGetLength(x.get()), 3u);
  for (uint32_t i = 0; i < 3; ++i) EXPECT_EQ(ovInstanceGetSlot(x.get(), i, 0), nullptr);
  ovC_object* t = ovMakeText("slot");
  ovInstanceSetSlot(x.get(), 2, 1, 0, t);
  ovInstanceSetSlot(x.get(), 3, 1, 1, t);  // beyond the class's slots: nothing
  EXPECT_EQ(ovInstanceGetSlot(x.get(), 2, 0), t);
  EXPECT_EQ(ovInstanceGetSlot(x.get(), 3, 0), nullptr);
  EXPECT_EQ(ovInstanceGetSlot(t, 0, 0), nullptr);  // not an instance
  EXPECT_EQ(t->useCount, 1u);
}
