#include "runtime/externals/call_by_name.h"

#include <utility>

#include "runtime/dispatch/dispatch.h"
#include "runtime/values/list.h"
#include "runtime/values/make.h"
#include "runtime/values/read.h"
#include "runtime/values/value_ref.h"

namespace {

// Outputs asked for: an integer's value or a list's length; never below 0.
int64_t outputCountOf(const ovC_object* v) {
  if (ovIsKind(v, ovKindList)) return ovListGetLength(v);
  int32_t n = ovGetInteger(v);
  return n < 0 ? 0 : n;
}

bool keepsOutputs(ovStatus status) { return status == ovSuccess || status == ovTerminate || status == ovFinish; }

// The outputs as one list, which takes over their uses.
ovRef gatherOutputs(ovCallWord* outputs, uint32_t m) {
  ovRef list = ovRef::adopt(ovMakeList(0));
  for (uint32_t i = 0; i < m; ++i) ovListAppend(list.get(), std::exchange(outputs[i].value, nullptr), 0);
  return list;
}

void releaseOutputs(ovCallWord* outputs, uint32_t m) {
  for (uint32_t i = 0; i < m; ++i) ovDecUse(std::exchange(outputs[i].value, nullptr));
}

}  // namespace

void UCSetUpCallParameters(ovCallWord* area, uint32_t n, uint32_t m, ovC_object* inputs, ovCallWord* outputArea) {
  area[0].count = n;
  area[1].count = m;
  bool isList = ovIsKind(inputs, ovKindList);
  for (uint32_t i = 0; i < n; ++i) area[2 + i].value = isList ? ovListGetSlot(inputs, i, 0) : gdDefaultUndefined;
  for (uint32_t i = 0; i < m; ++i) {
    outputArea[i].value = nullptr;
    area[2 + n + i].slot = &outputArea[i].value;
  }
}

ovStatus ovCallLaidOut(ovRoutine routine, const ovCallWord* area) {
  auto n = static_cast<uint32_t>(area[0].count);
  auto m = static_cast<uint32_t>(area[1].count);
  std::vector<ovC_object*> in(n);
  std::vector<ovC_object**> out(m);
  for (uint32_t i = 0; i < n; ++i) in[i] = area[2 + i].value;
  for (uint32_t i = 0; i < m; ++i) out[i] = area[2 + n + i].slot;
  return routine(n, m, in.data(), out.data());
}

ovStatus call_prim_internal(const RTClass* caller, uint32_t nin, uint32_t nout, ovC_object* const* in,
                            ovC_object** const* out) {
  ovC_object* name = nin > 0 ? in[0] : nullptr;
  ovC_object* inputs = nin > 1 ? in[1] : nullptr;
  int64_t wanted = outputCountOf(nin > 2 ? in[2] : nullptr);
  if (wanted > ovMaxCallOutputs) return ovFailure;
  uint32_t n = ovIsKind(inputs, ovKindList) ? ovListGetLength(inputs) : 0;
  auto m = static_cast<uint32_t>(wanted);

  std::vector<ovCallWord> area(n + 2 * size_t{m} + 2);
  ovCallWord* outputs = area.data() + n + m + 2;
  UCSetUpCallParameters(area.data(), n, m, inputs, outputs);
  ovC_object* receiver = n > 0 ? area[2].value : nullptr;
  ovStatus status = ovCallLaidOut(UCInjectLookupMethod(name, caller, receiver), area.data());

  if (keepsOutputs(status) && nout > 0 && out[0]) gatherOutputs(outputs, m).releaseInto(out[0]);
  releaseOutputs(outputs, m);
  return status;
}
