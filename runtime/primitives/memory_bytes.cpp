// Byte access primitives: reading and writing bytes of an external block, a
// handle's block or the memory behind a pointer (buffer_place.h). Each
// passes its target through as output 1 and outputs next = offset + length.
// Bytes that lie outside the place read as zero and are not written.
#include <algorithm>
#include <cstring>
#include <string_view>

#include "runtime/primitives/buffer_place.h"
#include "runtime/primitives/primitive_kit.h"
#include "runtime/values/read.h"

namespace {

struct Access {
  int32_t offset;
  int32_t length;  // never below 0
};

Access accessOf(const ov::Args& a) { return {ovGetInteger(a[1]), std::max(ovGetInteger(a[2]), 0)}; }

ovStatus putTargetAndNext(const ov::Args& a, Access access) {
  a.put(0, a[0]);
  a.put(1, ovPrim::integer(ovPrim::wrap(int64_t{access.offset} + access.length)));
  return ovSuccess;
}

// Writes length bytes: source's, then NUL bytes; only what the place holds.
void write(const ov::Args& a, Access access, std::string_view source) {
  ovBufferPlace place = ovBufPlace(false, a[0], access.offset, access.length);
  if (!place.data) return;
  size_t count = std::min<size_t>(access.length, place.available);
  size_t copied = std::min(count, source.size());
  if (copied) std::memcpy(place.data, source.data(), copied);
  std::memset(place.data + copied, 0, count - copied);
}

// target, offset, length -> target, next, text of the length bytes.
ovStatus GetText(const ov::Args& a) {
  Access access = accessOf(a);
  ovBufferPlace place = ovBufPlace(true, a[0], access.offset, access.length);
  ovRef text = ovRef::adopt(ovMakeTextFromString(nullptr, static_cast<uint32_t>(access.length)));
  size_t count = std::min<size_t>(access.length, place.data ? place.available : 0);
  if (count) std::memcpy(ovStringGetPtr(text.get()), place.data, count);
  putTargetAndNext(a, access);
  a.put(2, std::move(text));
  return ovSuccess;
}

// target, offset, length, n: the low length bytes (at most 4) of n in the
// machine's byte order.
ovStatus PutInteger(const ov::Args& a) {
  Access access = accessOf(a);
  int32_t n = ovGetInteger(a[3]);
  std::string_view bytes(reinterpret_cast<const char*>(&n), std::min<size_t>(access.length, sizeof n));
  write(a, {access.offset, static_cast<int32_t>(bytes.size())}, bytes);
  return putTargetAndNext(a, access);
}

// target, offset, length, t: length bytes of t's characters, NUL bytes past
// its end; no terminator is added.
ovStatus PutText(const ov::Args& a) {
  Access access = accessOf(a);
  write(a, access, ovPrim::textOf(a[3]));
  return putTargetAndNext(a, access);
}

const ovPrimitiveDeclaration kGetText("get-text", ov::routine<GetText>);
const ovPrimitiveDeclaration kPutInteger("put-integer", ov::routine<PutInteger>);
const ovPrimitiveDeclaration kPutText("put-text", ov::routine<PutText>);

}  // namespace
