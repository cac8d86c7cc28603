#include "test_methods.h"

#include "platform/win32.h"
#include "runtime/externals/callback.h"
#include "runtime/externals/conversions.h"
#include "runtime/methods/kit.h"
#include "runtime/values/make.h"
#include "runtime/values/read.h"
#include "runtime/values/unparse.h"

std::vector<std::string> gProbeInputs;

namespace {

ovStatus who(const ov::Args& a, const char* answer) {
  a.put(0, ovRef::adopt(ovMakeText(answer)));
  return ovSuccess;
}
ovStatus callerWho(const ov::Args& a) { return who(a, "Caller/Who"); }
ovStatus calleeWho(const ov::Args& a) { return who(a, "Callee/Who"); }

ovStatus echo(const ov::Args& a) {
  for (uint32_t i = 0; i < a.outputCount(); ++i) a.put(i, a[i]);
  return ovSuccess;
}

template <ovStatus Status>
ovStatus writeThen(const ov::Args& a) {
  a.put(0, a[0]);
  return Status;
}

void record(const ov::Args& a) {
  gProbeInputs.clear();
  for (uint32_t i = 0; i < a.inputCount(); ++i) {
    std::string text;
    ovUnparseAppend(a[i], text);
    gProbeInputs.push_back(text);
  }
}

ovStatus windowProbe(const ov::Args& a) {
  record(a);
  a.put(0, ovRef::adopt(ovMakeInteger(ovGetInteger(a[1]) + ovGetInteger(a[2]))));
  return ovSuccess;
}

ovStatus silentProbe(const ov::Args& a) {
  record(a);
  return ovSuccess;
}

// A window procedure written as a method: WM_USER answers 1234, every other
// message gets the default handling with its arguments as they came.
ovStatus defaultWindowProbe(const ov::Args& a) {
  auto message = static_cast<UINT>(ovToInt32(a[1]));
  LRESULT result = message == WM_USER ? 1234
                                      : DefWindowProcA(static_cast<HWND>(ovToAddress(a[0])), message,
                                                       reinterpret_cast<WPARAM>(ovToAddress(a[2])),
                                                       reinterpret_cast<LPARAM>(ovToAddress(a[3])));
  a.put(0, ovRef::adopt(ovMakePlatformWord(static_cast<uintptr_t>(result))));
  return ovSuccess;
}

const ovClassDeclaration kCaller({.name = "Caller", .methods = {{"Who", ov::routine<callerWho>}}});
const ovClassDeclaration kCallee({.name = "Callee",
                                  .superclass = "Caller",
                                  .methods = {{"Who", ov::routine<calleeWho>}}});
const ovClassDeclaration kGrandCallee({.name = "Grand Callee", .superclass = "Callee"});

const ovUniversalDeclaration kEcho("Echo", ov::routine<echo>);
const ovUniversalDeclaration kFailAfterWriting("Fail After Writing", ov::routine<writeThen<ovFailure>>);
const ovUniversalDeclaration kStopEarly("Stop Early", ov::routine<writeThen<ovTerminate>>);
const ovUniversalDeclaration kFinishEarly("Finish Early", ov::routine<writeThen<ovFinish>>);
const ovUniversalDeclaration kWindowProbe("Window Probe", ov::routine<windowProbe>);
const ovUniversalDeclaration kSilentProbe("Silent Probe", ov::routine<silentProbe>);
const ovUniversalDeclaration kDefaultWindowProbe("Default Window Probe", ov::routine<defaultWindowProbe>);

}  // namespace
