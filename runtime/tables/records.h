// Records of the run-time tables that value objects point at: names, class
// records and external type records.
#pragma once

#include <cstdint>

struct ovC_object;
struct RTMethod;
struct RTInstAttr;
struct RTClassAttr;

// A name: its length (at most 255), the characters, then one to four zero
// bytes so that the record ends on a 4-byte boundary.
struct RTName {
  uint32_t length;
  char chars[4];
};

// A class record.
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
};

// An external (C structure) type: its name and its size in bytes on this
// platform.
struct RTExternal {
  const RTName* name;
  uint32_t size;
};
