// Records of the run-time tables: names, classes, methods, attributes,
// persistents, external types and selectors. The tables are built at
// start-up from the declarations (declarations.h); these records are their
// entries.
#pragma once

#include <cstdint>

#include "runtime/methods/protocol.h"

struct ovC_object;

// A name: its length (at most 255), the characters, then one to four zero
// bytes so that the record ends on a 4-byte boundary with at least one zero.
struct RTName {
  uint32_t length;
  char chars[4];  // length characters and the padding follow

  // Fills the record (cutting the length to 255) with its padding; the
  // record must have room for RTName::SizeFor(length) bytes.
  void SetName(const char* characters, uint32_t count);
  void SetName(const ovC_object* text);
  // A new text holding the name.
  ovC_object* ConvertToOVString() const;
  // Negative when this name sorts first, 0 when equal, positive after:
  // byte by byte as unsigned values, a prefix before the longer name.
  int32_t Compare(const RTName& other) const;
  int32_t RelStringCompare(const RTName& other) const { return Compare(other); }

  static uint32_t SizeFor(uint32_t length);
};

// A name record on the stack, for looking a text up.
struct RTNameBuffer {
  alignas(4) char bytes[4 + 256 + 4];
  RTName& name() { return *reinterpret_cast<RTName*>(bytes); }
};

struct RTMethod {
  const RTName* name;
  uint32_t selector;
  ovRoutine code;
};

struct RTInstAttr {
  const RTName* name;
  uint32_t selector;
  uint32_t slot;  // index within an instance
};

struct RTClassAttr {
  const RTName* name;
  uint32_t selector;
  ovC_object** slot;  // the one global slot all instances share
};

struct RTPersistent {
  const RTName* name;
  ovC_object** slot;  // a global holding an owned reference or NULL
};

// An external (C structure) type and its size in bytes on this platform.
struct RTExternal {
  const RTName* name;
  uint32_t size;
};

struct RTSelector {
  const RTName* name;
  uint32_t number;  // 1-based position in its table
};

// A class record. A class's own methods and attributes are runs in the
// header's record arrays, each sorted by name.
struct RTClass {
  uint16_t kind;  // always 1
  uint8_t flags;  // bit 0: temporary mark while building descendant lists
  uint8_t spare;
  RTClass* superclass;  // nullptr for a root class
  uint32_t context;
  ovC_object* defaultInstance;  // owned reference
  uint32_t slotCount;           // instance attribute slots, inherited included
  const RTName* name;
  uint32_t hasInitMethod;
  const RTMethod* initMethod;
  uint32_t classAttrCount;
  const RTClassAttr* classAttrs;
  uint32_t instAttrCount;
  const RTInstAttr* instAttrs;
  uint32_t methodCount;
  const RTMethod* methods;
  uint32_t getMethodCount;
  const RTMethod* getMethods;
  uint32_t setMethodCount;
  const RTMethod* setMethods;

  // 1 when other is reached from this class's superclass upward.
  int IsAncestor(const RTClass* other) const;
  int FindRegularMethodBySelector(uint32_t selector, const RTMethod** method, const RTClass** where) const;
  int FindGetMethodBySelector(uint32_t selector, const RTMethod** method, const RTClass** where) const;
  static const RTMethod* FindMethodBySelector(uint32_t count, const RTMethod* first, uint32_t selector);
  int FindInstanceMethod(const RTMethod** method, const RTClass** where) const;
  int FindInstAttrBySelector(uint32_t selector, const RTInstAttr** attr) const;
  int FindClassAttrBySelector(uint32_t selector, const RTClassAttr** attr) const;
  int FindAttrBySelector(uint32_t selector, const RTInstAttr** inst, const RTClassAttr** cls) const;
  int FindInstAttrByName(const ovC_object* text, const RTInstAttr** attr) const;
  int FindClassAttrByName(const ovC_object* text, const RTClassAttr** attr) const;
  int FindRegularMethodByName(const ovC_object* text, const RTMethod** method, const RTClass** where) const;
  // A new instance: a deep copy of the default instance (nullptr without
  // one), then, with a list, the list's (name value) pairs applied.
  ovC_object* MakeInstance() const;
  ovC_object* MakeInstance(const ovC_object* initial) const;
  // Names of all classes that have this one as an ancestor, in table order.
  ovC_object* MakeDescendantNameList() const;

  static RTClass* GetNthClass(uint32_t n);
};

// Binary search over count records ordered by compare(key, record i);
// 1 with index set when found, else 0 with index at the last probe.
namespace RTTable {
template <typename Compare>
int BinarySearch(Compare compare, uint32_t count, const RTName& key, uint32_t* index) {
  if (count == 0) return 0;
  int64_t low = 0, high = int64_t{count} - 1;
  while (low <= high) {
    auto mid = static_cast<uint32_t>((low + high) / 2);
    *index = mid;
    int32_t order = compare(key, mid);
    if (order == 0) return 1;
    if (order < 0) high = int64_t{mid} - 1;
    else low = int64_t{mid} + 1;
  }
  return 0;
}
}  // namespace RTTable
