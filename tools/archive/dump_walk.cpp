#include "tools/archive/dump_walk.h"

#include <algorithm>
#include <numeric>
#include <set>

namespace {

bool hasSlots(ItemForm form) {
  return form == ItemForm::List || form == ItemForm::Instance || form == ItemForm::Positional;
}

}  // namespace

DumpWalk::DumpWalk(const std::vector<ItemView>& items)
    : items_(items), referenced_(items.size(), false), separate_(items.size(), false) {
  while (next_ <= items_.size()) {
    events_.push_back({DumpEventKind::TopLevel, next_});
    Place(next_);
    Drain();
  }
}

void DumpWalk::Place(uint32_t item) {
  ++next_;
  const ItemView& view = items_[item - 1];
  if (view.form == ItemForm::Shared) {
    uint32_t& shared = sharedItems_[view.shared];
    if (shared == 0 && !referenced_[item - 1]) {
      shared = item;
      events_.push_back({DumpEventKind::Word, item});
      return;
    }
    separate_[item - 1] = true;
  }
  if (!hasSlots(view.form)) {
    events_.push_back({DumpEventKind::Leaf, item});
    return;
  }
  events_.push_back({DumpEventKind::Open, item});
  stack_.push_back({item, 0, VisitingOrder(view, item)});
}

void DumpWalk::Child(uint32_t reference) {
  if (reference == 0)
    events_.push_back({DumpEventKind::Null});
  else if (IsSharedWord(reference))
    events_.push_back({DumpEventKind::Word, reference});
  else if (reference == next_)
    Place(reference);
  else {
    referenced_[reference - 1] = true;
    events_.push_back({DumpEventKind::Reference, reference});
  }
}

// Places the slots of the open items, depth first, without recursion.
void DumpWalk::Drain() {
  while (!stack_.empty()) {
    Frame& frame = stack_.back();
    const ItemView& view = items_[frame.item - 1];
    if (frame.next == frame.slots.size()) {
      events_.push_back({DumpEventKind::Close, frame.item});
      stack_.pop_back();
      continue;
    }
    uint32_t slot = frame.slots[frame.next++];
    if (view.form == ItemForm::Instance) events_.push_back({DumpEventKind::Slot, frame.item, slot});
    Child(view.Reference(slot));  // may push a frame: frame is not used after this
  }
}

// Every slot of a list, in order. The non-NULL slots of a named instance
// (the others are left out) in slot order, except that the slots that first
// hold items after the instance, which are placed in number order, visit
// those items in number order.
std::vector<uint32_t> DumpWalk::VisitingOrder(const ItemView& view, uint32_t item) const {
  std::vector<uint32_t> slots(view.referenceCount);
  std::iota(slots.begin(), slots.end(), 0);
  if (view.form != ItemForm::Instance) return slots;
  std::erase_if(slots, [&](uint32_t slot) { return view.Reference(slot) == 0; });
  std::set<uint32_t> seen;
  std::vector<size_t> positions;
  std::vector<uint32_t> placing;
  for (size_t i = 0; i < slots.size(); ++i) {
    uint32_t reference = view.Reference(slots[i]);
    if (reference <= item || !seen.insert(reference).second) continue;
    positions.push_back(i);
    placing.push_back(slots[i]);
  }
  std::sort(placing.begin(), placing.end(),
            [&](uint32_t a, uint32_t b) { return view.Reference(a) < view.Reference(b); });
  for (size_t i = 0; i < positions.size(); ++i) slots[positions[i]] = placing[i];
  return slots;
}

bool DumpWalk::IsSharedWord(uint32_t item) const {
  const ItemView& view = items_[item - 1];
  return view.form == ItemForm::Shared && sharedItems_[view.shared] == item;
}
