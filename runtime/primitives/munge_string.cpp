// "munge-string": fills the placeholders of a template. A placeholder is "^"
// and one decimal digit d, replaced by the characters of argument d (the
// first argument is the second input) when there is such an argument; a text
// argument only contributes characters, anything else contributes none. Other
// "^" stay as they are, and inserted characters are not scanned again.
// Scanning stops at a NUL byte in the template; the rest is kept as it is.
#include <string>

#include "runtime/primitives/primitive_kit.h"

namespace {

// The argument a placeholder at t[i] names, or -1 when t[i] starts none.
int placeholderAt(std::string_view t, size_t i, uint32_t argumentCount) {
  if (t[i] != '^' || i + 1 >= t.size()) return -1;
  int digit = t[i + 1] - '0';
  return digit >= 0 && digit <= 9 && static_cast<uint32_t>(digit) < argumentCount ? digit : -1;
}

std::string filled(const ov::Args& a) {
  std::string_view t = ovPrim::textOf(a[0]);
  uint32_t argumentCount = a.inputCount() > 0 ? a.inputCount() - 1 : 0;
  std::string result;
  size_t i = 0;
  while (i < t.size() && t[i] != '\0') {
    int argument = placeholderAt(t, i, argumentCount);
    if (argument < 0) {
      result += t[i++];
      continue;
    }
    result += ovPrim::textOf(a[1 + static_cast<uint32_t>(argument)]);
    i += 2;
  }
  result += t.substr(i);
  return result;
}

ovStatus MungeString(const ov::Args& a) {
  a.put(0, ovPrim::text(filled(a)));
  return ovSuccess;
}

const ovPrimitiveDeclaration kMungeString("munge-string", ov::routine<MungeString>);

}  // namespace
