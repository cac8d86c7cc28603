// libFuzzer target for DBFromBytes: any bytes decode without a crash, a read
// outside the block or a sanitizer report; every decoded object holds one use
// per slot that holds it; and once the graph is released the heap holds
// nothing more than before, and stays consistent.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "runtime/archive/from_bytes.h"
#include "runtime/memory/heap.h"
#include "runtime/memory/heap_check.h"
#include "runtime/startup/runtime_startup.h"
#include "runtime/tables/declarations.h"
#include "runtime/tables/header.h"
#include "tests/archive/graph_checks.h"

namespace {

// Classes for instance items to name (class numbers 1 to 3 once sorted).
const ovClassDeclaration kEmpty({.name = "Empty"});
const ovClassDeclaration kPair({.name = "Pair", .attributes = {"Left", "Right"}});
const ovClassDeclaration kTriple({.name = "Triple", .superclass = "Pair", .attributes = {"Third"}});

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "fuzz_archive_decoder: %s\n", what);
  std::abort();
}

bool startRunTime() {
  ovRunTimeStartup();
  RTHeader::Initialize();
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool started = startRunTime();
  (void)started;
  uint32_t before = ovRunTimeHeap->LiveCount();
  ovC_object* root = nullptr;
  uint16_t status = DBFromBytes(data, size, &root);
  if (status != DBStatusOK && status != DBStatusMalformed && status != DBStatusUnknownName) fail("unknown status");
  if (!graph::miscounted(root).empty()) fail("a use count differs from the slots that hold the object");
  graph::release(root);
  if (ovRunTimeHeap->LiveCount() != before) fail("the decoded graph left objects behind");
  // The whole-heap walk costs more than a decode: now and then is enough.
  static uint32_t inputs = 0;
  if (++inputs % 256 == 0 && !ovMemHeapCheck(*ovRunTimeHeap).empty()) fail("the heap is inconsistent");
  return 0;
}
