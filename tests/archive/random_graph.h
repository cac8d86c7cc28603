// Random value graphs for round trips: lists and instances of the test
// classes, plain values of every archivable kind, shared sub-graphs and
// cycles; and a check that two graphs have the same shape and sharing.
#pragma once

#include <bit>
#include <cstdint>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

#include "runtime/tables/header.h"
#include "runtime/values/compare.h"
#include "runtime/values/instance.h"
#include "runtime/values/list.h"
#include "runtime/values/make.h"
#include "runtime/values/value_ref.h"
#include "tests/archive/graph_checks.h"

namespace graph {

inline ovRef randomText(std::mt19937& random) {
  static const char* kWords[] = {"", "a", "Velmaro", "say \"hi\"", "two\nlines", "caf\xE9", "(not a list)", "@label"};
  std::string text = kWords[random() % 8];
  if (random() % 4 == 0) text += std::to_string(random());
  return ovRef::adopt(ovMakeTextFromString(text.data(), static_cast<uint32_t>(text.size())));
}

inline int16_t coordinate(std::mt19937& random) { return static_cast<int16_t>(random()); }

inline ovRef randomPlain(std::mt19937& random) {
  auto half = [&] { return static_cast<uint16_t>(random()); };
  switch (random() % 10) {
    case 0: return ovRef::adopt(ovMakeInteger(static_cast<int32_t>(random() % 5) - 2));
    case 1: return ovRef::adopt(ovMakeInteger(static_cast<int32_t>(random())));
    case 2: return ovRef::adopt(ovMakeReal(static_cast<int32_t>(random()) / (random() % 1000 + 1.0)));
    case 3: return randomText(random);
    case 4: return ovRef::adopt(ovMakePointWin(coordinate(random), coordinate(random)));
    case 5:
      return ovRef::adopt(
          ovMakeRectMac(coordinate(random), coordinate(random), coordinate(random), coordinate(random)));
    case 6: return ovRef::adopt(ovMakeRGB(half(), half(), half()));
    case 7: return ovRef::adopt(ovMakeBoolean(random() % 2));
    case 8: return ovRef::adopt(random() % 2 ? ovMakeNone() : ovMakeUndef());
    default: return nullptr;
  }
}

inline RTClass* classNamed(const char* name) {
  ovRef text = ovRef::adopt(ovMakeText(name));
  RTClass* cls = nullptr;
  RTHeader::GetClassTable()->FindClassByName(text.get(), &cls);
  return cls;
}

inline ovRef randomContainer(std::mt19937& random) {
  static const char* kClasses[] = {"Pair", "Labelled Pair", "Five Slots"};
  if (random() % 3) return ovRef::adopt(ovMakeList(random() % 7));
  return ovRef::adopt(ovMakeEmptyInstance(classNamed(kClasses[random() % 3])));
}

// About `containers` lists and instances under one root list. A slot holds a
// plain value, NULL, a new container while the budget lasts, or one made
// before: sharing, and cycles when it is an ancestor.
inline ovRef randomGraph(std::mt19937& random, int containers) {
  ovRef root = ovRef::adopt(ovMakeList(4));
  std::vector<ovC_object*> made{root.get()};
  for (size_t next = 0; next < made.size(); ++next) {
    ovC_object* container = made[next];
    for (uint32_t i = 0; i < slotCount(container); ++i) {
      ovRef value;
      uint32_t choice = random() % 10;
      if (choice < 4 && static_cast<int>(made.size()) < containers) {
        value = randomContainer(random);
        made.push_back(value.get());
      } else if (choice < 6) {
        value = ovRef::share(made[random() % made.size()]);
      } else {
        value = randomPlain(random);
      }
      slots(container)[i] = value.release();
    }
  }
  return root;
}

// Plain values equal to the bit, for reals too.
inline bool samePlain(ovC_object* a, ovC_object* b) {
  if (ovIsKind(a, ovKindReal) && ovIsKind(b, ovKindReal))
    return std::bit_cast<uint64_t>(ovAs<ovC_real>(a)->value) == std::bit_cast<uint64_t>(ovAs<ovC_real>(b)->value);
  return ovCompare(a, b) == 0;
}

// Whether b is a of the same shape: the same kinds and plain values, the
// same classes and lengths, and the same sharing (two slots hold the same
// object in a exactly when they do in b).
inline bool sameShape(ovC_object* a, ovC_object* b) {
  std::unordered_map<ovC_object*, ovC_object*> forward, backward;
  std::vector<std::pair<ovC_object*, ovC_object*>> work{{a, b}};
  while (!work.empty()) {
    auto [x, y] = work.back();
    work.pop_back();
    if (!x || !y) {
      if (x != y) return false;
      continue;
    }
    auto [seen, added] = forward.emplace(x, y);
    if (!added) {
      if (seen->second != y) return false;
      continue;
    }
    if (!backward.emplace(y, x).second && !isSharedConstant(y)) return false;
    if (x->type != y->type) return false;
    if (!isContainer(x)) {
      if (!samePlain(x, y)) return false;
      continue;
    }
    if (slotCount(x) != slotCount(y)) return false;
    if (x->type == ovKindInstance && ovAs<ovC_instance>(x)->cls != ovAs<ovC_instance>(y)->cls) return false;
    for (uint32_t i = 0; i < slotCount(x); ++i) work.push_back({slots(x)[i], slots(y)[i]});
  }
  return true;
}

}  // namespace graph
