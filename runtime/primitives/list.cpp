// List primitives. None changes its inputs: each works on a new list and
// outputs it. Elements are shared, each use raised.
#include <algorithm>

#include "runtime/primitives/primitive_kit.h"
#include "runtime/values/read.h"

namespace {

using ovPrim::element;
using ovPrim::listLength;

// A new list of every element of list.
ovRef copyOf(ovC_object* list) { return ovPrim::slice(list, 0, listLength(list)); }

ovStatus Pack(const ov::Args& a) {
  ovRef list = ovPrim::newList();
  for (uint32_t i = 0; i < a.inputCount(); ++i) ovPrim::append(list, a[i]);
  a.put(0, std::move(list));
  return ovSuccess;
}

// Element i to output i + 1; missing elements give NULL.
ovStatus Unpack(const ov::Args& a) {
  for (uint32_t i = 0; i < a.outputCount(); ++i) a.put(i, element(a[0], i));
  return ovSuccess;
}

ovStatus AttachRight(const ov::Args& a) {
  ovRef list = copyOf(a[0]);
  for (uint32_t i = 1; i < a.inputCount(); ++i) ovPrim::append(list, a[i]);
  a.put(0, std::move(list));
  return ovSuccess;
}

// The first list followed by the elements of every other list input.
ovStatus Join(const ov::Args& a) {
  ovRef list = copyOf(a[0]);
  for (uint32_t i = 1; i < a.inputCount(); ++i)
    for (uint32_t k = 0; k < listLength(a[i]); ++k) ovPrim::append(list, element(a[i], k));
  a.put(0, std::move(list));
  return ovSuccess;
}

ovStatus Length(const ov::Args& a) {
  a.put(0, ovPrim::integer(static_cast<int32_t>(listLength(a[0]))));
  return ovSuccess;
}

// 1-based position of the first element equal to x at or after start
// (default 1), or 0.
ovStatus Position(const ov::Args& a) {
  int64_t start = a.inputCount() > 2 ? ovGetInteger(a[2]) : 1;
  int32_t found = -1;
  if (start >= 1 && ovIsKind(a[0], ovKindList)) ovListLinFind(a[0], a[1], static_cast<uint32_t>(start - 1), &found);
  a.put(0, ovPrim::integer(found + 1));
  return ovSuccess;
}

// Element i1, then element i2 of that, and so on; NULL once one is missing.
ovStatus GetNth(const ov::Args& a) {
  ovC_object* v = a[0];
  for (uint32_t i = 1; i < a.inputCount() && v; ++i) v = ovPrim::elementAt(v, ovGetInteger(a[i]));
  a.put(0, v);
  return ovSuccess;
}

// Outputs 1 .. m-1 get the first m-1 elements, the last output a list of
// the elements after them.
ovStatus DetachLeft(const ov::Args& a) {
  uint32_t m = a.outputCount();
  if (m == 0) return ovSuccess;
  for (uint32_t i = 0; i + 1 < m; ++i) a.put(i, element(a[0], i));
  a.put(m - 1, ovPrim::slice(a[0], m - 1, listLength(a[0])));
  return ovSuccess;
}

// The last m-1 elements go to outputs 2 .. m (NULL where the list is too
// short); output 1 gets the elements before them, empty when the list has
// fewer than m elements.
ovStatus DetachRight(const ov::Args& a) {
  uint32_t m = a.outputCount();
  if (m == 0) return ovSuccess;
  int64_t length = listLength(a[0]);
  int64_t tail = int64_t{m} - 1;
  a.put(0, length >= m ? ovPrim::slice(a[0], 0, static_cast<uint32_t>(length - tail)) : ovPrim::newList());
  for (int64_t j = 0; j < tail; ++j)
    a.put(static_cast<uint32_t>(j + 1), ovPrim::elementAt(a[0], length - tail + j + 1));
  return ovSuccess;
}

// A copy without element n (1-based), and that element; out of range: a
// copy of the whole list and NULL.
ovStatus DetachNth(const ov::Args& a) {
  int64_t n = ovGetInteger(a[1]);
  ovRef rest = copyOf(a[0]);
  ovC_object* taken = ovPrim::elementAt(a[0], n);
  if (n >= 1 && n <= listLength(a[0])) ovListDeleteItem(rest.get(), static_cast<uint32_t>(n - 1), 1);
  a.put(0, std::move(rest));
  a.put(1, taken);
  return ovSuccess;
}

// Below 1: the empty list and the list itself; else n clamped to the length
// splits the list into elements 1 .. n and the others.
ovStatus SplitNth(const ov::Args& a) {
  int64_t n = ovGetInteger(a[1]);
  if (n < 1) {
    a.put(0, ovPrim::newList());
    a.put(1, a[0]);
    return ovSuccess;
  }
  uint32_t at = static_cast<uint32_t>(std::min<int64_t>(n, listLength(a[0])));
  a.put(0, ovPrim::slice(a[0], 0, at));
  a.put(1, ovPrim::slice(a[0], at, listLength(a[0])));
  return ovSuccess;
}

ovStatus Reverse(const ov::Args& a) {
  ovRef list = ovPrim::newList();
  for (uint32_t i = listLength(a[0]); i > 0; --i) ovPrim::append(list, element(a[0], i - 1));
  a.put(0, std::move(list));
  return ovSuccess;
}

const ovPrimitiveDeclaration kPack("pack", ov::routine<Pack>);
const ovPrimitiveDeclaration kUnpack("unpack", ov::routine<Unpack>);
const ovPrimitiveDeclaration kAttachRight("attach-r", ov::routine<AttachRight>);
const ovPrimitiveDeclaration kJoin("(join)", ov::routine<Join>);
const ovPrimitiveDeclaration kLength("(length)", ov::routine<Length>);
const ovPrimitiveDeclaration kIn("(in)", ov::routine<Position>);
const ovPrimitiveDeclaration kGetNth("get-nth", ov::routine<GetNth>);
const ovPrimitiveDeclaration kDetachLeft("detach-l", ov::routine<DetachLeft>);
const ovPrimitiveDeclaration kDetachRight("detach-r", ov::routine<DetachRight>);
const ovPrimitiveDeclaration kDetachNth("detach-nth", ov::routine<DetachNth>);
const ovPrimitiveDeclaration kSplitNth("split-nth", ov::routine<SplitNth>);
const ovPrimitiveDeclaration kReverse("reverse", ov::routine<Reverse>);

}  // namespace
