// The Unparse members of booleans, reals, texts, instances and pointers.
#include <charconv>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "runtime/values/unparse.h"

int ovC_boolean::Unparse(std::string& out) const {
  out += value ? "TRUE" : "FALSE";
  return 0;
}

// Twelve significant digits ("%.12g"); a value without a fractional part
// gets ".0" so that it still reads as a real: 3 prints as 3.0.
int ovC_real::Unparse(std::string& out) const {
  char digits[32];
  auto [end, error] = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::general, 12);
  out.append(digits, end);
  if (std::trunc(value) == value) out += ".0";
  return 0;
}

// With quotes on: the characters up to the first NUL between double quotes,
// each double quote doubled. With quotes off: the characters themselves.
int ovC_text::Unparse(std::string& out) {
  const char* chars = Chars();
  if (!gLocalThread->useQuotes) {
    out.append(chars, length);
    return 0;
  }
  out += '"';
  for (const char* c = chars;; ++c) {
    size_t run = std::strcspn(c, "\"");
    out.append(c, run);
    c += run;
    if (*c == '\0') break;
    out += "\"\"";
  }
  out += '"';
  return 0;
}

int ovC_instance::Unparse(std::string& out) const {
  out += "<<";
  if (cls && cls->name) out.append(cls->name->chars, cls->name->length);
  out += ">>";
  return 0;
}

// The type name, one "@" per level, then the address in hexadecimal after
// "16#": at least eight digits, more when the address needs them.
int ovC_pointer::Unparse(std::string& out) const {
  if (!pointeeType) return 0;
  if (pointeeType->name) out.append(pointeeType->name->chars, pointeeType->name->length);
  out.append(level, '@');
  char digits[24];
  std::snprintf(digits, sizeof digits, "16#%08" PRIXPTR, reinterpret_cast<uintptr_t>(address));
  out += digits;
  return 1;
}
