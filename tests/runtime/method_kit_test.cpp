// Method bodies written with the kit: cases, failure controls, loops over
// list inputs with list and partitioned outputs, a repeat; and the support
// routines they stand on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/methods/kit.h"
#include "runtime/methods/support.h"
#include "runtime/values/list.h"
#include "runtime/values/make.h"
#include "runtime/values/read.h"
#include "runtime/values/text.h"
#include "runtime_fixture.h"

namespace {

ovRef listOf(std::initializer_list<int32_t> numbers) {
  ovRef list = ovRef::adopt(ovMakeList(0));
  for (int32_t n : numbers) ovListAppend(list.get(), ovMakeInteger(n), 0);
  return list;
}

std::vector<int32_t> numbers(const ovRef& list) {
  std::vector<int32_t> out;
  for (uint32_t i = 0; i < ovListGetLength(list.get()); ++i) out.push_back(ovGetInteger(ovListGetSlot(list.get(), i, 0)));
  return out;
}

// Case 1 answers for integers, case 2 for texts; anything else falls off
// the last case and fails.
ovStatus classify(const ov::Args& a) {
  return ov::cases(
      [&]() -> ovStatus {
        if (!ovIsKind(a[0], ovKindInteger)) return ov::kNextCase;
        a.put(0, ovRef::adopt(ovMakeText("integer")));
        return ovSuccess;
      },
      [&]() -> ovStatus {
        if (UCMatchEmptyString(a[0]) == ovSuccess) return ovTerminate;
        if (!ovIsKind(a[0], ovKindText)) return ov::kNextCase;
        a.put(0, ovRef::adopt(ovMakeText("text")));
        return ovSuccess;
      });
}

// Doubles every element of a list; negative elements fail the iteration
// (stopping the loop), zero finishes it after keeping its result, and
// elements above 100 give none (nothing gathered).
ovStatus doubleAll(const ov::Args& a) {
  ov::ListLoop loop({a[0]});
  ov::ListOutput doubled(loop);
  ov::LastOutput last;
  loop.run([&](ov::Iteration& it) -> ovStatus {
    int32_t n = ovGetInteger(it.element(0));
    if (n < 0) return ovFailure;
    it.addTo(doubled, n > 100 ? ovRef::adopt(ovMakeNone()) : RuntimeTest::Int(2 * n));
    it.setLast(last, ovRef::share(it.element(0)));
    return n == 0 ? ovFinish : ovSuccess;
  });
  a.put(0, doubled.take());
  a.put(1, last.take());
  return ovSuccess;
}

// Splits a list into the elements at or above a threshold and the rest.
ovStatus splitAt(const ov::Args& a) {
  int32_t threshold = ovGetInteger(a[1]);
  ov::ListLoop loop({a[0]});
  ov::PartitionOutput parts(loop);
  loop.run([&](ov::Iteration& it) -> ovStatus {
    it.partition(parts, ovRef::share(it.element(0)),
                 ovRef::adopt(ovMakeBoolean(ovGetInteger(it.element(0)) >= threshold)));
    return ovSuccess;
  });
  a.put(0, parts.whenTrue.take());
  a.put(1, parts.whenFalse.take());
  return ovSuccess;
}

// Adds pairs from two lists: the shorter list bounds the loop.
ovStatus addPairs(const ov::Args& a) {
  auto [left, right] = a.inputs<0, 1>();
  ov::ListLoop loop({left, right});
  ov::ListOutput sums(loop);
  loop.run([&](ov::Iteration& it) -> ovStatus {
    it.addTo(sums, RuntimeTest::Int(ovGetInteger(it.element(0)) + ovGetInteger(it.element(1))));
    return ovSuccess;
  });
  a.put(0, sums.take());
  return ovSuccess;
}

// Halves its input until it is odd, by a repeat with a loop-carried value.
ovStatus halveToOdd(const ov::Args& a) {
  ovRef carried = ovRef::share(a[0]);
  ov::repeat([&]() -> ovStatus {
    int32_t n = ovGetInteger(carried.get());
    if (n % 2 != 0 || n == 0) return ovTerminate;
    carried = RuntimeTest::Int(n / 2);
    return ovSuccess;
  });
  a.put(0, std::move(carried));
  return ovSuccess;
}

}  // namespace

using MethodKit = RuntimeTest;

