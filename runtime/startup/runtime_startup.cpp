#include "runtime/startup/runtime_startup.h"

#include "runtime/memory/heap.h"
#include "runtime/memory/low_memory.h"
#include "runtime/tables/header.h"
#include "runtime/values/allocate.h"
#include "runtime/values/visit_table.h"

HINSTANCE ghDLLInstance = nullptr;
ovGlobalRecord Global = {};

ovC_object* gdDefaultNone = nullptr;
ovC_object* gdDefaultUndefined = nullptr;
ovC_object* gdDefaultTrue = nullptr;
ovC_object* gdDefaultFalse = nullptr;
ovC_object* gdDefaultZero = nullptr;
ovC_object* gdDefaultPOne = nullptr;
ovC_object* gdDefaultMOne = nullptr;
LocalThreadStorage* gLocalThread = nullptr;

namespace {

ovC_object** const kSharedConstants[] = {
    &gdDefaultNone, &gdDefaultUndefined, &gdDefaultTrue, &gdDefaultFalse,
    &gdDefaultZero, &gdDefaultPOne,      &gdDefaultMOne,
};

template <typename T>
ovC_object* makeConstant(uint16_t kind) {
  return ovAllocValue(kind, sizeof(T));
}

ovC_object* makeBoolean(uint32_t value) {
  ovC_object* b = makeConstant<ovC_boolean>(ovKindBoolean);
  ovAs<ovC_boolean>(b)->value = value;
  return b;
}

ovC_object* makeInteger(int32_t value) {
  ovC_object* n = makeConstant<ovC_integer>(ovKindInteger);
  ovAs<ovC_integer>(n)->value = value;
  return n;
}

}  // namespace

void ovRunTimeStartup_Objects() {
  ovRunTimeCache = new ovMemCache;
  ovRunTimeHeap = new ovMemHeap;
  gpVisitTable = new RC_visit;
  gdDefaultNone = makeConstant<ovC_none>(ovKindNone);
  gdDefaultUndefined = makeConstant<ovC_undefined>(ovKindUndefined);
  gdDefaultTrue = makeBoolean(1);
  gdDefaultFalse = makeBoolean(0);
  gdDefaultZero = makeInteger(0);
  gdDefaultPOne = makeInteger(1);
  gdDefaultMOne = makeInteger(-1);
  gLocalThread = static_cast<LocalThreadStorage*>(ovLowMemAlloc(sizeof(LocalThreadStorage)));
  if (!gLocalThread) ovMemExhausted(sizeof(LocalThreadStorage));
  gLocalThread->useQuotes = 1;
}

void ovRunTimeShutdown_Objects() {
  for (ovC_object** constant : kSharedConstants) {
    ovFreeValue(*constant);
    *constant = nullptr;
  }
  ovLowMemFree(gLocalThread);
  gLocalThread = nullptr;
  delete gpVisitTable;
  gpVisitTable = nullptr;
  delete ovRunTimeCache;
  ovRunTimeCache = nullptr;
  delete ovRunTimeHeap;
  ovRunTimeHeap = nullptr;
}

void ovRunTimeStartup() { ovRunTimeStartup_Objects(); }

void ovRunTimeShutdown() {
  // The values the tables hold die with the heap; the header goes too.
  RTHeader::Release();
  ovRunTimeShutdown_Objects();
}
