// A million random heap operations checked against a plain reference model:
// plain blocks allocated, resized and freed; texts and lists made, grown,
// shrunk and dropped. Every byte of every touched object is compared with
// the model, value objects must never change address, and the heap's own
// consistency check runs at intervals.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <random>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "runtime/values/list.h"
#include "runtime/values/make.h"
#include "runtime/values/text.h"
#include "runtime_fixture.h"

namespace {

enum class Kind { Plain, Text, List };

struct Tracked {
  Kind kind;
  void* address;                        // the block, or the value object
  std::vector<unsigned char> bytes;     // Plain
  std::string chars;                    // Text
  std::vector<ovC_object*> elements;    // List
};

class HeapModel {
 public:
  explicit HeapModel(uint32_t seed) : random_(seed) {
    for (int i = 0; i < 64; ++i) pool_.push_back(ovMakeInteger(1000 + i));
  }

  ~HeapModel() {
    for (Tracked& t : live_) Release(t);
    for (ovC_object* v : pool_) {
      EXPECT_EQ(v->useCount, 1u);
      ovDecUse(v);
    }
  }

  void Step() {
    if (live_.empty() || (live_.size() < kMaxLive && Roll(100) < 30)) return Create();
    size_t i = Roll(live_.size());
    Tracked& t = live_[i];
    if (Roll(100) < 15) {
      Release(t);
      live_[i] = std::move(live_.back());
      live_.pop_back();
      return;
    }
    Change(t);
    Verify(t);
  }

  void VerifyAll() {
    for (Tracked& t : live_) Verify(t);
  }

  size_t Live() const { return live_.size(); }

 private:
  static constexpr size_t kMaxLive = 1500;

  uint32_t Roll(size_t n) { return static_cast<uint32_t>(random_() % n); }

  uint32_t PlainSize() {
    uint32_t r = Roll(1000);
    if (r == 0) return 0x3FFE0 + Roll(0x30000);  // rarely: a sub-heap of its own
    if (r < 50) return 1 + Roll(4096);
    return 1 + Roll(128);
  }

  void Fill(unsigned char* p, size_t n) {
    for (size_t k = 0; k < n; ++k) p[k] = static_cast<unsigned char>(random_());
  }

  ovC_object* PoolValue() { return Roll(8) == 0 ? nullptr : pool_[Roll(pool_.size())]; }

  void Create() {
    Tracked t{static_cast<Kind>(Roll(3))};
    if (t.kind == Kind::Plain) {
      t.bytes.resize(PlainSize());
      Fill(t.bytes.data(), t.bytes.size());
      t.address = ovRunTimeHeap->Alloc(static_cast<uint32_t>(t.bytes.size()), Roll(2), 0);
      std::memcpy(t.address, t.bytes.data(), t.bytes.size());
    } else if (t.kind == Kind::Text) {
      t.chars = RandomChars(Roll(40));
      t.address = ovMakeText(t.chars.c_str());
    } else {
      t.elements.assign(Roll(6), nullptr);
      t.address = ovMakeList(static_cast<uint32_t>(t.elements.size()));
    }
    live_.push_back(std::move(t));
  }

  std::string RandomChars(uint32_t n) {
    std::string s(n, ' ');
    for (char& c : s) c = static_cast<char>('a' + Roll(26));
    return s;
  }

  void Change(Tracked& t) {
    switch (t.kind) {
      case Kind::Plain: return ResizePlain(t);
      case Kind::Text: return GrowText(t);
      case Kind::List: return ChangeList(t);
    }
  }

  void ResizePlain(Tracked& t) {
    uint32_t size = PlainSize();
    t.address = ovRunTimeHeap->ReAlloc(t.address, size);
    ASSERT_NE(t.address, nullptr);
    size_t kept = std::min<size_t>(t.bytes.size(), size);
    // Bytes beyond what the block held before read as zero.
    auto* p = static_cast<unsigned char*>(t.address);
    for (size_t k = kept; k < size; ++k) ASSERT_EQ(p[k], 0) << "new byte " << k << " of " << size;
    t.bytes.resize(size, 0);
    Fill(p + kept, size - kept);
    std::memcpy(t.bytes.data() + kept, p + kept, size - kept);
  }

  // Stretched by up to 300 characters, padded by up to 50, or joined to
  // itself while short.
  void GrowText(Tracked& t) {
    auto* text = static_cast<ovC_object*>(t.address);
    uint32_t op = Roll(3);
    if (op == 0) {
      std::string more = RandomChars(Roll(300));
      ovAs<ovC_text>(text)->Stretch(more.c_str());
      t.chars += more;
    } else if (op == 1) {
      uint32_t n = Roll(50);
      ovStringPad(text, n, '#');
      t.chars.append(n, '#');
    } else if (t.chars.size() < 20000) {
      ovStringJoin(text, text);
      t.chars += t.chars;
    }
  }

