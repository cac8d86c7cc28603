// orvane call: calls a primitive by name with inputs given in the textual
// value form and prints its status and outputs, so that the primitives can
// be checked from outside the program.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/parser/from_string.h"
#include "runtime/tables/header.h"
#include "runtime/values/make.h"
#include "runtime/values/unparse.h"
#include "runtime/values/value_ref.h"
#include "tools/orvane/command.h"

namespace {

struct Call {
  std::string name;
  uint32_t outputs = 1;
  std::vector<ovRef> inputs;
};

struct Outcome {
  ovStatus status = ovSuccess;
  std::vector<ovRef> outputs;
};

std::optional<ovRef> parseValue(std::string_view text) {
  ovRef source = ovRef::adopt(ovMakeTextFromString(text.data(), static_cast<uint32_t>(text.size())));
  ovC_object* value = nullptr;
  uint32_t errorOffset = 0;
  if (ovFromString(source.get(), &value, &errorOffset)) return std::nullopt;
  return ovRef::adopt(value);
}

std::optional<uint32_t> parseCount(std::string_view text) {
  std::string digits(text);
  char* end = nullptr;
  unsigned long n = std::strtoul(digits.c_str(), &end, 10);
  if (digits.empty() || *end || n > 0xFFFF) return std::nullopt;
  return static_cast<uint32_t>(n);
}

Outcome run(ovRoutine routine, const Call& call) {
  std::vector<ovC_object*> in;
  for (const ovRef& v : call.inputs) in.push_back(v.get());
  std::vector<ovC_object*> slots(call.outputs, nullptr);
  std::vector<ovC_object**> out;
  for (ovC_object*& slot : slots) out.push_back(&slot);
  Outcome outcome;
  outcome.status = routine(static_cast<uint32_t>(in.size()), call.outputs, in.data(), out.data());
  for (ovC_object* v : slots) outcome.outputs.push_back(ovRef::adopt(v));
  return outcome;
}

std::string printed(const ovRef& v) {
  std::string text;
  ovUnparseAppend(v.get(), text);
  return text;
}

// The outcome of call, or the reason it could not be made.
std::string callOne(const Call& call, Outcome* outcome) {
  ovRoutine routine = ovFindPrimitive(call.name.c_str());
  if (!routine) return "unknown primitive '" + call.name + "'";
  *outcome = run(routine, call);
  return "";
}

// "NAME<TAB>NOUT<TAB>ARG..." -> "S<TAB>OUT...", or "error ..." on one line.
bool callLine(std::string_view line) {
  std::vector<std::string_view> fields;
  for (size_t start = 0;;) {
    size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  Call call;
  call.name = fields[0];
  std::optional<uint32_t> outputs = fields.size() > 1 ? parseCount(fields[1]) : std::nullopt;
  if (!outputs) return std::printf("error the output count is missing or not a number\n"), false;
  call.outputs = *outputs;
  for (size_t i = 2; i < fields.size(); ++i) {
    std::optional<ovRef> value = parseValue(fields[i]);
    if (!value) return std::printf("error input %zu does not read as a value\n", i - 1), false;
    call.inputs.push_back(std::move(*value));
  }
  Outcome outcome;
  std::string problem = callOne(call, &outcome);
  if (!problem.empty()) return std::printf("error %s\n", problem.c_str()), false;
  std::string result = std::to_string(outcome.status);
  for (const ovRef& v : outcome.outputs) result += "\t" + printed(v);
  std::printf("%s\n", result.c_str());
  return true;
}

bool callLines(std::istream& in) {
  bool allCalled = true;
  std::string line;
  while (std::getline(in, line)) allCalled &= callLine(line);
  return allCalled;
}

// NAME ARG... with "--outputs N" anywhere: "status S", then one line per
// output.
int callArguments(int argc, char** argv) {
  Call call;
  bool named = false;
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--outputs") == 0 && i + 1 < argc) {
      std::optional<uint32_t> outputs = parseCount(argv[++i]);
      if (!outputs) return std::fprintf(stderr, "orvane call: --outputs takes a count\n"), kOrvaneUsageError;
      call.outputs = *outputs;
    } else if (!named) {
      call.name = argv[i];
      named = true;
    } else if (std::optional<ovRef> value = parseValue(argv[i])) {
      call.inputs.push_back(std::move(*value));
    } else {
      return std::fprintf(stderr, "orvane call: '%s' does not read as a value\n", argv[i]), kOrvaneInputFailed;
    }
  }
  Outcome outcome;
  std::string problem = callOne(call, &outcome);
  if (!problem.empty()) return std::fprintf(stderr, "orvane call: %s\n", problem.c_str()), kOrvaneInputFailed;
  std::printf("status %u\n", outcome.status);
  for (const ovRef& v : outcome.outputs) std::printf("%s\n", printed(v).c_str());
  return kOrvaneSuccess;
}

int runCall(int argc, char** argv) {
  if (argc == 0) {
    std::fputs("usage: orvane call [--outputs N] NAME ARG... | orvane call -\n", stderr);
    return kOrvaneUsageError;
  }
  RTHeader::Initialize();
  int status = kOrvaneSuccess;
  if (argc == 1 && std::strcmp(argv[0], "-") == 0) {
    std::ios::sync_with_stdio(false);
    status = callLines(std::cin) ? kOrvaneSuccess : kOrvaneInputFailed;
  } else {
    status = callArguments(argc, argv);
  }
  RTHeader::Release();
  return status;
}

}  // namespace

extern const OrvaneCommand orvaneCommand_call = {
    "call",
    "[--outputs N] NAME ARG... | -",
    "    Calls the primitive NAME with each ARG read as a value and N outputs\n"
    "    (1 unless given), and prints \"status S\" and then each output on a line\n"
    "    of its own (NULL for an output left empty). \"-\" reads calls from\n"
    "    standard input instead, one a line: NAME, the output count and the\n"
    "    inputs separated by tabs; each prints one line: the status and the\n"
    "    outputs separated by tabs, or \"error\" and the reason. Exits with 1\n"
    "    when a call could not be made.\n",
    runCall,
};