TEST_F(MethodKit, CasesRunInTurnAndTheLastHandOverFails) {
  auto i = ov::call(ov::routine<classify>, {RuntimeTest::Int(5)});
  EXPECT_EQ(i.status, ovSuccess);
  EXPECT_EQ(std::string(ovStringGetPtr(i.get())), "integer");
  EXPECT_EQ(i.get()->useCount, 1u);  // exactly the caller's use
  auto t = ov::call(ov::routine<classify>, {ovRef::adopt(ovMakeText("x"))});
  EXPECT_EQ(std::string(ovStringGetPtr(t.get())), "text");
  auto other = ov::call(ov::routine<classify>, {gdDefaultTrue});
  EXPECT_TRUE(other.failed());
  EXPECT_EQ(other.get(), nullptr);
  // Terminate counts as success for a single call, and writes no output.
  auto empty = ov::call(ov::routine<classify>, {ovRef::adopt(ovMakeText(""))});
  EXPECT_EQ(empty.status, ovTerminate);
  EXPECT_FALSE(empty.failed());
  EXPECT_EQ(empty.get(), nullptr);
}

TEST_F(MethodKit, LoopsGatherListsAndStopOnFailureFinishAndTerminate) {
  auto all = ov::call<2>(ov::routine<doubleAll>, {listOf({1, 2, 3})});
  EXPECT_EQ(numbers(all[0]), (std::vector<int32_t>{2, 4, 6}));
  EXPECT_EQ(ovGetInteger(all.get(1)), 3);
  // Failure (bit 0) stops at once: the failing pass gathers nothing, the
  // enclosing method goes on with what was gathered.
  auto failed = ov::call<2>(ov::routine<doubleAll>, {listOf({1, 2, -1, 4})});
  EXPECT_EQ(failed.status, ovSuccess);
  EXPECT_EQ(numbers(failed[0]), (std::vector<int32_t>{2, 4}));
  EXPECT_EQ(ovGetInteger(failed.get(1)), 2);
  // Finish keeps its pass, then stops.
  auto finished = ov::call<2>(ov::routine<doubleAll>, {listOf({1, 0, 5})});
  EXPECT_EQ(numbers(finished[0]), (std::vector<int32_t>{2, 0}));
  EXPECT_EQ(ovGetInteger(finished.get(1)), 0);
  // None is not gathered.
  auto skipped = ov::call<2>(ov::routine<doubleAll>, {listOf({1, 200, 3})});
  EXPECT_EQ(numbers(skipped[0]), (std::vector<int32_t>{2, 6}));
  // Every gathered element carries exactly the list's use.
  EXPECT_EQ(ovListGetSlot(all.get(0), 1, 0)->useCount, 1u);
  EXPECT_EQ(all.get(0)->useCount, 1u);
  auto parts = ov::call<2>(ov::routine<splitAt>, {listOf({5, 1, 9, 3, 7}), RuntimeTest::Int(5)});
  EXPECT_EQ(numbers(parts[0]), (std::vector<int32_t>{5, 9, 7})) << "a partition's TRUE side";
  EXPECT_EQ(numbers(parts[1]), (std::vector<int32_t>{1, 3}));
  auto sums = ov::call(ov::routine<addPairs>, {listOf({1, 2, 3}), listOf({10, 20, 30, 40, 50})});
  EXPECT_EQ(numbers(sums[0]), (std::vector<int32_t>{11, 22, 33})) << "the shortest list bounds the loop";
  // Outputs beyond what the caller asked for are dropped.
  EXPECT_EQ(numbers(ov::call<1>(ov::routine<doubleAll>, {listOf({4})})[0]), (std::vector<int32_t>{8}));
  // Terminate stops without keeping its pass.
  std::vector<int32_t> seen;
  ovRef list = listOf({1, 2, 3, 4});
  ov::ListLoop loop({list});
  ov::ListOutput kept(loop);
  loop.run([&](ov::Iteration& it) -> ovStatus {
    seen.push_back(ovGetInteger(it.element(0)));
    it.addTo(kept, ovRef::share(it.element(0)));
    return it.index() == 2 ? ovTerminate : ovSuccess;
  });
  EXPECT_EQ(seen, (std::vector<int32_t>{1, 2, 3}));
  EXPECT_EQ(numbers(kept.take()), (std::vector<int32_t>{1, 2}));
}

