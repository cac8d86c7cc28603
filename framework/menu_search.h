// Searching menus for an item: the answer is the menu that holds the item
// and the item itself.
#pragma once

#include <utility>

#include "runtime/methods/kit.h"

namespace vorn {

// What a search found: the menu holding the item and the item; both NULL
// when it found none.
struct FoundItem {
  ovRef holder;
  ovRef item;
};

// A search's two outputs (holder, item) as what it found.
inline FoundItem FoundIn(ov::Results<2> answer) { return {answer.take(0), answer.take(1)}; }

// Asks find(element) of each element of the list in turn until one finds
// an item, and answers that holder and item; no outputs when none does.
template <typename Find>
ovStatus AnswerFirstFound(const ov::Args& a, ov::In list, Find&& find) {
  FoundItem found;
  ov::forEach(list, [&](ovC_object* element) {
    found = find(element);
    return found.item ? ovFailure : ovSuccess;
  });
  if (!found.item) return ovSuccess;
  a.put(0, std::move(found.holder));
  a.put(1, std::move(found.item));
  return ovSuccess;
}

}  // namespace vorn
