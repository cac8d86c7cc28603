#include "platform/handle_table.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

using platform::HandleKind;

TEST(HandleTable, LiveHandleGivesItsObjectOnlyForItsKind) {
  int object = 0;
  auto h = platform::handleCreate(HandleKind::Pen, &object);
  ASSERT_NE(h, 0u);
  EXPECT_EQ(platform::handleObject(h, HandleKind::Pen), &object);
  EXPECT_EQ(platform::handleObject(h, HandleKind::Brush), nullptr);
  EXPECT_EQ(platform::handleKind(h), HandleKind::Pen);
  EXPECT_FALSE(platform::handleRelease(h, HandleKind::Brush));
  EXPECT_TRUE(platform::handleRelease(h, HandleKind::Pen));
}

TEST(HandleTable, ReleasedHandleIsRefusedEvenWhenItsIndexIsReused) {
  int first = 0, second = 0;
  auto stale = platform::handleCreate(HandleKind::Brush, &first);
  ASSERT_TRUE(platform::handleRelease(stale, HandleKind::Brush));
  EXPECT_EQ(platform::handleObject(stale, HandleKind::Brush), nullptr);
  EXPECT_EQ(platform::handleKind(stale), HandleKind::Free);
  EXPECT_FALSE(platform::handleRelease(stale, HandleKind::Brush));

  // Create until the stale handle's index comes back: it must carry a new
  // generation, so the stale handle still finds nothing.
  std::set<platform::HandleValue> live;
  platform::HandleValue reused = 0;
  for (int i = 0; i < 70000 && !reused; ++i) {
    auto h = platform::handleCreate(HandleKind::Brush, &second);
    ASSERT_NE(h, 0u);
    live.insert(h);
    if ((h & 0xFFFF) == (stale & 0xFFFF)) reused = h;
  }
  ASSERT_NE(reused, 0u);
  EXPECT_NE(reused, stale);
  EXPECT_EQ(platform::handleObject(stale, HandleKind::Brush), nullptr);
  EXPECT_EQ(platform::handleObject(reused, HandleKind::Brush), &second);
  for (auto h : live) EXPECT_TRUE(platform::handleRelease(h, HandleKind::Brush));
}

TEST(HandleTable, MadeUpNumbersAreRefused) {
  for (platform::HandleValue h : {0u, 1u, 0xFFFFu, 0x10000u, 0xFFFFFFFFu, 0x12345678u}) {
    EXPECT_EQ(platform::handleObject(h, HandleKind::Window), nullptr) << h;
    EXPECT_EQ(platform::handleKind(h), HandleKind::Free) << h;
  }
}

TEST(HandleTable, CountsLiveHandlesPerKind) {
  unsigned before = platform::handleCount(HandleKind::Region);
  auto a = platform::handleCreate(HandleKind::Region, nullptr);
  auto b = platform::handleCreate(HandleKind::Region, nullptr);
  EXPECT_EQ(platform::handleCount(HandleKind::Region), before + 2);
  platform::handleRelease(a, HandleKind::Region);
  platform::handleRelease(b, HandleKind::Region);
  EXPECT_EQ(platform::handleCount(HandleKind::Region), before);
}

// Handles travel through the run-time as signed 32-bit integers. With every
// other entry taken, one entry is reused a million times: each of its
// handles stays positive, finds its object while live and is refused once
// released, and the generation wraps (a handle comes back 0x7FFF reuses on).
TEST(HandleTable, HandlesStayPositiveThroughAMillionReusesOfAnEntry) {
  int object = 0;
  std::vector<platform::HandleValue> filling;
  for (platform::HandleValue h; (h = platform::handleCreate(HandleKind::Pen, &object)) != 0;) filling.push_back(h);
  ASSERT_FALSE(filling.empty());
  ASSERT_TRUE(platform::handleRelease(filling.back(), HandleKind::Pen));
  filling.pop_back();

  std::vector<platform::HandleValue> reuses;
  reuses.reserve(1'000'000);
  bool allGood = true;
  for (int i = 0; i < 1'000'000 && allGood; ++i) {
    platform::HandleValue h = platform::handleCreate(HandleKind::Pen, &object);
    auto asRunTimeInteger = static_cast<int32_t>(h);
    auto backFromRunTime = platform::handleFromWin32(reinterpret_cast<HANDLE>(static_cast<intptr_t>(asRunTimeInteger)));
    allGood = asRunTimeInteger > 0 && platform::handleObject(backFromRunTime, HandleKind::Pen) == &object &&
              platform::handleRelease(h, HandleKind::Pen) && platform::handleObject(h, HandleKind::Pen) == nullptr;
    reuses.push_back(h);
  }
  for (auto h : filling) platform::handleRelease(h, HandleKind::Pen);
  EXPECT_TRUE(allGood) << "failed at reuse " << reuses.size() << ", handle " << std::hex << reuses.back();
  ASSERT_EQ(reuses.size(), 1'000'000u);
  EXPECT_EQ(reuses[0] & 0xFFFF, reuses[999'999] & 0xFFFF);
  EXPECT_NE(reuses[0], reuses[1]);
  EXPECT_EQ(reuses[0], reuses[0x7FFF]);
}
