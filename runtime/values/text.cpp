// Texts: length-prefixed single-byte characters, always followed by a NUL.
// A text is made at exactly its size; one that grows is given room to spare
// (ovGrowValue), so appending a little at a time costs amortised constant
// time. A text never shrinks.
#include <algorithm>
#include <cstring>
#include <utility>

#include "runtime/memory/block.h"
#include "runtime/memory/heap.h"
#include "runtime/values/allocate.h"
#include "runtime/values/byte_search.h"
#include "runtime/values/text.h"

namespace {

// Bytes the heap is asked for: header, length word, characters and NUL, at
// least the inline reserve.
uint32_t textSize(uint64_t length) {
  return ovGrowableValueSize(ovKindText, length + 1, sizeof(ovC_text::inlineChars));
}

}  // namespace

ovC_text* ovC_text::Create(uint32_t length) {
  auto* t = ovAs<ovC_text>(ovAllocValue(ovKindText, textSize(length)));
  t->length = length;
  return t;
}

ovC_text* ovC_text::Create(const char* s) {
  uint32_t length = s ? static_cast<uint32_t>(std::strlen(s)) : 0;
  ovC_text* t = Create(length);
  if (length) std::memcpy(t->Chars(), s, length);
  return t;
}

ovC_text* ovC_text::CreatePString(const unsigned char* p) {
  uint32_t length = p ? p[0] : 0;
  ovC_text* t = Create(length);
  if (length) std::memcpy(t->Chars(), p + 1, length);
  return t;
}

void ovC_text::GrowTo(uint32_t newLength) {
  uint32_t old = length;
  ovGrowValue(this, uint64_t{newLength} + 1);
  std::memset(Chars() + old, 0, newLength - old + 1);
  length = newLength;
}

void ovC_text::Join(ovC_text* other) {
  if (!other) return;
  uint32_t added = other->length;
  uint32_t old = length;
  GrowTo(old + added);
  // Read other after growing: when other is this text its characters may
  // have moved, and the first `added` of them are still the old ones.
  std::memcpy(Chars() + old, other->Chars(), added);
}

void ovC_text::Stretch(const char* s) {
  if (!s) return;
  uint32_t added = static_cast<uint32_t>(std::strlen(s));
  uint32_t old = length;
  GrowTo(old + added);
  std::memcpy(Chars() + old, s, added);
}

void ovC_text::Pad(uint32_t count, char ch) {
  uint32_t old = length;
  GrowTo(old + count);
  std::memset(Chars() + old, ch, count);
}

ovC_text* ovC_text::Extract(uint32_t a, uint32_t b) {
  if (b < a) std::swap(a, b);
  b = std::min(b, length);
  if (b <= a) return Create(uint32_t{0});
  ovC_text* part = Create(b - a);
  std::memcpy(part->Chars(), Chars() + a, b - a);
  return part;
}

void ovC_text::SetNth(char ch, uint32_t i) {
  if (i < length) Chars()[i] = ch;
}

uint32_t ovStringGetLength(const ovC_object* t) { return ovIsKind(t, ovKindText) ? ovAs<ovC_text>(t)->length : 0; }

char* ovStringGetPtr(ovC_object* t) { return ovAs<ovC_text>(t)->Chars(); }

char ovStringGetNthChar(ovC_object* t, uint32_t i) {
  auto* text = ovAs<ovC_text>(t);
  return i < text->length ? text->Chars()[i] : '\0';
}

void ovStringSetNthChar(ovC_object* t, uint32_t i, char ch) { ovAs<ovC_text>(t)->SetNth(ch, i); }

int32_t ovStringFindChar(ovC_object* t, char ch, uint32_t start) {
  auto* text = ovAs<ovC_text>(t);
  return ovSearchChar(text->Chars(), text->length, ch, start);
}

int32_t ovStringFindSubString(ovC_object* t, ovC_object* sub, uint32_t start) {
  auto* text = ovAs<ovC_text>(t);
  auto* pattern = ovAs<ovC_text>(sub);
  return ovSearchString(text->Chars(), text->length, pattern->Chars(), pattern->length, start);
}

ovC_object* ovStringMakeSubString(ovC_object* t, uint32_t a, uint32_t b) { return ovAs<ovC_text>(t)->Extract(a, b); }

void ovStringJoin(ovC_object* t, ovC_object* other) { ovAs<ovC_text>(t)->Join(ovAs<ovC_text>(other)); }

void ovStringPad(ovC_object* t, uint32_t count, char ch) { ovAs<ovC_text>(t)->Pad(count, ch); }

int ovPStringsEqual(const unsigned char* p1, const unsigned char* p2) {
  return p1[0] == p2[0] && std::memcmp(p1 + 1, p2 + 1, p1[0]) == 0;
}
