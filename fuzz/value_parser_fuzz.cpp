// Fuzzes ovFromString with arbitrary bytes. Besides the sanitizers' checks:
// nothing made during a parse may outlive it, a parsed value equals its
// clone, the quotes setting survives, every printed value reads back but for
// the real forms known not to, and printing is stable once a printed value
// has been read back.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "runtime/memory/heap.h"
#include "runtime/parser/from_string.h"
#include "runtime/startup/runtime_startup.h"
#include "runtime/values/compare.h"
#include "runtime/values/copy.h"
#include "runtime/values/make.h"
#include "runtime/values/unparse.h"
#include "runtime/values/value_ref.h"

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

// Reads source; false when it does not read.
bool read(const std::string& source, ovRef& value) {
  ovRef text = ovRef::adopt(ovMakeTextFromString(source.data(), static_cast<uint32_t>(source.size())));
  ovC_object* out = nullptr;
  uint32_t errorOffset = 0;
  if (ovFromString(text.get(), &out, &errorOffset)) {
    require(out == nullptr && errorOffset <= source.size());
    return false;
  }
  value = ovRef::adopt(out);
  return true;
}

// Whole reals that print with an exponent or as infinity carry a ".0" that
// reads back as a second token (1e+20.0 is 1e+20 and .0).
bool readsBackAsOneToken(const std::string& printed) {
  for (size_t dot = printed.find(".0"); dot != std::string::npos; dot = printed.find(".0", dot + 1)) {
    size_t digits = printed.find_last_not_of("0123456789", dot - 1) + 1;
    bool exponent = digits >= 2 && digits < dot && printed[digits - 2] == 'e' &&
                    (printed[digits - 1] == '+' || printed[digits - 1] == '-');
    bool infinity = dot >= 3 && printed.compare(dot - 3, 3, "inf") == 0;
    if (exponent || infinity) return false;
  }
  return true;
}

std::string print(ovC_object* v) {
  std::string out;
  ovUnparseAppend(v, out);
  return out;
}

// Reads what value prints into out; false only for the printed forms that
// are known not to read back. Any other printed form must read.
bool readPrinted(ovC_object* value, ovRef& out) {
  std::string printed = print(value);
  if (!readsBackAsOneToken(printed)) return false;
  require(read(printed, out));
  return true;
}

void check(const std::string& source) {
  ovRef value;
  if (!read(source, value)) return;
  ovRef clone = ovRef::adopt(ovCloneObject(value.get()));
  require(ovCompare(value.get(), clone.get()) == 0);
  // Reals print rounded, so the first reading may still change; from the
  // second on the printed form must stay the same.
  ovRef again, third;
  if (!readPrinted(value.get(), again)) return;
  if (readPrinted(again.get(), third)) require(print(third.get()) == print(again.get()));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  ovRunTimeStartup();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  uint32_t live = ovRunTimeHeap->LiveCount();
  check(std::string(reinterpret_cast<const char*>(data), size));
  require(ovRunTimeHeap->LiveCount() == live);
  require(gLocalThread->useQuotes == 1);
  return 0;
}
