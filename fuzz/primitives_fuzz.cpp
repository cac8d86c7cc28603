// Fuzzes the primitives with arbitrary inputs. Each line of the input is one
// call: its first byte picks a primitive, its second the number of outputs
// (0 to 7), and the rest, cut at tabs, gives the inputs, each read in the
// value text form (a piece that does not read is taken as a text). Besides
// the sanitizers' checks: every value a call made is gone once its outputs
// are released, and the quotes setting survives.
//
// Calls that would ask the heap for more than it may hand out (a text of a
// gigabyte, a block grown to a huge offset) end the process by design, so
// the byte and pointer primitives only see numbers up to 64 KiB; "show"
// writes to standard error and is left out.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/memory/heap.h"
#include "runtime/parser/from_string.h"
#include "runtime/startup/runtime_startup.h"
#include "runtime/tables/header.h"
#include "runtime/values/make.h"
#include "runtime/values/read.h"
#include "runtime/values/value_ref.h"

namespace {

const std::set<std::string_view> kLeftOut = {"show", "set-application-main-window"};
const std::set<std::string_view> kSizedByInputs = {"get-text", "put-integer", "put-text", "make-pointer"};
constexpr double kLargestSize = 65536;

std::vector<const RTMethod*> gPrimitives;

void require(bool condition) {
  if (!condition) std::abort();
}

ovRef readInput(std::string_view piece) {
  ovRef text = ovRef::adopt(ovMakeTextFromString(piece.data(), static_cast<uint32_t>(piece.size())));
  ovC_object* value = nullptr;
  uint32_t errorOffset = 0;
  if (ovFromString(text.get(), &value, &errorOffset)) return text;
  return ovRef::adopt(value);
}

bool withinSizes(const std::vector<ovRef>& inputs) {
  for (const ovRef& v : inputs)
    if (ovIsNumber(v.get()) && !(std::fabs(ovGetReal(v.get())) <= kLargestSize)) return false;
  return true;
}

void callLine(std::string_view line) {
  if (line.size() < 2) return;
  const RTMethod* primitive = gPrimitives[static_cast<unsigned char>(line[0]) % gPrimitives.size()];
  std::string_view name(primitive->name->chars, primitive->name->length);
  if (kLeftOut.count(name)) return;
  uint32_t nout = static_cast<unsigned char>(line[1]) % 8;
  std::vector<ovRef> inputs;
  for (size_t start = 2; start <= line.size();) {
    size_t tab = std::min(line.find('\t', start), line.size());
    inputs.push_back(readInput(line.substr(start, tab - start)));
    start = tab + 1;
  }
  if (kSizedByInputs.count(name) && !withinSizes(inputs)) return;
  std::vector<ovC_object*> in;
  for (const ovRef& v : inputs) in.push_back(v.get());
  std::vector<ovC_object*> slots(nout, nullptr);
  std::vector<ovC_object**> out;
  for (ovC_object*& slot : slots) out.push_back(&slot);
  primitive->code(static_cast<uint32_t>(in.size()), nout, in.data(), out.data());
  for (ovC_object* v : slots) {
    ovDisposePointer(v);
    ovDecUse(v);
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  ovRunTimeStartup();
  RTHeader::Initialize();
  for (const RTMethod& m : RTHeader::gRTHeader->allPrimitives.records) gPrimitives.push_back(&m);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  uint32_t live = ovRunTimeHeap->LiveCount();
  std::string_view input(reinterpret_cast<const char*>(data), size);
  for (size_t start = 0; start < input.size();) {
    size_t end = std::min(input.find('\n', start), input.size());
    callLine(input.substr(start, end - start));
    start = end + 1;
  }
  require(ovRunTimeHeap->LiveCount() == live);
  require(gLocalThread->useQuotes == 1);
  return 0;
}