  void ChangeList(Tracked& t) {
    auto* list = static_cast<ovC_object*>(t.address);
    uint32_t op = Roll(10);
    if (op < 6) {
      ovC_object* v = PoolValue();
      uint32_t at = Roll(t.elements.size() + 3);
      ovAs<ovC_list>(list)->Insert(v, at, 1);
      t.elements.insert(t.elements.begin() + std::min<size_t>(at, t.elements.size()), v);
    } else if (op < 9 && !t.elements.empty()) {
      uint32_t at = Roll(t.elements.size());
      ovListDeleteItem(list, at, 1);
      t.elements.erase(t.elements.begin() + at);
    } else if (!t.elements.empty()) {
      uint32_t at = Roll(t.elements.size());
      ovC_object* v = PoolValue();
      ovListSetSlot(list, at, 1, 1, v);
      t.elements[at] = v;
    }
  }

  void Verify(const Tracked& t) {
    switch (t.kind) {
      case Kind::Plain:
        ASSERT_EQ(ovMemGetBlockSize(t.address), t.bytes.size());
        ASSERT_EQ(std::memcmp(t.address, t.bytes.data(), t.bytes.size()), 0);
        break;
      case Kind::Text: {
        auto* text = static_cast<ovC_object*>(t.address);
        ASSERT_EQ(text->type, ovKindText);
        ASSERT_EQ(text->useCount, 1u);
        ASSERT_EQ(ovStringGetLength(text), t.chars.size());
        ASSERT_EQ(std::memcmp(ovStringGetPtr(text), t.chars.data(), t.chars.size()), 0);
        ASSERT_EQ(ovStringGetPtr(text)[t.chars.size()], '\0');
        break;
      }
      case Kind::List: {
        auto* list = static_cast<ovC_object*>(t.address);
        ASSERT_EQ(list->type, ovKindList);
        ASSERT_EQ(ovListGetLength(list), t.elements.size());
        for (size_t k = 0; k < t.elements.size(); ++k) ASSERT_EQ(ovListGetSlot(list, k, 0), t.elements[k]);
        break;
      }
    }
  }

  void Release(Tracked& t) {
    if (t.kind == Kind::Plain) ovRunTimeHeap->Free(t.address);
    else ovDecUse(static_cast<ovC_object*>(t.address));
  }

  std::mt19937 random_;
  std::vector<ovC_object*> pool_;
  std::vector<Tracked> live_;
};

}  // namespace

using HeapStress = RuntimeTest;

TEST_F(HeapStress, MillionRandomOperationsMatchTheModel) {
  HeapModel model(20261206);
  for (int step = 1; step <= 1000000; ++step) {
    model.Step();
    if (HasFatalFailure()) return;
    if (step % 50000 == 0) {
      model.VerifyAll();
      ASSERT_EQ(ovMemHeapCheck(*ovRunTimeHeap), "") << "after step " << step;
    }
  }
  EXPECT_GT(model.Live(), 100u);
}

// Once a second thread exists the heap serialises through its lock: threads
// allocating, filling, checking and freeing blocks at the same time, the one
// that made the heap among them, never see each other's bytes or break the
// heap.
TEST_F(HeapStress, ThreadsShareTheHeapThroughItsMutex) {
  constexpr int kThreads = 4;
  std::atomic<int> failures{0};
  auto worker = [&](int id) {
    std::mt19937 random(id);
    std::vector<std::pair<unsigned char*, uint32_t>> mine;
    for (int step = 0; step < 50000; ++step) {
      if (mine.size() < 50 && random() % 2 == 0) {
        uint32_t size = 1 + random() % 200;
        auto* p = static_cast<unsigned char*>(ovRunTimeHeap->Alloc(size, 0, 0));
        std::memset(p, id, size);
        mine.emplace_back(p, size);
      } else if (!mine.empty()) {
        size_t i = random() % mine.size();
        auto [p, size] = mine[i];
        for (uint32_t k = 0; k < size; ++k)
          if (p[k] != id) ++failures;
        if (random() % 2) {
          uint32_t grown = size + random() % 300;
          p = static_cast<unsigned char*>(ovRunTimeHeap->ReAlloc(p, grown));
          std::memset(p + size, id, grown - size);
          mine[i] = {p, grown};
        } else {
          ovRunTimeHeap->Free(p);
          mine[i] = mine.back();
          mine.pop_back();
        }
      }
    }
    for (auto [p, size] : mine) ovRunTimeHeap->Free(p);
  };
  std::vector<std::thread> threads;
  for (int id = 1; id <= kThreads; ++id) threads.emplace_back(worker, id);
  worker(kThreads + 1);
  for (auto& t : threads) t.join();
  EXPECT_EQ(failures.load(), 0);
}
