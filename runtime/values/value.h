// Value objects: the small heap records that flow along every wire of an
// Orvane program.
//
// Every value starts with the common header (kind tag, use count, visit
// mark); the kind's fields follow in a fixed order. A value is handled
// through a pointer, and the null pointer is a legal value of its own: an
// empty slot, a missing input.
//
// Texts, lists, externals and instances can grow; their header never moves,
// because other values point at it. When the heap cannot grow one in place it
// moves only the variable part into a block of its own and says so in the
// object's block flags; ovVariablePart (layout.h) finds it either way.
//
// On this 64-bit platform integers stay 32-bit and every address field
// (element, slot, class, type, pointer address) is a full machine word.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "runtime/tables/records.h"
#include "runtime/values/layout.h"

struct ovC_object {
  uint16_t type;        // kind tag, ovKind
  uint32_t useCount;    // owners; a new object has 1
  uint32_t visitMark;   // 0 at rest; used during graph walks only
};

struct ovC_boolean : ovC_object {
  uint32_t value;  // 0 FALSE, anything else TRUE

  // FALSE is less than TRUE.
  int32_t Compare(const ovC_boolean* other) const;
  // The Unparse members append the printed form to out and return the print
  // flag (unparse.h).
  int Unparse(std::string& out) const;
};

struct ovC_integer : ovC_object {
  int32_t value;
};

struct ovC_real : ovC_object {
  double value;

  int Unparse(std::string& out) const;
};

struct ovC_none : ovC_object {};
struct ovC_undefined : ovC_object {};

struct ovC_point : ovC_object {
  int32_t h;
  int32_t v;

  // Equal or unordered (ovCompareUnordered): geometry has no order.
  int32_t Compare(const ovC_point* other) const;
};

struct ovC_rect : ovC_object {
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;

  int32_t Compare(const ovC_rect* other) const;
};

struct ovC_rgb : ovC_object {
  uint16_t red;
  uint16_t green;
  uint16_t blue;

  int32_t Compare(const ovC_rgb* other) const;
};

struct ovC_text : ovC_object {
  uint32_t length;
  char inlineChars[8];  // at least 8 bytes: room for the out-of-line address

  char* Chars() { return ovVariablePart(this); }

  // A text of length NUL characters.
  static ovC_text* Create(uint32_t length);
  // A copy of a NUL-terminated string; nullptr gives the empty text.
  static ovC_text* Create(const char* s);
  // A copy of a length-prefixed string; nullptr gives the empty text.
  static ovC_text* CreatePString(const unsigned char* p);

  void Join(ovC_text* other);
  void Stretch(const char* s);
  void Pad(uint32_t count, char ch);
  // Characters a to b-1 as a new text (see text.cpp for the clamping).
  ovC_text* Extract(uint32_t a, uint32_t b);
  void SetNth(char ch, uint32_t i);
  int Unparse(std::string& out);

 private:
  // Grows the text to newLength characters plus its NUL; the new characters
  // are NUL.
  void GrowTo(uint32_t newLength);
};

struct ovC_list : ovC_object {
  uint32_t length;
  ovC_object* inlineElements[1];

  ovC_object** Elements() { return reinterpret_cast<ovC_object**>(ovVariablePart(this)); }

  // n null elements.
  static ovC_list* Create(uint32_t n);

  void Insert(ovC_object* v, uint32_t i, int use);
  void Remove(uint32_t i, int use);
  ovC_object* GetNth(uint32_t i, int use);
  void SetNth(ovC_object* v, uint32_t i, int dropOld, int useNew);
  // First index at or after start holding a value equal to v, or -1.
  int32_t Find(ovC_object* v, uint32_t start);
  void Join(ovC_list* other, int use);
  ovC_list* Extract(uint32_t from, uint32_t to, int use);
  void ShrinkToLength();
  // Elements the storage holds room for (at least the length).
  uint32_t Capacity();
  // Makes room for at least n elements; new room is null.
  void Reserve(uint32_t n);
  // 0 when both lists hold equal elements, else ovCompareUnordered.
  int32_t Compare(ovC_list* other);
  int Unparse(std::string& out);

 private:
  // Storage for exactly elements (at least one).
  void ResizeTo(uint32_t elements);
  // Storage for at least elements, with room to spare when it must grow.
  void GrowTo(uint64_t elements);
};

struct ovC_instance : ovC_object {
  RTClass* cls;
  ovC_object* inlineSlots[1];

  ovC_object** Slots() { return reinterpret_cast<ovC_object**>(ovVariablePart(this)); }

  // An instance of cls with every slot null.
  static ovC_instance* Create(RTClass* cls);

  uint32_t Length() const { return cls ? cls->slotCount : 0; }
  ovC_object* GetNth(uint32_t i, int use);
  void SetNth(ovC_object* v, uint32_t i, int dropOld, int useNew);
  // The class name as a new text.
  ovC_text* GetClassName() const;
  int Unparse(std::string& out) const;
};

