// Text primitives. Positions are 1-based characters (a character is a
// byte). None changes its inputs.
#include <algorithm>
#include <string>

#include "runtime/primitives/primitive_kit.h"
#include "runtime/values/byte_search.h"
#include "runtime/values/read.h"

namespace {

using ovPrim::textOf;

ovStatus Length(const ov::Args& a) {
  a.put(0, ovPrim::integer(static_cast<int32_t>(ovStringGetLength(a[0]))));
  return ovSuccess;
}

ovStatus Join(const ov::Args& a) {
  std::string joined;
  for (uint32_t i = 0; i < a.inputCount(); ++i) joined += textOf(a[i]);
  a.put(0, ovPrim::text(joined));
  return ovSuccess;
}

// 1-based position of the first occurrence of pattern at or after start
// (default 1), or 0.
ovStatus Find(const ov::Args& a) {
  int64_t start = a.inputCount() > 2 ? ovGetInteger(a[2]) : 1;
  std::string_view t = textOf(a[0]), pattern = textOf(a[1]);
  int32_t found = -1;
  if (start >= 1)
    found = ovSearchString(t.data(), static_cast<uint32_t>(t.size()), pattern.data(),
                           static_cast<uint32_t>(pattern.size()), static_cast<uint32_t>(start - 1));
  a.put(0, ovPrim::integer(found + 1));
  return ovSuccess;
}

// The first n characters (n clamped to 0 .. length) and the rest.
ovStatus Prefix(const ov::Args& a) {
  std::string_view t = textOf(a[0]);
  size_t n = static_cast<size_t>(std::clamp<int64_t>(ovGetInteger(a[1]), 0, static_cast<int64_t>(t.size())));
  a.put(0, ovPrim::text(t.substr(0, n)));
  a.put(1, ovPrim::text(t.substr(n)));
  return ovSuccess;
}

ovStatus ToAscii(const ov::Args& a) {
  ovRef codes = ovPrim::newList();
  for (unsigned char c : textOf(a[0])) ovListAppend(codes.get(), ovMakeInteger(c), 0);
  a.put(0, std::move(codes));
  return ovSuccess;
}

// A list of codes gives their characters (low 8 bits each); anything else
// gives the one character of its code.
ovStatus FromAscii(const ov::Args& a) {
  std::string chars;
  if (ovIsKind(a[0], ovKindList))
    for (uint32_t i = 0; i < ovPrim::listLength(a[0]); ++i)
      chars += static_cast<char>(ovGetInteger(ovPrim::element(a[0], i)));
  else
    chars += static_cast<char>(ovGetInteger(a[0]));
  a.put(0, ovPrim::text(chars));
  return ovSuccess;
}

const ovPrimitiveDeclaration kLength("\"length\"", ov::routine<Length>);
const ovPrimitiveDeclaration kStringLength("string-length", ov::routine<Length>);
const ovPrimitiveDeclaration kJoin("\"join\"", ov::routine<Join>);
const ovPrimitiveDeclaration kFind("\"in\"", ov::routine<Find>);
const ovPrimitiveDeclaration kPrefix("prefix", ov::routine<Prefix>);
const ovPrimitiveDeclaration kToAscii("to-ascii", ov::routine<ToAscii>);
const ovPrimitiveDeclaration kFromAscii("from-ascii", ov::routine<FromAscii>);

}  // namespace
