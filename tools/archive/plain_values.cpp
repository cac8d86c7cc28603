#include "tools/archive/plain_values.h"

#include <bit>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "runtime/archive/format.h"
#include "runtime/archive/record_writer.h"
#include "runtime/parser/from_string.h"
#include "runtime/values/make.h"
#include "runtime/values/text.h"
#include "runtime/values/value_ref.h"

namespace {

// The value a token reads as, or nullptr when it does not read.
ovRef parse(std::string_view token) {
  ovRef text = ovRef::adopt(ovMakeTextFromString(token.data(), static_cast<uint32_t>(token.size())));
  ovC_object* value = nullptr;
  uint32_t errorOffset = 0;
  if (ovFromString(text.get(), &value, &errorOffset)) return nullptr;
  return ovRef::adopt(value);
}

// The integers between braces, each read on its own so that no value is cut
// to 16 bits unnoticed.
bool readBraceNumbers(std::string_view token, std::vector<int32_t>* numbers) {
  std::string_view inside = token.substr(1, token.size() - 2);
  while (true) {
    size_t start = inside.find_first_not_of(" \t\r\n\f\v");
    if (start == std::string_view::npos) return true;
    inside.remove_prefix(start);
    size_t end = std::min(inside.find_first_of(" \t\r\n\f\v"), inside.size());
    int32_t n = 0;
    if (!ovReadIntegerToken(inside.substr(0, end), &n)) return false;
    numbers->push_back(n);
    inside.remove_prefix(end);
  }
}

bool inRange(const std::vector<int32_t>& numbers, int32_t low, int32_t high) {
  for (int32_t n : numbers)
    if (n < low || n > high) return false;
  return true;
}

// Points are (vertical horizontal), colours (red green blue), rects (top left
// bottom right): stored in the order written.
bool braceRecord(std::string_view token, uint32_t* tag, std::vector<unsigned char>* payload, std::string* error) {
  std::vector<int32_t> numbers;
  if (!readBraceNumbers(token, &numbers)) {
    *error = "braces hold integers only";
    return false;
  }
  bool colour = numbers.size() == 3;
  if (numbers.size() < 2 || numbers.size() > 4) {
    *error = "braces hold 2 (point), 3 (colour) or 4 (rect) integers";
    return false;
  }
  if (colour ? !inRange(numbers, 0, 0xFFFF) : !inRange(numbers, INT16_MIN, INT16_MAX)) {
    *error = colour ? "colour components run from 0 to 65535" : "coordinates run from -32768 to 32767";
    return false;
  }
  *tag = numbers.size() == 2 ? DBCodePoint : colour ? DBCodeRGB : DBCodeRect;
  for (int32_t n : numbers) DBPut16(*payload, static_cast<uint16_t>(n));
  return true;
}

bool valueRecord(const ovC_object* value, uint32_t* tag, std::vector<unsigned char>* payload) {
  if (ovIsKind(value, ovKindInteger)) {
    *tag = DBCodeInteger;
    DBPut32(*payload, static_cast<uint32_t>(ovAs<ovC_integer>(value)->value));
  } else if (ovIsKind(value, ovKindReal)) {
    *tag = DBCodeReal;
    DBPutReal(*payload, ovAs<ovC_real>(value)->value);
  } else if (ovIsKind(value, ovKindText)) {
    *tag = DBCodeText;
    auto* text = const_cast<ovC_object*>(value);
    payload->assign(ovStringGetPtr(text), ovStringGetPtr(text) + ovStringGetLength(text));
  } else {
    return false;
  }
  return true;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

bool ovPlainRecord(std::string_view token, uint32_t* tag, std::vector<unsigned char>* payload, std::string* error) {
  payload->clear();
  if (token.starts_with('{')) return braceRecord(token, tag, payload, error);
  ovRef value = parse(token);
  if (!value || !valueRecord(value.get(), tag, payload)) {
    *error = "not a value of the value text form";
    return false;
  }
  return true;
}

bool ovReadQuotedText(std::string_view token, std::string* text) {
  if (!token.starts_with('"')) return false;
  ovRef value = parse(token);
  if (!ovIsKind(value.get(), ovKindText)) return false;
  text->assign(ovStringGetPtr(value.get()), ovStringGetLength(value.get()));
  return true;
}

bool ovReadIntegerToken(std::string_view token, int32_t* value) {
  ovRef parsed = parse(token);
  if (!ovIsKind(parsed.get(), ovKindInteger)) return false;
  *value = ovAs<ovC_integer>(parsed.get())->value;
  return true;
}

std::string ovRealText(double d) {
  char buffer[40];
  for (int precision = 12; precision <= 17; ++precision) {
    std::snprintf(buffer, sizeof buffer, "%.*g", precision, d);
    if (std::bit_cast<uint64_t>(std::strtod(buffer, nullptr)) == std::bit_cast<uint64_t>(d)) break;
  }
  std::string text = buffer;
  if (text.find_first_of(".e") == std::string::npos) text += ".0";
  return text;
}

std::string ovQuotedText(std::string_view characters) {
  std::string quoted = "\"";
  for (char c : characters) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  return quoted + '"';
}

bool ovReadHexBytes(std::string_view hex, std::vector<unsigned char>* bytes) {
  if (hex.size() % 2) return false;
  bytes->clear();
  for (size_t i = 0; i < hex.size(); i += 2) {
    int high = hexDigit(hex[i]), low = hexDigit(hex[i + 1]);
    if (high < 0 || low < 0) return false;
    bytes->push_back(static_cast<unsigned char>(high << 4 | low));
  }
  return true;
}

std::string ovHexText(const unsigned char* bytes, size_t count) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  hex.reserve(2 * count);
  for (size_t i = 0; i < count; ++i) {
    hex += kDigits[bytes[i] >> 4];
    hex += kDigits[bytes[i] & 15];
  }
  return hex;
}