struct ovC_external : ovC_object {
  uint32_t size;
  RTExternal* externalType;
  unsigned char inlineData[8];

  unsigned char* Data() { return reinterpret_cast<unsigned char*>(ovVariablePart(this)); }

  // size bytes of type, copied from data when it is not nullptr, else zero.
  static ovC_external* Create(RTExternal* type, uint32_t size, const void* data);
  // Resizes the data, keeping the common part; new bytes are zero.
  void ChangeSize(uint32_t newSize);
  // 0 for the same type, size and bytes, else ovCompareNotComparable.
  int32_t Compare(ovC_external* other);
};

enum : uint16_t {
  ovPointerDisposed = 0x0001,
  ovPointerOwned = 0x0002,
  // The address was made from a number (to-pointer, MakeIntResource): the
  // run-time hands it to the platform but never reads or writes through it.
  ovPointerFromNumber = 0x0004,
  // knownSize holds the number of bytes that lie at the address.
  ovPointerSized = 0x0008,
};

struct ovC_pointer : ovC_object {
  RTExternal* pointeeType;
  uint16_t flags;      // ovPointerDisposed, ovPointerOwned, ovPointerFromNumber, ovPointerSized
  uint16_t level;      // 1 plain pointer, 2 handle
  uint32_t knownSize;  // with ovPointerSized: bytes at a plain pointer's address
  void* address;

  // 0 for the same level and address, else ovCompareUnordered.
  int32_t Compare(const ovC_pointer* other) const;
  int Unparse(std::string& out) const;
  // Frees the memory the pointer owns, once: a plain pointer's with the
  // platform's local heap, a handle with the run-time's handle disposal.
  // 1 when it freed something, else 0; afterwards the content is disposed.
  int DisposeContent();
};

// The fields other code and stored formats depend on.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
static_assert(sizeof(ovC_object) == 12);
static_assert(offsetof(ovC_object, useCount) == 4 && offsetof(ovC_object, visitMark) == 8);
static_assert(offsetof(ovC_integer, value) == 12 && sizeof(ovC_integer) == 16);
static_assert(offsetof(ovC_boolean, value) == 12 && sizeof(ovC_boolean) == 16);
static_assert(offsetof(ovC_real, value) == 16);
static_assert(offsetof(ovC_point, h) == 12 && offsetof(ovC_point, v) == 16);
static_assert(offsetof(ovC_rect, left) == 12 && offsetof(ovC_rect, bottom) == 24);
static_assert(offsetof(ovC_rgb, red) == 12 && offsetof(ovC_rgb, blue) == 16);
static_assert(offsetof(ovC_text, length) == 12);
static_assert(offsetof(ovC_text, inlineChars) == ovVariablePartOffset(ovKindText));
static_assert(offsetof(ovC_list, length) == 12);
static_assert(offsetof(ovC_list, inlineElements) == ovVariablePartOffset(ovKindList));
static_assert(offsetof(ovC_instance, inlineSlots) == ovVariablePartOffset(ovKindInstance));
static_assert(offsetof(ovC_external, size) == 12 && offsetof(ovC_external, externalType) == 16);
static_assert(offsetof(ovC_external, inlineData) == ovVariablePartOffset(ovKindExternal));
static_assert(offsetof(ovC_pointer, pointeeType) == 16 && offsetof(ovC_pointer, address) == 32);
static_assert(sizeof(ovC_pointer) == 40);
#pragma GCC diagnostic pop

// The shared constants: every none, undefined and boolean value is one of
// them, and ovMakeInteger answers the three integers for 0, 1 and -1.
extern ovC_object* gdDefaultNone;
extern ovC_object* gdDefaultUndefined;
extern ovC_object* gdDefaultTrue;
extern ovC_object* gdDefaultFalse;
extern ovC_object* gdDefaultZero;
extern ovC_object* gdDefaultPOne;
extern ovC_object* gdDefaultMOne;

// Per-thread run-time state; the process has one.
struct LocalThreadStorage {
  uint32_t useQuotes;  // texts print with quotes when 1
};
extern LocalThreadStorage* gLocalThread;

// Use counts.
ovC_object* ovIncUse(ovC_object* v);
// Drops one use; destroys v and returns nullptr when it was the last.
ovC_object* ovDecUse(ovC_object* v);
void ovUnclusterUseCount(ovC_object* v);

// Typed views of a value; the caller has checked the kind.
template <typename T>
T* ovAs(ovC_object* v) {
  return static_cast<T*>(v);
}
template <typename T>
const T* ovAs(const ovC_object* v) {
  return static_cast<const T*>(v);
}

inline bool ovIsKind(const ovC_object* v, uint16_t kind) { return v && v->type == kind; }