// Terminate, failure and finish stop it; a list's elements are visited until
// one fails.
TEST_F(MethodKit, RepeatsAndWalksRunUntilTheirBodyStops) {
  auto odd = ov::call(ov::routine<halveToOdd>, {RuntimeTest::Int(48)});
  EXPECT_EQ(ovGetInteger(odd.get()), 3);
  int runs = 0;
  ov::repeat([&] { return ++runs == 2 ? ovFailure : ovSuccess; });
  ov::repeat([&] { return ++runs == 4 ? ovFinish : ovSuccess; });
  EXPECT_EQ(runs, 4);
  auto failOnTwo = [&](ovC_object* v) {
    ++runs;
    return ovGetInteger(v) == 2 ? ovFailure : ovSuccess;
  };
  EXPECT_EQ(ov::forEach(listOf({1, 2, 3}), failOnTwo), ovFailure);
  EXPECT_EQ(ov::forEach(Int(1), [](ovC_object*) { return ovFailure; }), ovSuccess) << "no list, no calls";
  EXPECT_EQ(runs, 6);
}

TEST_F(MethodKit, FramesEmptyEverySlotAtCaseExit) {
  ovC_object* frame[15];
  UCEnterMethod(15, frame);
  for (ovC_object* slot : frame) EXPECT_EQ(slot, nullptr);
  UCConstantInteger(1234, &frame[0]);
  UCConstantString("x", &frame[1]);
  UCConstantTrue(&frame[2]);
  double half = 0.5;
  UCConstantReal(&half, &frame[3]);
  UCConstantPoint(1, 2, &frame[4]);
  UCConstantRect(1, 2, 3, 4, &frame[5]);
  UCConstantEmptyList(&frame[6]);
  ovC_object* elements[] = {frame[0], frame[1]};
  UCConstantList(&frame[7], 2, elements);
  EXPECT_EQ(frame[0]->useCount, 2u);  // the frame's and the list's
  EXPECT_EQ(ovAs<ovC_rect>(frame[5])->top, 1);
  UCExitMethod(15, frame);
  for (ovC_object* slot : frame) EXPECT_EQ(slot, nullptr);
}

TEST_F(MethodKit, MatchersAnswerZeroForAMatch) {
  ovRef move = Text("MOVE"), moved = Text("MOVED"), three = Text("3"), real3 = Real(3.0), real35 = Real(3.5);
  ovRef empty = List(), one = List(Int(1));
  const std::pair<ovStatus, ovStatus> cases[] = {
      {UCMatchString(4, "MOVE", move.get()), ovSuccess}, {UCMatchString(4, "MOVE", moved.get()), ovFailure},
      {UCMatchString(4, "MOVE", nullptr), ovFailure},    {UCMatchInteger(3, Int(3).get()), ovSuccess},
      {UCMatchInteger(3, real3.get()), ovSuccess},       {UCMatchInteger(3, real35.get()), ovFailure},
      {UCMatchInteger(3, three.get()), ovFailure},       {UCMatchNone(gdDefaultNone), ovSuccess},
      {UCMatchNone(nullptr), ovFailure},                 {UCMatchTrue(gdDefaultTrue), ovSuccess},
      {UCMatchTrue(gdDefaultFalse), ovFailure},          {UCMatchFalse(gdDefaultFalse), ovSuccess},
      {UCMatchFalse(gdDefaultTrue), ovFailure},          {UCMatchFalse(nullptr), ovFailure},
      {UCMatchEmptyList(empty.get()), ovSuccess},        {UCMatchEmptyList(one.get()), ovFailure},
      {UCMatchEmptyList(nullptr), ovFailure},
  };
  for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(cases[i].first, cases[i].second) << "case " << i;
}

TEST_F(MethodKit, ListRoutinesKeepCountsBalanced) {
  ovC_object* slot = nullptr;
  UCNewRootList(-1, &slot);
  EXPECT_EQ(ovListGetLength(slot), 0u);
  ovC_object* item = ovMakeInteger(9);
  UCAddList(slot, &item);
  EXPECT_EQ(item, nullptr);
  ovC_object* none = gdDefaultNone;
  UCAddList(slot, &none);
  EXPECT_EQ(none, gdDefaultNone);
  EXPECT_EQ(ovListGetLength(slot), 1u);
  UCSetListLength(slot, 5);  // beyond its room: the storage grows
  EXPECT_EQ(ovListGetSlot(slot, 4, 0), nullptr);
  UCSetListLength(slot, 1);
  ovC_object* element = nullptr;
  UCNextList(0, slot, &element);
  EXPECT_EQ(element->useCount, 2u);
  ovC_object* moved = nullptr;
  UCSimple(&element, &moved);
  EXPECT_EQ(element, nullptr);
  ovDecUse(moved);
  int32_t bound = -1;
  UCMaxCounter(slot, &bound);
  EXPECT_EQ(bound, 1);
  ovDecUse(slot);
}
