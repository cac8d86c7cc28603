// Blocks of the run-time heap and the lists that hold free ones.
//
// Every heap allocation is preceded by an 8-byte block header. Block sizes
// include the header and are multiples of 16; a block for a request of n bytes
// is (n + 8) rounded up to 16. Sub-heaps start on 16-byte boundaries, so the
// caller's bytes always start 8 bytes past one, which aligns them for every
// field a value object holds.
#pragma once

#include <cstdint>

#include "runtime/memory/arena.h"

// Owner flags, the high byte of a block's flags.
enum : uint16_t {
  ovMemFlagInUse = 0x0001,
  ovMemFlagValue = 0x0200,          // the block holds a value object
  ovMemFlagTextOutOfLine = 0x1000,  // these four: the variable part of that
  ovMemFlagListOutOfLine = 0x2000,  // kind lives in a block of its own
  ovMemFlagExternalOutOfLine = 0x4000,
  ovMemFlagInstanceOutOfLine = 0x8000,
  ovMemFlagsOutOfLine = 0xF000,
};

// The largest request the heap accepts; larger ones fail.
constexpr uint32_t ovMemMaxRequest = 0x7FFFFF00u;

constexpr uint32_t ovMemBlockSizeFor(uint32_t request) { return (request + 0x17u) & ~0xFu; }

struct ovMemBlock {
  uint32_t size;   // whole block, header included; 0 marks a sub-heap's end
  uint16_t flags;  // bit 0: in use; high byte: owner flags
  uint16_t slack;  // size - 8 - requested bytes

  void* Data() { return reinterpret_cast<char*>(this) + sizeof(ovMemBlock); }
  ovMemBlock* Following() { return reinterpret_cast<ovMemBlock*>(reinterpret_cast<char*>(this) + size); }
  bool IsEnd() const { return size == 0; }
  bool InUse() const { return (flags & ovMemFlagInUse) != 0; }
  uint32_t Requested() const { return size - sizeof(ovMemBlock) - slack; }

  // Cuts this block down to size bytes when at least 16 remain; the rest
  // becomes a new (unlisted, free) block, which is returned. nullptr when the
  // block is smaller than size or nothing would remain.
  ovMemBlock* Chip(uint32_t size);

  // Marks the block in use for a request of requested bytes.
  void MarkInUse(uint32_t requested);
  // Clears flags and slack.
  void MarkFree();

  static ovMemBlock* Of(const void* data) {
    return reinterpret_cast<ovMemBlock*>(const_cast<char*>(static_cast<const char*>(data)) - sizeof(ovMemBlock));
  }
};
static_assert(sizeof(ovMemBlock) == 8);

// The links of a free block, in its first eight data bytes.
struct ovMemElement {
  ovMemLink next;
  ovMemLink previous;

  static ovMemElement* At(ovMemLink link) { return static_cast<ovMemElement*>(ovMemAddressOf(link)); }
};
static_assert(sizeof(ovMemElement) == 8);

// A doubly linked list of elements; Add pushes at the head.
struct ovMemList {
  ovMemLink head = 0;
  ovMemLink tail = 0;
  uint32_t additions = 0;  // counts every Add, never decreased

  void Add(ovMemElement* e) {
    ovMemLink link = ovMemLinkOf(e);
    e->previous = 0;
    e->next = head;
    if (head) ovMemElement::At(head)->previous = link;
    else tail = link;
    head = link;
    ++additions;
  }

  void Remove(ovMemElement* e) {
    if (e->previous) ovMemElement::At(e->previous)->next = e->next;
    else head = e->next;
    if (e->next) ovMemElement::At(e->next)->previous = e->previous;
    else tail = e->previous;
    e->next = e->previous = 0;
  }

  bool IsEmpty() const { return head == 0; }
};
