#include "runtime/methods/send_trace.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/values/instance.h"
#include "runtime/values/value.h"

namespace {

// VELMARO_TRACE holds comma-separated words ("sends,messages").
bool traceAskedFor() {
  const char* value = std::getenv("VELMARO_TRACE");
  std::string_view words = value ? value : "";
  while (!words.empty()) {
    size_t comma = words.find(',');
    if (words.substr(0, comma) == "sends") return true;
    words = comma == std::string_view::npos ? std::string_view() : words.substr(comma + 1);
  }
  return false;
}

const char* kindWord(const ovC_object* v) {
  if (!v) return "NULL";
  switch (v->type) {
    case ovKindBoolean: return "boolean";
    case ovKindInteger: return "integer";
    case ovKindList: return "list";
    case ovKindExternal: return "external";
    case ovKindNone: return "none";
    case ovKindReal: return "real";
    case ovKindText: return "text";
    case ovKindUndefined: return "undefined";
    case ovKindPoint: return "point";
    case ovKindRect: return "rect";
    case ovKindRGB: return "rgb";
    case ovKindPointer: return "pointer";
    default: return "value";
  }
}

std::string receiverClass(const ovC_object* receiver) {
  if (!ovIsKind(receiver, ovKindInstance)) return kindWord(receiver);
  const RTName* n = ovAs<ovC_instance>(receiver)->cls->name;
  return std::string(n->chars, n->length);
}

std::string methodName(const ov::trace::Call& what) {
  if (what.method) return what.method;
  if (ovIsKind(what.name, ovKindText)) {
    const auto* t = ovAs<ovC_text>(what.name);
    return "\"" + std::string(const_cast<ovC_text*>(t)->Chars(), t->length) + "\"";
  }
  return "?";
}

std::string labelOf(const ov::trace::Call& what, const ovC_object* receiver) {
  using Call = ov::trace::Call;
  std::string method = methodName(what);
  switch (what.how) {
    case Call::kSend: return receiverClass(receiver) + "/" + method;
    case Call::kSendAs: return receiverClass(receiver) + " as " + what.cls + "/" + method;
    case Call::kClassMethod: return std::string(what.cls) + "/" + method + " (class method)";
    case Call::kUniversal: return method + " (universal)";
    case Call::kNamed: return method + " (by name, to " + receiverClass(receiver) + ")";
    case Call::kUntraced: break;
  }
  return method;
}

const char* statusWord(ovStatus s) {
  switch (s) {
    case ovSuccess: return "success";
    case ovFailure: return "failure";
    case ovNothingRan: return "no such method";
    case ovTerminate: return "terminate";
    case ovFinish: return "finish";
    default: return "success (other)";
  }
}

// One call under way. Its line is written once it is known whether sends
// happen inside it.
struct Frame {
  std::string label;
  bool traced;
  bool opened;
};

std::vector<Frame>& frames() {
  static std::vector<Frame> stack;
  return stack;
}

int tracedDepth() {
  int depth = 0;
  for (const Frame& f : frames()) depth += f.traced ? 1 : 0;
  return depth;
}

void writeLine(int depth, const std::string& text) {
  std::fprintf(stderr, "send %2d %*s%s\n", depth, 2 * (depth - 1), "", text.c_str());
}

}  // namespace

bool ovTraceSends = traceAskedFor();

namespace ov::trace {

void Enter(const Call& what, const ovC_object* receiver) {
  bool traced = what.how != Call::kUntraced;
  if (traced) {
    int depth = tracedDepth();
    for (Frame& f : frames())
      if (f.traced && !f.opened) {
        f.opened = true;
        writeLine(depth, f.label + " {");
      }
  }
  frames().push_back({traced ? labelOf(what, receiver) : std::string(), traced, false});
}

void Leave(ovStatus status) {
  if (frames().empty()) return;
  int depth = tracedDepth();
  Frame done = std::move(frames().back());
  frames().pop_back();
  if (!done.traced) return;
  writeLine(depth, (done.opened ? "} " : "") + done.label + " -> " + statusWord(status));
}

void Enable(bool on) { ovTraceSends = on; }

}  // namespace ov::trace
