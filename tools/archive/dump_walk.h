// The order in which the dumper prints items, so that the builder, which
// numbers items in the order they are written, numbers them as the block
// does.
//
// Items are placed in number order, depth first from item 1: a slot whose
// item is the next one to place holds it in place; any other slot refers to
// its item by a label. A list's slots are visited in order; an instance's
// named slots in slot order, but those that hold items still to be placed
// take them in number order: the order they were written in when the block
// came from the text form. Items no slot placed stand at the top level after the
// root. The first TRUE, FALSE, NONE or UNDEFINED placed without any earlier
// reference to it is printed as the bare word, which the builder shares;
// later slots holding that same item print the word too.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/archive/item_view.h"

enum class DumpEventKind {
  TopLevel,   // a top-level value follows
  Null,       // NULL
  Word,       // the shared TRUE, FALSE, NONE or UNDEFINED item
  Reference,  // a label reference to the item
  Leaf,       // the item placed here, with no slots to follow
  Open,       // the item placed here; its slots follow, then Close
  Close,
  Slot,  // the named slot of the open instance that the next value fills
};

struct DumpEvent {
  DumpEventKind kind;
  uint32_t item = 0;  // item number; for Slot, the instance's
  uint32_t slot = 0;  // Slot only
};

class DumpWalk {
 public:
  explicit DumpWalk(const std::vector<ItemView>& items);

  const std::vector<DumpEvent>& Events() const { return events_; }
  // Whether the item's definition carries a label: something refers to it by
  // label, or it is a TRUE, FALSE, NONE or UNDEFINED that must stay an item
  // of its own.
  bool NeedsLabel(uint32_t item) const { return referenced_[item - 1] || separate_[item - 1]; }

 private:
  struct Frame {
    uint32_t item;
    uint32_t next;                // position in slots
    std::vector<uint32_t> slots;  // the slots to visit, in visiting order
  };

  void Place(uint32_t item);
  void Child(uint32_t reference);
  void Drain();
  std::vector<uint32_t> VisitingOrder(const ItemView& view, uint32_t item) const;
  bool IsSharedWord(uint32_t item) const;

  const std::vector<ItemView>& items_;
  std::vector<DumpEvent> events_;
  std::vector<Frame> stack_;
  std::vector<bool> referenced_;
  std::vector<bool> separate_;
  uint32_t sharedItems_[4] = {};
  uint32_t next_ = 1;
};
